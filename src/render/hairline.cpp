// SPDX-License-Identifier: MIT
#include "hairline.h"

#include <algorithm>
#include <cstdlib>

namespace morvane {

namespace {

long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

long long CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

// Along the line, step k of `length` sits at major coordinate m0 + k and minor coordinate
// (base + k * inc) >> 16: the minor axis advances in 16.16 fixed point by the truncated slope,
// half a step ahead when it rises.
struct TSteps
{
    long long m0, base, inc, length;

    long long Minor(long long k) const { return (base + k * inc) >> 16; }
    // First step whose minor coordinate is at least `minor`, for a rising line.
    long long FirstAtOrAbove(long long minor) const { return CeilDiv((minor << 16) - base, inc); }
    // First step whose minor coordinate is below `minor`, for a falling line.
    long long FirstBelow(long long minor) const { return FloorDiv(base - (minor << 16), -inc) + 1; }

    // Narrows [k0, k1) to the steps whose minor coordinate lies in [0, limit).
    void ClipMinor(long long limit, long long &k0, long long &k1) const
    {
        if (inc > 0) {
            k0 = std::max(k0, FirstAtOrAbove(0));
            k1 = std::min(k1, FirstAtOrAbove(limit));
        } else if (inc < 0) {
            k0 = std::max(k0, FirstBelow(limit));
            k1 = std::min(k1, FirstBelow(0));
        } else if (Minor(0) < 0 || Minor(0) >= limit) {
            k1 = k0;
        }
    }
    // The step after k where the minor coordinate changes, or `end`.
    long long NextMinor(long long k, long long end) const
    {
        if (inc == 0)
            return end;
        const long long minor = Minor(k);
        return std::min(end, inc > 0 ? FirstAtOrAbove(minor + 1) : FirstBelow(minor));
    }
};

TSteps Steps(long long m0, long long n0, long long m1, long long n1)
{
    if (m0 > m1) {
        std::swap(m0, m1);
        std::swap(n0, n1);
    }
    const long long length = m1 - m0;
    const long long inc = (n1 - n0) * 65536 / length;
    return { m0, n0 * 65536 + (inc > 0 ? inc >> 1 : 0), inc, length };
}

void Put(std::uint32_t *from, std::uint32_t *to, std::uint32_t colour, bool invert)
{
    if (!invert) {
        std::fill(from, to, colour);
        return;
    }
    for (std::uint32_t *p = from; p != to; ++p)
        *p = 0xFF000000u | (~(colour ^ *p) & 0xFFFFFFu);
}

} // namespace

void SetHairline(const TPixelRows &rows, long long x0, long long y0, long long x1, long long y1,
    std::uint32_t colour, bool invert)
{
    colour |= 0xFF000000u;
    std::uint32_t *const bits = rows.Bits;
    auto at = [&](long long x, long long y) { return bits + y * rows.Stride + x; };
    if (x0 == x1 && y0 == y1) {
        if (x0 >= 0 && y0 >= 0 && x0 < rows.Width && y0 < rows.Height)
            Put(at(x0, y0), at(x0, y0) + 1, colour, invert);
        return;
    }
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    const TSteps s = xMajor ? Steps(x0, y0, x1, y1) : Steps(y0, x0, y1, x1);
    const long long majorLimit = xMajor ? rows.Width : rows.Height;
    long long k0 = std::max(0LL, -s.m0), k1 = std::min(s.length, majorLimit - s.m0);
    s.ClipMinor(xMajor ? rows.Height : rows.Width, k0, k1);
    if (xMajor) {
        // A run of pixels for each row the line crosses.
        for (long long k = k0; k < k1;) {
            const long long end = s.NextMinor(k, k1);
            std::uint32_t *row = at(0, s.Minor(k));
            Put(row + s.m0 + k, row + s.m0 + end, colour, invert);
            k = end;
        }
        return;
    }
    for (long long k = k0; k < k1; ++k) {
        std::uint32_t *p = at(s.Minor(k), s.m0 + k);
        Put(p, p + 1, colour, invert);
    }
}

} // namespace morvane
