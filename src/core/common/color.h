// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace morvane {

// A 32-bit colour reference: red in the low byte, then green, then blue. A top byte of 0xFF marks
// a system colour whose index is the low byte; a top byte of 0x02 a palette-relative colour.
using TColor = std::uint32_t;

constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t GetRValue(TColor c)
{
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t GetGValue(TColor c)
{
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t GetBValue(TColor c)
{
    return std::uint8_t((c >> 16) & 0xFF);
}
constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == 0xFF000000u;
}
constexpr bool IsPaletteRelative(TColor c)
{
    return (c & 0xFF000000u) == 0x02000000u;
}
constexpr TColor SystemColor(std::uint8_t index)
{
    return 0xFF000000u | index;
}

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clGreen = 0x00008000;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clWindow = 0xFF000005;

} // namespace morvane
