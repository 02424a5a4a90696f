// SPDX-License-Identifier: MIT
#include "model/spatial_index.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <cassert>
#include <functional>
#include <limits>
#include <tuple>

namespace morvane {

namespace {

constexpr std::size_t kFanout = 8;

bool IsEmpty(const THitBox &b)
{
    return b.x1 > b.x2 || b.y1 > b.y2;
}

THitBox Union(const THitBox &a, const THitBox &b)
{
    return { std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2),
        std::max(a.y2, b.y2) };
}

// Position of a cell along the Hilbert curve filling a 65,536-cell square.
std::uint32_t HilbertKey(std::uint32_t x, std::uint32_t y)
{
    std::uint32_t d = 0;
    for (std::uint32_t s = 1u << 15; s > 0; s >>= 1) {
        const std::uint32_t rx = (x & s) ? 1 : 0, ry = (y & s) ? 1 : 0;
        d += s * s * ((3 * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = s - 1 - (x & (s - 1));
                y = s - 1 - (y & (s - 1));
            }
            std::swap(x, y);
        }
    }
    return d;
}

} // namespace

TSpatialIndex::TSpatialIndex(const TDrawingObjects &doc)
    : m_doc(doc)
{
    const std::size_t n = doc.Count();
    assert(n < std::numeric_limits<std::uint32_t>::max());
    // Every object tells its own hit rectangle; the handle size is read once for all of them.
    const std::int64_t esize = Globals().Esize;
    m_entries.reserve(n);
    // Nodes, horizontal pieces, vertical pieces and the other pieces are packed apart: a leaf of
    // pieces lying in one row or column stays as thin as they are, and small nodes do not share
    // leaves with the long rectangles of pieces around them.
    auto groupOf = [](const TDrawingObject &obj) {
        if (obj.Kind() != okArc)
            return gNodes;
        if (obj.Height() == 0)
            return gRows;
        return obj.Width() == 0 ? gColumns : gOther;
    };
    for (TGroup group : { gNodes, gRows, gColumns, gOther }) {
        const std::size_t first = m_entries.size();
        for (std::size_t i = 0; i < n; ++i) {
            const TDrawingObject &obj = *doc.Object(i);
            if (groupOf(obj) != group)
                continue;
            const THitBox box = obj.HitBox(esize);
            if (!IsEmpty(box))
                m_entries.push_back({ box, std::uint32_t(i), std::uint8_t(obj.Kind()) });
        }
        if (first < m_entries.size())
            m_roots.push_back(Pack(first, m_entries.size(), group));
    }
}

std::uint32_t TSpatialIndex::Pack(std::size_t first, std::size_t last, TGroup group)
{
    THitBox all = m_entries[first].box;
    for (std::size_t i = first; i < last; ++i)
        all = Union(all, m_entries[i].box);
    // A centre made of halved ends can fall one unit outside the bounds; it only orders.
    auto scaled = [](std::int64_t v, std::int64_t lo, std::int64_t hi) {
        return hi == lo
            ? 0u
            : std::uint32_t(double(std::clamp(v, lo, hi) - lo) / double(hi - lo) * 65535.0);
    };
    std::vector<std::pair<std::uint32_t, Entry>> keyed;
    keyed.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const THitBox &b = m_entries[i].box;
        const std::int64_t cx = b.x1 / 2 + b.x2 / 2, cy = b.y1 / 2 + b.y2 / 2;
        keyed.push_back(
            { HilbertKey(scaled(cx, all.x1, all.x2), scaled(cy, all.y1, all.y2)), m_entries[i] });
    }
    auto rowOrder = [](const auto &a, const auto &b) {
        return std::tie(a.second.box.y1, a.second.box.x1)
            < std::tie(b.second.box.y1, b.second.box.x1);
    };
    auto columnOrder = [](const auto &a, const auto &b) {
        return std::tie(a.second.box.x1, a.second.box.y1)
            < std::tie(b.second.box.x1, b.second.box.y1);
    };
    if (group == gRows)
        std::sort(keyed.begin(), keyed.end(), rowOrder);
    else if (group == gColumns)
        std::sort(keyed.begin(), keyed.end(), columnOrder);
    else
        std::sort(keyed.begin(), keyed.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = first; i < last; ++i)
        m_entries[i] = keyed[i - first].second;

    // Leaves over the entries, then each level over the one below, until one node is left.
    auto add = [](TreeNode &node, const THitBox &box, std::uint32_t least, std::uint32_t most,
                   std::uint8_t kinds) {
        node.box = Union(node.box, box);
        node.minIndex = std::min(node.minIndex, least);
        node.maxIndex = std::max(node.maxIndex, most);
        node.kinds |= kinds;
    };
    std::size_t level = m_tree.size();
    for (std::size_t i = first; i < last; i += kFanout) {
        const Entry &head = m_entries[i];
        TreeNode leaf { head.box, head.index, head.index, std::uint32_t(i),
            std::uint32_t(std::min(kFanout, last - i)), head.kind, true };
        for (std::size_t k = i + 1; k < i + leaf.count; ++k)
            add(leaf, m_entries[k].box, m_entries[k].index, m_entries[k].index, m_entries[k].kind);
        m_tree.push_back(leaf);
    }
    while (m_tree.size() - level > 1) {
        const std::size_t below = level, end = m_tree.size();
        level = end;
        for (std::size_t i = below; i < end; i += kFanout) {
            TreeNode node = m_tree[i];
            node.first = std::uint32_t(i);
            node.count = std::uint32_t(std::min(kFanout, end - i));
            node.leaf = false;
            for (std::size_t k = i + 1; k < i + node.count; ++k) {
                const TreeNode &child = m_tree[k];
                add(node, child.box, child.minIndex, child.maxIndex, child.kinds);
            }
            m_tree.push_back(node);
        }
    }
    return std::uint32_t(m_tree.size() - 1);
}

std::size_t TSpatialIndex::Search(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    std::uint32_t start, const TDrawingObject *exclude, std::uint32_t *found, std::size_t k) const
{
    // found[0..hits) holds the smallest indices met so far, ascending; only an index below the
    // k-th can still matter.
    std::size_t hits = 0;
    const auto none = std::uint32_t(m_doc.Count());
    auto bound = [&] { return hits < k ? none : found[k - 1]; };
    // Depth first, the children of a tree node taken in the order of the smallest index they may
    // hold: a stack of open tree nodes, the next to take on top.
    using Open = std::pair<std::uint32_t, std::uint32_t>;
    m_open.clear();
    auto push = [&](std::uint32_t first, std::uint32_t count) {
        const std::size_t base = m_open.size();
        for (std::uint32_t id = first; id < first + count; ++id) {
            const TreeNode &node = m_tree[id];
            const std::uint32_t least = std::max(node.minIndex, start);
            if ((node.kinds & kindMask) && node.maxIndex >= start && least < bound()
                && node.box.Contains(x, y))
                m_open.emplace_back(least, id);
        }
        std::sort(m_open.begin() + std::ptrdiff_t(base), m_open.end(), std::greater<Open>());
    };
    for (std::uint32_t root : m_roots)
        push(root, 1);
    std::sort(m_open.begin(), m_open.end(), std::greater<Open>());
    while (!m_open.empty()) {
        const auto [least, id] = m_open.back();
        m_open.pop_back();
        if (least >= bound())
            continue;
        const TreeNode &node = m_tree[id];
        if (!node.leaf) {
            push(node.first, node.count);
            continue;
        }
        for (std::uint32_t c = node.first; c < node.first + node.count; ++c) {
            const Entry &e = m_entries[c];
            if (e.index < start || e.index >= bound() || !(e.kind & kindMask)
                || !e.box.Contains(x, y) || (exclude && m_doc.Object(e.index) == exclude))
                continue;
            std::size_t at = std::min(hits, k - 1);
            for (; at > 0 && found[at - 1] > e.index; --at)
                found[at] = found[at - 1];
            found[at] = e.index;
            hits = std::min(hits + 1, k);
        }
    }
    return hits;
}

TDrawingObject *TSpatialIndex::FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    std::size_t &startIndex, const TDrawingObject *exclude) const
{
    if (startIndex >= m_doc.Count())
        return nullptr;
    std::uint32_t found = 0;
    if (!Search(x, y, kindMask, std::uint32_t(startIndex), exclude, &found, 1))
        return nullptr;
    startIndex = found;
    return m_doc.Object(found);
}

std::size_t TSpatialIndex::FindFirstAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    TDrawingObject **found, std::size_t k) const
{
    std::uint32_t indices[kMaxFound];
    k = std::min(k, kMaxFound);
    const std::size_t hits = Search(x, y, kindMask, 0, nullptr, indices, k);
    for (std::size_t i = 0; i < hits; ++i)
        found[i] = m_doc.Object(indices[i]);
    return hits;
}

} // namespace morvane
