// SPDX-License-Identifier: MIT
#pragma once

#include "pnml/pnml_layout.h"

namespace morvane {

// How much work the layered engine has with the nodes that have no centre yet: their number
// plus the ranks their arcs cross, ranked as the engine starts (circles broken where a
// depth-first search closes them, then each node one rank after the furthest before it). Its
// time grows faster than linearly with this.
std::size_t DotWork(const TPnmlNet &net, const TPnmlPlacement &placement);

// Lays out the nodes that have no centre yet with Graphviz's layered engine, left to right along
// the arcs between them, the drawing's top left corner at (0, 0); the other nodes are left out.
// Quick: with fewer rounds of improvement, for nets where the full rounds take long. Graphviz
// says nothing on standard output or error. Returns false, placing nothing, when it fails.
bool LayOutWithDot(const TPnmlNet &net, TPnmlPlacement &placement, double spacing, bool quick);

} // namespace morvane
