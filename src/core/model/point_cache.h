// SPDX-License-Identifier: MIT
#pragma once

#include "model/spatial_index.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace morvane {

class TDrawingObjects;

// What a whole-document pass needs to know of one point, as component indices (kNone where
// there is none, which orders after every object): the first two pieces in component order
// containing the point, the first two ending there, the first two starting there, and the first
// node there. Two suffice: at most one of each pair is the piece being resolved.
struct TPointSummary
{
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t on[2] = { kNone, kNone };
    std::uint32_t ending[2] = { kNone, kNone };
    std::uint32_t starting[2] = { kNone, kNone };
    std::uint32_t node = kNone;
};

// The summaries of the points a pass asks about, each made once. Pieces lying on one another
// share their end points, and looking every piece through all the others at each end would cost
// the square of their number; here the ends are gathered in one pass over the pieces and the
// rest costs two look-ups in an index per point.
class TPointCache
{
public:
    // From this many pieces on, the work of making the cache is shared with a second thread.
    static constexpr std::size_t kTwoThreadsFrom = 20000;
    explicit TPointCache(const TDrawingObjects &doc, std::size_t twoThreadsFrom = kTwoThreadsFrom);

    const TDrawingObjects &Doc() const { return m_doc; }
    const TPointSummary &At(std::int32_t x, std::int32_t y);

    // A pass that asks about every piece end has them all made at once.
    void CompleteAll();

private:
    struct Known
    {
        std::int32_t x, y;
        // on[0] is kUnasked until the look-ups of the point are made.
        TPointSummary summary;
    };
    static constexpr std::uint32_t kUnasked = TPointSummary::kNone - 1;
    // The entry of a point, made on first use. The table has room for both ends of every
    // piece, and only such ends are asked about.
    Known &Find(std::int32_t x, std::int32_t y);
    // The pieces ending and starting at each end point.
    void Gather(std::int64_t esize);
    void Complete(Known &known) const;

    const TDrawingObjects &m_doc;
    // Whether the document is large enough to be worth a second thread.
    bool m_twoThreads;
    // Made while the ends are gathered.
    std::optional<const TSpatialIndex> m_index;
    // Index into m_known plus one; 0 marks a free slot. The point is compared in the entry,
    // which is read anyway, so the table stays a quarter as large.
    std::vector<std::uint32_t> m_slots;
    std::vector<Known> m_known;
};

} // namespace morvane
