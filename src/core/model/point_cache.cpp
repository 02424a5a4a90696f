// SPDX-License-Identifier: MIT
#include "model/point_cache.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <bit>
#include <system_error>
#include <thread>
#include <utility>

namespace morvane {

namespace {

void Keep(std::uint32_t (&pair)[2], std::uint32_t index)
{
    if (pair[0] == TPointSummary::kNone)
        pair[0] = index;
    else if (pair[1] == TPointSummary::kNone)
        pair[1] = index;
}

// A second thread running the job, or none when the system has none to give.
template <class Job> std::jthread StartOrNot(Job job)
{
    try {
        return std::jthread(std::move(job));
    } catch (const std::system_error &) {
        return {};
    }
}

} // namespace

TPointCache::TPointCache(const TDrawingObjects &doc, std::size_t twoThreadsFrom)
    : m_doc(doc)
    , m_twoThreads(doc.Arcs().size() >= twoThreadsFrom)
{
    m_slots.resize(std::bit_ceil(4 * doc.Arcs().size() + 4));
    m_known.reserve(2 * doc.Arcs().size());
    const std::int64_t esize = Globals().Esize;
    // The index and the table of ends are made from the document alone, each by one thread.
    std::jthread gatherer;
    if (m_twoThreads)
        gatherer = StartOrNot([this, esize] { Gather(esize); });
    m_index.emplace(doc);
    if (gatherer.joinable())
        gatherer.join();
    else
        Gather(esize);
}

void TPointCache::Gather(std::int64_t esize)
{
    // In component order, so that each pair keeps the first two.
    for (std::size_t i = 0; i < m_doc.Count(); ++i) {
        const TDrawingObject &obj = *m_doc.Object(i);
        if (obj.Kind() != okArc)
            continue;
        const auto index = std::uint32_t(i);
        // A piece that does not contain its own end (a negative handle size can do that) is
        // not found there either.
        const THitBox box = obj.HitBox(esize);
        if (box.Contains(obj.Right(), obj.Bottom()))
            Keep(Find(obj.Right(), obj.Bottom()).summary.ending, index);
        if (box.Contains(obj.Left(), obj.Top()))
            Keep(Find(obj.Left(), obj.Top()).summary.starting, index);
    }
}

TPointCache::Known &TPointCache::Find(std::int32_t x, std::int32_t y)
{
    const std::uint64_t key
        = (std::uint64_t(std::uint32_t(x)) << 32) | std::uint64_t(std::uint32_t(y));
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    for (; m_slots[i]; i = (i + 1) & mask) {
        Known &known = m_known[m_slots[i] - 1];
        if (known.x == x && known.y == y)
            return known;
    }
    Known &made = m_known.emplace_back();
    made.x = x;
    made.y = y;
    made.summary.on[0] = kUnasked;
    m_slots[i] = std::uint32_t(m_known.size());
    return made;
}

// Reads only the index and writes only this entry, so entries can be made on several threads.
void TPointCache::Complete(Known &known) const
{
    TPointSummary &sum = known.summary;
    if (!m_index->FindFirstAt(known.x, known.y, okNodes, &sum.node, 1))
        sum.node = TPointSummary::kNone;
    sum.on[0] = sum.on[1] = TPointSummary::kNone;
    m_index->FindFirstAt(known.x, known.y, okArc, sum.on, 2);
}

const TPointSummary &TPointCache::At(std::int32_t x, std::int32_t y)
{
    Known &known = Find(x, y);
    if (known.summary.on[0] == kUnasked)
        Complete(known);
    return known.summary;
}

void TPointCache::CompleteAll()
{
    // Blocks of entries taken in turn keep the two shares even wherever the costly points lie.
    constexpr std::size_t kBlock = 1024;
    auto share = [this](std::size_t part, std::size_t parts) {
        for (std::size_t b = part * kBlock; b < m_known.size(); b += parts * kBlock)
            for (std::size_t i = b; i < std::min(b + kBlock, m_known.size()); ++i)
                if (m_known[i].summary.on[0] == kUnasked)
                    Complete(m_known[i]);
    };
    std::jthread helper;
    if (m_twoThreads)
        helper = StartOrNot([&share] { share(1, 2); });
    share(0, helper.joinable() ? 2 : 1);
}

} // namespace morvane
