// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

// 32-bit pixels 0xffRRGGBB, `stride` pixels from one row to the next.
struct TPixelRows
{
    std::uint32_t *Bits = nullptr;
    std::ptrdiff_t Stride = 0;
    long long Width = 0, Height = 0;
};

// A solid line one pixel wide from (x0, y0) to (x1, y1), set pixel by pixel exactly as Qt's
// raster engine draws a one-pixel cosmetic line with a flat cap that lies wholly on its device:
// one pixel for each step along the longer axis, the step at its greater end left out; a line of
// no length is one pixel. Unlike Qt, which starts the line anew where it enters the device, the
// pixels do not depend on the part of the line the rows show, so two images that cut a line
// differently (the bands of a picture, a scrolled window) agree on every pixel they share.
// `invert` sets each pixel to the inverse of colour xor pixel instead of the colour.
void SetHairline(const TPixelRows &rows, long long x0, long long y0, long long x1, long long y1,
    std::uint32_t colour, bool invert);

} // namespace morvane
