// SPDX-License-Identifier: MIT
#pragma once

#include "support/net_building.h"

#include "model/drawing_objects.h"

#include <cstdint>
#include <string>

namespace morvane::test::chains {

// An arc piece from (x1, y1) to (x2, y2), linked to nothing yet.
inline TArc *Segment(
    TDrawingObjects &doc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return AddPiece(doc, x1, y1, x2, y2).get();
}

// A position (32 x 32) or transition (32 x 80) with its top-left corner at (x, y).
template <class T>
T *Node(TDrawingObjects &doc, std::int32_t x, std::int32_t y, const std::string &label)
{
    auto node = doc.Add<T>();
    node->Place(x, y, label);
    return node.get();
}

} // namespace morvane::test::chains
