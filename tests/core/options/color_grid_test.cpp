// SPDX-License-Identifier: MIT
#include "options/color_grid.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(ColorGridTest, PaletteCells)
{
    const struct
    {
        int i, j;
        TColor color;
    } rows[] = {
        { 8, 3, RGB(255, 255, 255) },
        { 4, 0, RGB(127, 0, 0) },
        { 0, 4, RGB(0, 127, 0) },
        { 0, 0, RGB(0, 0, 0) },
        { 4, 4, RGB(0, 0, 191) },
        { 7, 8, RGB(0, 191, 255) },
        { 2, 5, RGB(63, 255, 0) },
        { 3, 6, RGB(127, 0, 127) },
        { 5, 2, RGB(0, 0, 159) },
    };
    for (const auto &r : rows)
        EXPECT_EQ(PaletteColor(r.i, r.j), r.color) << r.i << "," << r.j;
}

TEST(ColorGridTest, ShadesMixTheColourWithWhitePerChannelRow)
{
    const struct
    {
        TColor base;
        int i, j;
        TColor shade;
    } rows[] = {
        { RGB(0, 0, 0), 0, 0, RGB(203, 203, 203) }, // lightest: four fifths white
        { RGB(0, 0, 0), 3, 0, RGB(50, 50, 50) }, // darkest: one fifth white
        { RGB(255, 255, 255), 3, 0, RGB(254, 254, 254) },
        { RGB(127, 0, 0), 1, 1, RGB(203, 0, 0) }, // red row leaves the rest
        { RGB(127, 0, 0), 1, 2, RGB(126, 152, 0) }, // green row lowers the untouched red too
        { RGB(10, 20, 30), 2, 3, RGB(9, 19, 119) },
    };
    for (const auto &r : rows)
        EXPECT_EQ(ShadeColor(r.base, r.i, r.j), r.shade) << r.i << "," << r.j;
}

} // namespace
} // namespace morvane
