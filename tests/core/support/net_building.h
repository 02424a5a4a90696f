// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"
#include "model/undo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace morvane::test {

// An arc piece from (x1, y1) to (x2, y2), linked to nothing yet.
inline std::shared_ptr<TArc> AddPiece(TDrawingObjects &doc, std::int32_t x1, std::int32_t y1,
    std::int32_t x2, std::int32_t y2, bool arrowed = false)
{
    auto arc = doc.Add<TArc>();
    arc->SetLeft(x1);
    arc->SetTop(y1);
    arc->SetRight(x2);
    arc->SetBottom(y2);
    arc->UpdateExtent();
    arc->Arrowed = arrowed;
    return arc;
}

// A node of class T placed with its top left corner at (x, y).
template <class T>
std::shared_ptr<T> PlaceNode(
    TDrawingObjects &doc, std::int32_t x, std::int32_t y, const std::string &label = "")
{
    auto node = doc.Add<T>();
    node->Place(x, y, label);
    return node;
}

// How many records of the kind the document's current undo step holds.
inline std::size_t RecordsOfStep(const TDrawingObjects &doc, std::uint8_t kind)
{
    std::size_t n = 0;
    for (const auto &r : doc.UndoList())
        n += r->Step == doc.UndoStep && r->Kind == kind;
    return n;
}

// The labels of the positions and transitions in component order.
inline std::vector<std::string> NodeLabels(const TDrawingObjects &doc)
{
    std::vector<std::string> labels;
    for (const auto &o : doc.Objects())
        if (o->Kind() != okArc)
            labels.push_back(o->selfLabel());
    return labels;
}

} // namespace morvane::test
