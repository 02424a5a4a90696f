// SPDX-License-Identifier: MIT
#pragma once

#include "pnml/pnml_net.h"

#include <vector>

namespace morvane {

// Node centres in net pixels; Placed says which nodes have one already.
struct TPnmlPlacement
{
    std::vector<TPnmlPoint> Centres;
    std::vector<bool> Placed;
    // Bend points in net pixels by arc, for arcs between laid-out nodes that the layout routed.
    std::vector<std::vector<TPnmlPoint>> Bends;
};

// Gives every node that has no centre yet one, in layers from left to right along the arcs, to
// the right of the nodes that have one (which never move): with Graphviz where the nodes to place
// are few enough for it to take a moment, else with a simple layered placement. Spacing is in net
// pixels. Returns how many nodes were placed.
std::size_t LayOutUnplaced(const TPnmlNet &net, TPnmlPlacement &placement, double spacing);

} // namespace morvane
