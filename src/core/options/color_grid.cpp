// SPDX-License-Identifier: MIT
#include "options/color_grid.h"

namespace morvane {

namespace {

// Channels on the scale to 256 to a colour reference.
TColor Lowered(int r, int g, int b)
{
    const auto lower = [](int v) { return std::uint8_t(v > 0 ? v - 1 : 0); };
    return RGB(lower(r), lower(g), lower(b));
}

} // namespace

TColor PaletteColor(int i, int j)
{
    int r = 0, g = 0, b = 0;
    const int t = 64 * (i % 3) + 128;
    const bool greenColumn = i < 3 || i > 5;
    const bool blueColumn = i >= 3 && i <= 5;
    switch (j) {
    case 0:
        r = 32 * i;
        break;
    case 1:
        g = 32 * i;
        break;
    case 2:
        b = 32 * i;
        break;
    case 3:
        r = g = b = 32 * i;
        break;
    case 4:
        g = greenColumn ? t : 0;
        b = blueColumn ? t : 0;
        break;
    default: {
        const int u = 64 * ((j - 5) % 4) + 64;
        r = i < 6 ? u : 0;
        g = greenColumn ? t : 0;
        b = (i > 5 ? u : 0) + (blueColumn ? t : 0);
        break;
    }
    }
    return Lowered(r, g, b);
}

TColor ShadeColor(TColor base, int i, int j)
{
    const auto step = [i](int v) { return (v * (i + 1) + 256 * (4 - i)) / 5; };
    int r = GetRValue(base), g = GetGValue(base), b = GetBValue(base);
    if (j == 0 || j == 1)
        r = step(r);
    if (j == 0 || j == 2)
        g = step(g);
    if (j == 0 || j == 3)
        b = step(b);
    return Lowered(r, g, b);
}

} // namespace morvane
