// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"

#include <cstdint>

namespace morvane {

// The program's own clipboard is a document of copies. Copies of arc pieces carry no links, so
// nothing in the clipboard refers to an object outside it, and it outlives the net it came from.

// In its own undo step, the net's selected objects (not the marked ones) go into the emptied
// clipboard and leave the net.
void CutSelection(TDrawingObjects &net, TDrawingObjects &clip);
// The net's selected and marked objects are copied into the emptied clipboard; the caller then
// pastes, so that a copy also leaves a duplicate at once.
void CopySelection(TDrawingObjects &net, TDrawingObjects &clip);
// The clipboard's objects move (dx, dy) further and are copied into the net, selected alone,
// positions and transitions labelled from the net's counters, arcs connected where they land.
// Two undo steps: the deselection, then the creations.
void PasteClip(TDrawingObjects &net, TDrawingObjects &clip, std::int32_t dx, std::int32_t dy);

} // namespace morvane
