// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_object.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

class TDrawingObjects;

// A snapshot of where the objects of a document lie, for passes that look up many points (the
// connection of every arc end). It answers exactly like TDrawingObjects::FindNextAt as long as no
// object moves, joins or leaves the document while it is in use. Look-ups change nothing, so
// several threads may share one index.
//
// The objects' hit rectangles are packed into a bounding-box tree, nodes and arc pieces apart:
// leaves group neighbours along a Hilbert curve, and every tree node knows the smallest
// component index and the kinds below it. A look-up asks for the first object in component order,
// so it goes down the tree depth first, a node's children in the order of their smallest index,
// and passes over every node that cannot hold an earlier one than those found. A long piece that
// spans the whole net is one entry like any other, and a point under thousands of stacked objects
// still costs only the way to the first of them.
class TSpatialIndex
{
public:
    explicit TSpatialIndex(const TDrawingObjects &doc);

    // The first object at or after startIndex, of a kind in the mask, other than exclude, whose
    // ContainsPoint is true; stores its index in startIndex.
    TDrawingObject *FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
        std::size_t &startIndex, const TDrawingObject *exclude) const;

    // The component indices of the first k (at most kMaxFound) objects in component order, of a
    // kind in the mask, whose ContainsPoint is true, ascending; answers how many there are.
    static constexpr std::size_t kMaxFound = 4;
    std::size_t FindFirstAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
        std::uint32_t *found, std::size_t k) const;

private:
    // A hit rectangle cut to the coordinates a point can have: it holds the same points.
    struct Box
    {
        std::int32_t x1, y1, x2, y2;
        // Never asked of an empty box.
        bool Contains(std::int32_t x, std::int32_t y) const
        {
            return std::uint32_t(x) - std::uint32_t(x1) <= std::uint32_t(x2) - std::uint32_t(x1)
                && std::uint32_t(y) - std::uint32_t(y1) <= std::uint32_t(y2) - std::uint32_t(y1);
        }
    };
    // Twenty bytes: a document holds far fewer than 2^29 objects.
    struct Entry
    {
        Box box;
        std::uint32_t index : 29;
        std::uint32_t kind : 3;
    };
    // Children lie in ascending order of their smallest index: entries when leaf, else tree
    // nodes.
    struct TreeNode
    {
        Box box;
        std::uint32_t minIndex, maxIndex;
        std::uint32_t first;
        std::uint8_t count;
        std::uint8_t kinds;
        bool leaf;
    };
    // The smallest indices at or after start, ascending, into found; answers how many.
    std::size_t Search(std::int32_t x, std::int32_t y, std::uint8_t kindMask, std::uint32_t start,
        const TDrawingObject *exclude, std::uint32_t *found, std::size_t k) const;
    // Packs entries [first, last), in their order, into a tree; returns its root.
    std::uint32_t Pack(std::size_t first, std::size_t last);

    const TDrawingObjects &m_doc;
    std::vector<Entry> m_entries;
    std::vector<TreeNode> m_tree;
    // Ascending by smallest index.
    std::vector<std::uint32_t> m_roots;
};

} // namespace morvane
