// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

class TDrawingObject;
class TDrawingObjects;

// A snapshot of where the objects of a document lie, for passes that look up many points (the
// connection of every arc end). It answers exactly like TDrawingObjects::FindNextAt as long as no
// object moves, joins or leaves the document while it is in use.
//
// Objects are bucketed by the cells of a uniform grid that their bounding box touches; a cell is
// a power of two pixels wide, chosen from the typical object size. The cells form a plain array
// when the drawing is compact and are hashed when it is spread far (a hostile file), so distant
// objects cost nothing; an object spanning very many cells goes to a short list that every query
// scans. Each bucket lists component indices in ascending order, so the first candidate that
// really contains the point (asked of the object itself) is the one a plain scan would find.
class TSpatialIndex
{
public:
    explicit TSpatialIndex(const TDrawingObjects &doc);

    // The first object at or after startIndex, of a kind in the mask, other than exclude, whose
    // ContainsPoint is true; stores its index in startIndex. Sets the hit counter to 1 or 0.
    TDrawingObject *FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
        std::size_t &startIndex, const TDrawingObject *exclude) const;

private:
    struct Box
    {
        std::int64_t x1, y1, x2, y2; // inclusive, in pixels
    };
    // Inclusive cell numbers; empty (cx1 < cx0) for an object kept out of the grid.
    struct CellRange
    {
        std::int32_t cx0 = 0, cy0 = 0, cx1 = -1, cy1 = -1;
    };
    struct Slot
    {
        std::uint64_t key;
        std::uint32_t bucket;
    };
    static bool BoundingBox(const TDrawingObject &obj, Box &box);
    static std::uint64_t CellKey(std::int32_t cx, std::int32_t cy);
    std::size_t FindSlot(std::uint64_t key) const;
    void Grow();
    // The bucket of a cell, made on first use while building.
    std::uint32_t AddBucket(std::int32_t cx, std::int32_t cy);
    bool FindBucket(std::int32_t cx, std::int32_t cy, std::uint32_t &bucket) const;

    const TDrawingObjects &m_doc;
    int m_shift = 6;
    std::vector<std::uint8_t> m_kinds;
    // Plain array of cells: bucket = (cx - m_cx0) * m_rows + (cy - m_cy0).
    bool m_dense = false;
    std::int64_t m_cx0 = 0, m_cy0 = 0, m_columns = 0, m_rows = 0;
    // Otherwise an open hash of the occupied cells, at most half full.
    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    // Bucket b holds m_entries[m_bucketStart[b] .. m_bucketStart[b + 1]).
    std::vector<std::uint32_t> m_bucketStart;
    std::vector<std::uint32_t> m_entries;
    std::vector<std::uint32_t> m_large;
};

} // namespace morvane
