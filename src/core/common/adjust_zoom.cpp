// SPDX-License-Identifier: MIT
#include "common/adjust_zoom.h"

namespace morvane {

namespace {

// 64 bits hold every product of a difference of 32-bit coordinates and margins and a factor the
// export dialog allows, so nothing wraps.
// A divisor of 0 counts as 1 rather than ending the export with a division fault.
std::int64_t Scale(std::int64_t v, std::int32_t mul, std::int32_t div)
{
    const std::int64_t product = v * mul;
    return div == 0 ? product : product / div;
}

} // namespace

std::int64_t TAdjustZoom::X(std::int64_t v) const
{
    return Scale(v - XOrigin, XMul, XDiv);
}

std::int64_t TAdjustZoom::Y(std::int64_t v) const
{
    return Scale(v - YOrigin, YMul, YDiv);
}

std::int64_t TAdjustZoom::XLength(std::int64_t v) const
{
    return Scale(v, XMul, XDiv);
}

std::int64_t TAdjustZoom::YLength(std::int64_t v) const
{
    return Scale(v, YMul, YDiv);
}

} // namespace morvane
