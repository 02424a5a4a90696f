// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace morvane {

// The entries of the options dialog's page-size list, in list order.
inline constexpr std::array<const char *, 12> kPageSizeCaptions = {
    "A4 - 297 by 210 mm",
    "A3 - 420 by 297 mm",
    "A2 - 594 by 420 mm",
    "A1 - 841 by 594 mm",
    "A0 - 1189 by 841 mm",
    "A - 11\" by 8.5\"",
    "B - 17\" by 11\"",
    "C - 22\" by 17\"",
    "D - 34\" by 22\"",
    "E - 44\" by  4\"",
    "User Defined mm",
    "User Defined inches",
};
inline constexpr int kUserDefinedMm = 10;
inline constexpr int kUserDefinedInches = 11;

struct TPageExtent
{
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const TPageExtent &) const = default;
};

// The page size the list entry gives, in the list's units of a quarter millimetre: portrait (the
// short side across) unless `landscape`. The user-defined entries take `user` as millimetres or
// as inches, across and down as given, and swap them for the other orientation when they do not
// already lie that way. Inches are rounded to the nearest unit. An entry outside the list gives
// nothing (0 x 0).
TPageExtent PageSizeUnits(int entry, bool landscape, TPageExtent user = {});

} // namespace morvane
