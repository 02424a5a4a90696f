// SPDX-License-Identifier: MIT
#include "window_placement.h"

#include <algorithm>

namespace morvane {

namespace {

// How much of the title bar must lie on a screen (all of it for a narrower window).
constexpr std::int64_t kGrip = 64;

} // namespace

bool PlacementFits(const TWindowPlacement &p, const QList<QRect> &available)
{
    if (available.isEmpty() || p.Width <= 0 || p.Height <= 0)
        return false;
    QRect all;
    for (const QRect &screen : available)
        all |= screen;
    if (p.Width > all.width() || p.Height > all.height())
        return false;
    const std::int64_t right = p.Left + p.Width;
    return std::any_of(available.begin(), available.end(), [&](const QRect &s) {
        const std::int64_t shared = std::min<std::int64_t>(right, std::int64_t(s.x()) + s.width())
            - std::max<std::int64_t>(p.Left, s.x());
        return p.Top >= s.y() && p.Top < std::int64_t(s.y()) + s.height()
            && shared >= std::min(kGrip, p.Width);
    });
}

} // namespace morvane
