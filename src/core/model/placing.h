// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"

#include <cstdint>
#include <string>

namespace morvane {

// Document operations that place new objects the way the editor does: the wizard, the clipboard
// and importers call them as the net window does. The new object is drawn on the document's
// canvas when it has one.

// The nearest grid line when snapping is on; the value itself otherwise.
std::int32_t SnapX(std::int32_t x);
std::int32_t SnapY(std::int32_t y);

// "L<n>" and "Z<n>" with the next number of the host's position or transition counter.
std::string NextPositionLabel(TDrawingObjects &net);
std::string NextTransitionLabel(TDrawingObjects &net);

// A position labelled "L<n>" from the host's position counter, at the snapped point.
TPosition &PlacePosition(TDrawingObjects &net, std::int32_t x, std::int32_t y);
TPosition &PlacePosition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label);
// A transition labelled "Z<n>" from the host's transition counter, at the snapped point.
TTransition &PlaceTransition(TDrawingObjects &net, std::int32_t x, std::int32_t y);
TTransition &PlaceTransition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label);
// A straight piece between two points taken as they are, arrowed when its end lies on a node;
// nothing (null) when the points coincide.
TArc *AddArcPieceAt(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// The same between the two snapped points.
TArc *AddArcPiece(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The object information text for the object at a net point (connections are rebuilt first);
// empty over an empty spot. Its lines are parted by "\n\r" or "\r\n", each one line break.
std::string ObjectInfo(TDrawingObjects &net, std::int32_t x, std::int32_t y);

} // namespace morvane
