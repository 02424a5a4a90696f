// SPDX-License-Identifier: MIT
#include "model/point_cache.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <bit>

namespace morvane {

namespace {

void Keep(TArc *(&pair)[2], TArc *arc)
{
    if (!pair[0])
        pair[0] = arc;
    else if (!pair[1])
        pair[1] = arc;
}

} // namespace

TPointCache::TPointCache(const TDrawingObjects &doc)
    : m_doc(doc)
    , m_index(doc)
{
    m_slots.resize(std::bit_ceil(4 * doc.Arcs().size() + 4));
    m_known.reserve(2 * doc.Arcs().size());
    const std::int64_t esize = Globals().Esize;
    // In component order, so that each pair keeps the first two.
    for (const auto &obj : doc.Objects()) {
        if (obj->Kind() != okArc)
            continue;
        auto *arc = static_cast<TArc *>(obj.get());
        // A piece that does not contain its own end (a negative handle size can do that) is
        // not found there either.
        const THitBox box = arc->HitBox(esize);
        if (box.Contains(arc->Right(), arc->Bottom()))
            Keep(Find(arc->Right(), arc->Bottom()).summary.ending, arc);
        if (box.Contains(arc->Left(), arc->Top()))
            Keep(Find(arc->Left(), arc->Top()).summary.starting, arc);
    }
}

TPointCache::Known &TPointCache::Find(std::int32_t x, std::int32_t y)
{
    const std::uint64_t key
        = (std::uint64_t(std::uint32_t(x)) << 32) | std::uint64_t(std::uint32_t(y));
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    while (m_slots[i] && m_known[m_slots[i] - 1].key != key)
        i = (i + 1) & mask;
    if (!m_slots[i]) {
        m_known.emplace_back().key = key;
        m_slots[i] = std::uint32_t(m_known.size());
    }
    return m_known[m_slots[i] - 1];
}

const TPointSummary &TPointCache::At(std::int32_t x, std::int32_t y)
{
    Known &known = Find(x, y);
    if (known.complete)
        return known.summary;
    known.complete = true;
    TPointSummary &sum = known.summary;
    m_index.FindFirstAt(x, y, okNodes, &sum.node, 1);
    TDrawingObject *on[2] = {};
    m_index.FindFirstAt(x, y, okArc, on, 2);
    sum.on[0] = static_cast<TArc *>(on[0]);
    sum.on[1] = static_cast<TArc *>(on[1]);
    return sum;
}

} // namespace morvane
