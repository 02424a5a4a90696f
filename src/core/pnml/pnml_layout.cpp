// SPDX-License-Identifier: MIT
#include "pnml/pnml_layout.h"

#include "pnml/graphviz_layout.h"
#include "pnml/layered_layout.h"

#include <algorithm>

namespace morvane {

namespace {

// Graphviz's time grows faster than linearly with its work (see DotWork). Measured on generated
// nets (rings with chords, chains of modules) it took 0.2 s at a work of 2,000, 0.8 to 1.6 s at
// 4,000 to 5,500, 3.6 s at 8,000 and 10 s at 14,000; the largest sample net without its graphics
// (652 nodes, 1,152 arcs) does 3,500 in 0.4 s. Up to this limit a net is laid out within about two
// seconds; larger ones get the layered placement, which is linear.
constexpr std::size_t kGraphvizLimit = 6000;
// Up to this, Graphviz's full rounds of improvement, which draw with fewer crossings, take less
// than a second too.
constexpr std::size_t kThoroughLimit = 1000;

} // namespace

std::size_t LayOutUnplaced(const TPnmlNet &net, TPnmlPlacement &placement, double spacing)
{
    const TPnmlLayers layers = LayerUnplaced(net, placement);
    if (layers.Order.empty())
        return 0;
    const std::size_t work = DotWork(net, placement);
    if (work > kGraphvizLimit || !LayOutWithDot(net, placement, spacing, work > kThoroughLimit))
        LayOutInLayers(layers, placement, spacing);
    // To the right of the nodes that had a place.
    double x0 = spacing;
    std::vector<bool> moved(placement.Placed.size(), false);
    for (std::size_t i : layers.Order)
        moved[i] = true;
    for (std::size_t i = 0; i < placement.Placed.size(); ++i)
        if (!moved[i])
            x0 = std::max(x0, placement.Centres[i].X + 2 * spacing);
    const auto shift = [&](TPnmlPoint &p) {
        p.X += x0;
        p.Y += spacing;
    };
    for (std::size_t i : layers.Order)
        shift(placement.Centres[i]);
    for (auto &bends : placement.Bends)
        std::for_each(bends.begin(), bends.end(), shift);
    return layers.Order.size();
}

} // namespace morvane
