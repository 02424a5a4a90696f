// SPDX-License-Identifier: MIT
#include "options/page_sizes.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

// A length in units of a quarter millimetre from hundredths of an inch.
std::int32_t FromHundredthInches(std::int64_t hundredths)
{
    // 1 inch = 101.6 units; round half away from zero.
    const std::int64_t tenthsOfUnits = hundredths * 1016 / 100;
    return std::int32_t(std::clamp<std::int64_t>(
        (tenthsOfUnits + (tenthsOfUnits >= 0 ? 5 : -5)) / 10, INT32_MIN, INT32_MAX));
}

std::int32_t Clamp32(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

TPageExtent PageSizeUnits(int entry, bool landscape, TPageExtent user)
{
    // Millimetres of the ISO sizes and hundredths of an inch of the US sizes, short side first.
    // The E size is 34 by 44 inches; its caption has lost a digit.
    constexpr std::int32_t iso[][2]
        = { { 210, 297 }, { 297, 420 }, { 420, 594 }, { 594, 841 }, { 841, 1189 } };
    constexpr std::int32_t us[][2]
        = { { 850, 1100 }, { 1100, 1700 }, { 1700, 2200 }, { 2200, 3400 }, { 3400, 4400 } };
    TPageExtent e;
    if (entry >= 0 && entry < 5) {
        e = { iso[entry][0] * 4, iso[entry][1] * 4 };
    } else if (entry >= 5 && entry < 10) {
        e = { FromHundredthInches(us[entry - 5][0]), FromHundredthInches(us[entry - 5][1]) };
    } else if (entry == kUserDefinedMm) {
        e = { Clamp32(std::int64_t(user.Width) * 4), Clamp32(std::int64_t(user.Height) * 4) };
    } else if (entry == kUserDefinedInches) {
        e = { FromHundredthInches(std::int64_t(user.Width) * 100),
            FromHundredthInches(std::int64_t(user.Height) * 100) };
    } else {
        return {};
    }
    if ((e.Width > e.Height) != landscape && e.Width != e.Height)
        std::swap(e.Width, e.Height);
    return e;
}

} // namespace morvane
