// SPDX-License-Identifier: MIT
#pragma once

#include "model/spatial_index.h"

#include <cstdint>
#include <vector>

namespace morvane {

class TArc;
class TDrawingObject;
class TDrawingObjects;

// What a whole-document pass needs to know of one point: the first two pieces in component order
// containing the point, the first two ending there, the first two starting there, and the first
// node there. Two suffice: at most one of each pair is the piece being resolved.
struct TPointSummary
{
    TArc *on[2] = {};
    TArc *ending[2] = {};
    TArc *starting[2] = {};
    TDrawingObject *node = nullptr;
};

// The summaries of the points a pass asks about, each made once. Pieces lying on one another
// share their end points, and looking every piece through all the others at each end would cost
// the square of their number; here the ends are gathered in one pass over the pieces and the
// rest costs two or three look-ups in an index per point.
class TPointCache
{
public:
    explicit TPointCache(const TDrawingObjects &doc);

    const TDrawingObjects &Doc() const { return m_doc; }
    const TPointSummary &At(std::int32_t x, std::int32_t y);

private:
    struct Known
    {
        TPointSummary summary;
        std::uint64_t key = 0;
        bool complete = false;
    };
    // The entry of a point, made on first use. The table has room for both ends of every
    // piece, and only such ends are asked about.
    Known &Find(std::int32_t x, std::int32_t y);

    const TDrawingObjects &m_doc;
    const TSpatialIndex m_index;
    // Index into m_known plus one; 0 marks a free slot. The key is compared in the entry, which
    // is read anyway, so the table stays a quarter as large.
    std::vector<std::uint32_t> m_slots;
    std::vector<Known> m_known;
};

} // namespace morvane
