// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

class TDrawingObjects;

struct TPieceEnds
{
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const TPieceEnds &) const = default;
};

struct TAutoRouteResult
{
    // The pieces of the new arc as they stand after linking and merging, in creation order.
    std::vector<TPieceEnds> Pieces;
    bool Made() const { return !Pieces.empty(); }
};

// The editor's arc-routing command: moves the press and release points off the nodes under them
// (stubs), routes around the net's objects, adds one straight piece per leg plus the stubs, then
// links the new pieces and merges those on one line. Press and release are net pixels.
TAutoRouteResult AutoRouteArc(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

} // namespace morvane
