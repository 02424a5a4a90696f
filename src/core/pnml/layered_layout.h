// SPDX-License-Identifier: MIT
#pragma once

#include "pnml/pnml_layout.h"

namespace morvane {

// The nodes without a centre in layers along the arcs between them.
struct TPnmlLayers
{
    // Layer of each node (of the unplaced ones; the others are left out).
    std::vector<std::size_t> Layer;
    // The unplaced nodes in the order they were reached: connected nodes come together.
    std::vector<std::size_t> Order;
};

// Layers by breadth-first search, linear in the net's size.
TPnmlLayers LayerUnplaced(const TPnmlNet &net, const TPnmlPlacement &placement);

// A simple layered placement in linear time, for nets too large for Graphviz: every node without
// a centre gets one in its layer, the first layer at x = 0 and the top row at y = 0. Spacing is
// in net pixels.
void LayOutInLayers(const TPnmlLayers &layers, TPnmlPlacement &placement, double spacing);

} // namespace morvane
