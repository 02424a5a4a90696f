// SPDX-License-Identifier: MIT
#include "model/spatial_index.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>

namespace morvane {

namespace {

// An object touching more cells than this is kept out of the grid; a net has few of them (very
// long arc pieces at a high zoom), and listing them once is cheaper than in hundreds of cells.
constexpr std::int64_t kMaxCellsPerObject = 256;
constexpr int kMinShift = 3;
constexpr int kMaxShift = 24;
// Cell numbers stay far inside 32 bits (coordinates are 32-bit, the widening is small), so a
// cell column of INT32_MIN never occurs and can mark empty hash slots.
constexpr std::uint64_t kEmptyKey = std::uint64_t(0x80000000u) << 32;

} // namespace

bool TSpatialIndex::BoundingBox(const TDrawingObject &obj, Box &box)
{
    const std::int64_t l = obj.Left(), t = obj.Top(), r = obj.Right(), b = obj.Bottom();
    if (obj.Kind() == okArc) {
        // Covers both widenings ContainsPoint may apply, whatever Width and Height say.
        const std::int64_t e = std::max<std::int64_t>(Globals().Esize, 0);
        box = { std::min(l, r) - e, std::min(t, b) - e, std::max(l, r) + e, std::max(t, b) + e };
        return true;
    }
    box = { l, t, r, b };
    return l <= r && t <= b;
}

std::uint64_t TSpatialIndex::CellKey(std::int32_t cx, std::int32_t cy)
{
    return (std::uint64_t(std::uint32_t(cx)) << 32) | std::uint64_t(std::uint32_t(cy));
}

std::size_t TSpatialIndex::FindSlot(std::uint64_t key) const
{
    std::size_t slot = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & m_mask;
    while (m_slots[slot].key != key && m_slots[slot].key != kEmptyKey)
        slot = (slot + 1) & m_mask;
    return slot;
}

void TSpatialIndex::Grow()
{
    std::vector<Slot> old(m_slots.size() * 2, Slot { kEmptyKey, 0 });
    old.swap(m_slots);
    m_mask = m_slots.size() - 1;
    for (const Slot &slot : old)
        if (slot.key != kEmptyKey)
            m_slots[FindSlot(slot.key)] = slot;
}

std::uint32_t TSpatialIndex::AddBucket(std::int32_t cx, std::int32_t cy)
{
    if (m_dense)
        return std::uint32_t((cx - m_cx0) * m_rows + (cy - m_cy0));
    const std::uint64_t key = CellKey(cx, cy);
    std::size_t slot = FindSlot(key);
    if (m_slots[slot].key == kEmptyKey) {
        if ((m_bucketStart.size() + 1) * 2 > m_slots.size()) {
            Grow();
            slot = FindSlot(key);
        }
        m_slots[slot] = { key, std::uint32_t(m_bucketStart.size()) };
        m_bucketStart.push_back(0);
    }
    return m_slots[slot].bucket;
}

bool TSpatialIndex::FindBucket(std::int32_t cx, std::int32_t cy, std::uint32_t &bucket) const
{
    if (m_dense) {
        const std::int64_t column = cx - m_cx0, row = cy - m_cy0;
        if (column < 0 || column >= m_columns || row < 0 || row >= m_rows)
            return false;
        bucket = std::uint32_t(column * m_rows + row);
        return true;
    }
    if (m_slots.empty())
        return false;
    const Slot &slot = m_slots[FindSlot(CellKey(cx, cy))];
    bucket = slot.bucket;
    return slot.key != kEmptyKey;
}

TSpatialIndex::TSpatialIndex(const TDrawingObjects &doc)
    : m_doc(doc)
{
    const std::size_t n = doc.Count();
    assert(n < 0xFFFFFFFFu);
    m_kinds.resize(n);
    std::vector<std::int64_t> sizes;
    sizes.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TDrawingObject &obj = *doc.Object(i);
        m_kinds[i] = obj.Kind();
        Box b;
        if (BoundingBox(obj, b))
            sizes.push_back(std::max(b.x2 - b.x1, b.y2 - b.y1) + 1);
    }
    // The cell follows the typical object size, so a node touches a few cells at any zoom.
    if (!sizes.empty()) {
        auto middle = sizes.begin() + std::ptrdiff_t(sizes.size() / 2);
        std::nth_element(sizes.begin(), middle, sizes.end());
        const auto typical = std::uint64_t(std::clamp<std::int64_t>(*middle, 1, 1ll << kMaxShift));
        m_shift = std::clamp(int(std::bit_width(typical - 1)), kMinShift, kMaxShift);
    }
    sizes = {};

    std::vector<CellRange> ranges(n);
    std::int64_t cx0 = std::numeric_limits<std::int64_t>::max(), cy0 = cx0;
    std::int64_t cx1 = std::numeric_limits<std::int64_t>::min(), cy1 = cx1;
    std::size_t pairs = 0;
    for (std::size_t i = 0; i < n; ++i) {
        Box b;
        if (!BoundingBox(*doc.Object(i), b))
            continue;
        const CellRange r { std::int32_t(b.x1 >> m_shift), std::int32_t(b.y1 >> m_shift),
            std::int32_t(b.x2 >> m_shift), std::int32_t(b.y2 >> m_shift) };
        const std::int64_t cells
            = (std::int64_t(r.cx1) - r.cx0 + 1) * (std::int64_t(r.cy1) - r.cy0 + 1);
        if (cells > kMaxCellsPerObject) {
            m_large.push_back(std::uint32_t(i));
            continue;
        }
        ranges[i] = r;
        pairs += std::size_t(cells);
        cx0 = std::min<std::int64_t>(cx0, r.cx0);
        cy0 = std::min<std::int64_t>(cy0, r.cy0);
        cx1 = std::max<std::int64_t>(cx1, r.cx1);
        cy1 = std::max<std::int64_t>(cy1, r.cy1);
    }
    if (pairs == 0)
        return;

    const std::int64_t columns = cx1 - cx0 + 1, rows = cy1 - cy0 + 1;
    const std::int64_t denseLimit = std::max<std::int64_t>(4096, 4 * std::int64_t(n));
    m_dense = columns <= denseLimit && rows <= denseLimit && columns * rows <= denseLimit;
    if (m_dense) {
        m_cx0 = cx0;
        m_cy0 = cy0;
        m_columns = columns;
        m_rows = rows;
        m_bucketStart.assign(std::size_t(columns * rows), 0);
    } else {
        m_slots.assign(std::bit_ceil(std::max<std::size_t>(64, n / 2)), Slot { kEmptyKey, 0 });
        m_mask = m_slots.size() - 1;
    }

    // Bucket sizes, then offsets, then the entries in ascending object order.
    for (const CellRange &r : ranges)
        for (std::int32_t cx = r.cx0; cx <= r.cx1; ++cx)
            for (std::int32_t cy = r.cy0; cy <= r.cy1; ++cy)
                ++m_bucketStart[AddBucket(cx, cy)];
    std::uint32_t offset = 0;
    for (auto &start : m_bucketStart) {
        const std::uint32_t size = start;
        start = offset;
        offset += size;
    }
    m_bucketStart.push_back(offset);
    std::vector<std::uint32_t> cursor(m_bucketStart.begin(), m_bucketStart.end() - 1);
    m_entries.resize(pairs);
    for (std::size_t i = 0; i < n; ++i) {
        const CellRange &r = ranges[i];
        for (std::int32_t cx = r.cx0; cx <= r.cx1; ++cx)
            for (std::int32_t cy = r.cy0; cy <= r.cy1; ++cy) {
                std::uint32_t bucket = 0;
                FindBucket(cx, cy, bucket);
                m_entries[cursor[bucket]++] = std::uint32_t(i);
            }
    }
}

TDrawingObject *TSpatialIndex::FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    std::size_t &startIndex, const TDrawingObject *exclude) const
{
    assert(m_kinds.size() == m_doc.Count());
    const std::size_t none = m_kinds.size();
    std::size_t best = none;
    auto accept = [&](std::uint32_t i) {
        if (!(m_kinds[i] & kindMask))
            return false;
        const TDrawingObject *obj = m_doc.Object(i);
        return obj != exclude && obj->ContainsPoint(x, y);
    };

    std::uint32_t bucket = 0;
    if (FindBucket(std::int32_t(std::int64_t(x) >> m_shift),
            std::int32_t(std::int64_t(y) >> m_shift), bucket)) {
        const auto first = m_entries.begin() + m_bucketStart[bucket];
        const auto last = m_entries.begin() + m_bucketStart[bucket + 1];
        for (auto it = std::lower_bound(first, last, startIndex); it != last; ++it)
            if (accept(*it)) {
                best = *it;
                break;
            }
    }
    for (auto it = std::lower_bound(m_large.begin(), m_large.end(), startIndex);
         it != m_large.end() && *it < best; ++it)
        if (accept(*it)) {
            best = *it;
            break;
        }

    if (best == none)
        return nullptr;
    startIndex = best;
    return m_doc.Object(best);
}

} // namespace morvane
