// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>

#include <cstdint>

namespace morvane {

// A main window placement as it comes from the settings store: any 32-bit numbers, kept wide so
// that sums cannot overflow.
struct TWindowPlacement
{
    std::int64_t Left = 0, Top = 0, Width = 0, Height = 0;
};

// True when a window placed so can be seen and reached on the screens whose available areas are
// given: it is no larger than the screens together, and its top edge, where the title bar is,
// lies on one screen with a piece wide enough to take hold of.
bool PlacementFits(const TWindowPlacement &placement, const QList<QRect> &available);

} // namespace morvane
