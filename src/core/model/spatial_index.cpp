// SPDX-License-Identifier: MIT
#include "model/spatial_index.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <limits>
#include <utility>

namespace morvane {

namespace {

constexpr std::size_t kFanout = 16;
// The open tree nodes of one look-up: the roots, and the siblings along the deepest way down,
// eight levels with 2^32 objects at most.
constexpr std::size_t kMaxOpen = 4 + kFanout * 8;

bool IsEmpty(const THitBox &b)
{
    return b.x1 > b.x2 || b.y1 > b.y2;
}

// Entries are ordered on a square grid of kSide by kSide cells: kKeyBits for a cell, two more
// for the group above them, and the position of the entry below.
constexpr std::uint32_t kSide = 1u << 15;
constexpr int kKeyBits = 30;

// Position of a cell along the Hilbert curve filling the grid.
std::uint32_t HilbertKey(std::uint32_t x, std::uint32_t y)
{
    std::uint32_t d = 0;
    for (std::uint32_t s = kSide / 2; s > 0; s >>= 1) {
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

// Sorts numbers by their high 32 bits, equal ones kept in their order: three passes of 11 bits.
void SortByHighWord(std::vector<std::uint64_t> &numbers)
{
    constexpr int kDigit = 11;
    std::vector<std::uint64_t> other(numbers.size());
    for (int shift = 32; shift < 64; shift += kDigit) {
        std::array<std::size_t, 1u << kDigit> at {};
        for (const std::uint64_t v : numbers)
            ++at[(v >> shift) & (at.size() - 1)];
        std::size_t sum = 0;
        for (std::size_t &a : at)
            sum += std::exchange(a, sum);
        for (const std::uint64_t v : numbers)
            other[at[(v >> shift) & (at.size() - 1)]++] = v;
        numbers.swap(other);
    }
}

// Sorts the children [first, first + count) of one tree node by their smallest index.
template <class Item, class Key> void SortSmall(Item *first, std::size_t count, Key key)
{
    for (std::size_t i = 1; i < count; ++i) {
        const Item item = first[i];
        std::size_t at = i;
        for (; at > 0 && key(first[at - 1]) > key(item); --at)
            first[at] = first[at - 1];
        first[at] = item;
    }
}

} // namespace

TSpatialIndex::TSpatialIndex(const TDrawingObjects &doc)
    : m_doc(doc)
{
    const std::size_t n = doc.Count();
    assert(n < (1u << 29));
    // Nodes, horizontal pieces, vertical pieces and the other pieces are packed apart: a leaf of
    // pieces lying in one row or column stays as thin as they are, and small nodes do not share
    // leaves with the long rectangles of pieces around them.
    enum TGroup : std::uint8_t { gNodes, gRows, gColumns, gOther, kGroups };
    // Per entry, its group and sort key above its position, sorted as plain numbers.
    std::vector<std::uint64_t> order;
    order.reserve(n);
    m_entries.reserve(n);
    std::array<std::size_t, kGroups> sizes {};
    std::array<Box, kGroups> bounds {};
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    // Every object tells its own hit rectangle; the handle size is read once for all of them.
    const std::int64_t esize = Globals().Esize;
    for (std::size_t i = 0; i < n; ++i) {
        const TDrawingObject &obj = *doc.Object(i);
        THitBox hit = obj.HitBox(esize);
        hit = { std::max(hit.x1, lowest), std::max(hit.y1, lowest), std::min(hit.x2, highest),
            std::min(hit.y2, highest) };
        if (IsEmpty(hit))
            continue;
        const Box box { std::int32_t(hit.x1), std::int32_t(hit.y1), std::int32_t(hit.x2),
            std::int32_t(hit.y2) };
        const TGroup group = obj.Kind() != okArc ? gNodes
            : obj.Height() == 0                  ? gRows
            : obj.Width() == 0                   ? gColumns
                                                 : gOther;
        Box &all = bounds[group];
        all = sizes[group]++ == 0 ? box
                                  : Box { std::min(all.x1, box.x1), std::min(all.y1, box.y1),
                                        std::max(all.x2, box.x2), std::max(all.y2, box.y2) };
        order.push_back(std::uint64_t(group) << kKeyBits << 32 | m_entries.size());
        m_entries.push_back({ box, std::uint32_t(i), std::uint8_t(obj.Kind()) });
    }

    // Rows by their top and left side, columns by their left and top side, the rest by centre
    // along the Hilbert curve, each on a grid of kSide cells over the group's bounds.
    auto scaled = [](std::int64_t v, std::int32_t lo, std::int32_t hi) {
        return hi == lo ? 0u : std::uint32_t(double(v - lo) / (double(hi) - lo) * (kSide - 1));
    };
    for (std::uint64_t &o : order) {
        const auto group = TGroup(o >> 32 >> kKeyBits);
        const Box &b = m_entries[std::uint32_t(o)].box;
        const Box &all = bounds[group];
        const std::uint32_t x = scaled(b.x1, all.x1, all.x2), y = scaled(b.y1, all.y1, all.y2);
        std::uint32_t key = 0;
        if (group == gRows) {
            key = y * kSide + x;
        } else if (group == gColumns) {
            key = x * kSide + y;
        } else {
            const std::int64_t cx = (std::int64_t(b.x1) + b.x2) / 2;
            const std::int64_t cy = (std::int64_t(b.y1) + b.y2) / 2;
            key = HilbertKey(scaled(cx, all.x1, all.x2), scaled(cy, all.y1, all.y2));
        }
        o |= std::uint64_t(key) << 32;
    }
    // Positions ascend, so equal keys keep them ascending.
    SortByHighWord(order);
    // Entries into that order in place, one cycle of the permutation after the other.
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (std::uint32_t(order[i]) == i)
            continue;
        const Entry held = m_entries[i];
        std::size_t j = i;
        for (;;) {
            const std::size_t from = std::uint32_t(order[j]);
            order[j] = j;
            if (from == i) {
                m_entries[j] = held;
                break;
            }
            m_entries[j] = m_entries[from];
            j = from;
        }
    }
    order = {};

    std::size_t first = 0;
    for (std::size_t size : sizes) {
        if (size)
            m_roots.push_back(Pack(first, first + size));
        first += size;
    }
    std::sort(m_roots.begin(), m_roots.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_tree[a].minIndex < m_tree[b].minIndex;
    });
}

std::uint32_t TSpatialIndex::Pack(std::size_t first, std::size_t last)
{
    // Leaves over the entries, then each level over the one below, until one node is left.
    auto add = [](TreeNode &node, const Box &box, std::uint32_t least, std::uint32_t most,
                   std::uint8_t kinds) {
        node.box = { std::min(node.box.x1, box.x1), std::min(node.box.y1, box.y1),
            std::max(node.box.x2, box.x2), std::max(node.box.y2, box.y2) };
        node.minIndex = std::min(node.minIndex, least);
        node.maxIndex = std::max(node.maxIndex, most);
        node.kinds |= kinds;
    };
    std::size_t level = m_tree.size();
    for (std::size_t i = first; i < last; i += kFanout) {
        const auto count = std::uint8_t(std::min(kFanout, last - i));
        SortSmall(&m_entries[i], count, [](const Entry &e) { return e.index; });
        const Entry &head = m_entries[i];
        TreeNode leaf { head.box, head.index, head.index, std::uint32_t(i), count,
            std::uint8_t(head.kind), true };
        for (std::size_t k = i + 1; k < i + count; ++k)
            add(leaf, m_entries[k].box, m_entries[k].index, m_entries[k].index, m_entries[k].kind);
        m_tree.push_back(leaf);
    }
    while (m_tree.size() - level > 1) {
        const std::size_t below = level, end = m_tree.size();
        level = end;
        for (std::size_t i = below; i < end; i += kFanout) {
            const auto count = std::uint8_t(std::min(kFanout, end - i));
            SortSmall(&m_tree[i], count, [](const TreeNode &t) { return t.minIndex; });
            TreeNode node = m_tree[i];
            node.first = std::uint32_t(i);
            node.count = count;
            node.leaf = false;
            for (std::size_t k = i + 1; k < i + count; ++k) {
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
    // bound can still matter.
    std::size_t hits = 0;
    std::uint32_t bound = std::uint32_t(m_doc.Count());
    // Depth first, the children of a tree node taken in the order of the smallest index they may
    // hold: a stack of open tree nodes, the next to take on top, with the least index each may
    // hold.
    struct Open
    {
        std::uint32_t least, id;
    };
    std::array<Open, kMaxOpen> open;
    std::size_t top = 0;
    // Children are ascending by smallest index, so pushed from the last they come out ascending.
    auto push = [&](std::uint32_t first, std::uint32_t count) {
        for (std::uint32_t id = first + count; id-- > first;) {
            const TreeNode &node = m_tree[id];
            const std::uint32_t least = std::max(node.minIndex, start);
            if ((node.kinds & kindMask) && node.maxIndex >= start && least < bound
                && node.box.Contains(x, y)) {
                assert(top < kMaxOpen);
                open[top++] = { least, id };
            }
        }
    };
    for (std::size_t r = m_roots.size(); r-- > 0;)
        push(m_roots[r], 1);
    while (top > 0) {
        const Open taken = open[--top];
        if (taken.least >= bound)
            continue;
        const TreeNode &node = m_tree[taken.id];
        if (!node.leaf) {
            push(node.first, node.count);
            continue;
        }
        const Entry *e = &m_entries[node.first];
        for (const Entry *end = e + node.count; e != end && e->index < bound; ++e) {
            if (e->index < start || !(e->kind & kindMask) || !e->box.Contains(x, y)
                || (exclude && m_doc.Object(e->index) == exclude))
                continue;
            std::size_t at = std::min(hits, k - 1);
            for (; at > 0 && found[at - 1] > e->index; --at)
                found[at] = found[at - 1];
            found[at] = e->index;
            hits = std::min(hits + 1, k);
            if (hits == k)
                bound = found[k - 1];
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
    std::uint32_t *found, std::size_t k) const
{
    return Search(x, y, kindMask, 0, nullptr, found, std::min(k, kMaxFound));
}

} // namespace morvane
