// SPDX-License-Identifier: MIT
#include "pnml/pnml_layout.h"
#include "support/globals_fixture.h"

#include "options/display_globals.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace morvane {
namespace {

class PnmlLayout : public test::GlobalsTest
{
};

// A ring of place -> transition -> place ... with a chord from every fourth place.
TPnmlNet Ring(std::size_t nodes)
{
    TPnmlNet net;
    net.Nodes.resize(nodes);
    const auto arc = [&net](std::size_t from, std::size_t to) {
        net.Arcs.emplace_back();
        net.Arcs.back().Source = from;
        net.Arcs.back().Target = to;
    };
    for (std::size_t i = 0; i < nodes; ++i) {
        net.Nodes[i].IsPlace = i % 2 == 0;
        arc(i, (i + 1) % nodes);
        if (i % 4 == 0)
            arc(i, (i + 7) % nodes);
    }
    return net;
}

// Small nets go through Graphviz, large ones through the layered placement: either way every
// node gets a centre, no two nodes overlap, and nodes that had a centre keep it.
TEST_F(PnmlLayout, PlacesEveryNodeApartAndKeepsFixedOnes)
{
    const TDisplayGlobals &g = Globals();
    for (const std::size_t size : { std::size_t(40), std::size_t(8000) }) {
        SCOPED_TRACE(size);
        const TPnmlNet net = Ring(size);
        TPnmlPlacement placement;
        placement.Centres.resize(size);
        placement.Placed.resize(size, false);
        const TPnmlPoint fixed[] = { { 400, 200 }, { 560, 200 } };
        for (std::size_t i = 0; i < 2; ++i) {
            placement.Centres[i] = fixed[i];
            placement.Placed[i] = true;
        }
        EXPECT_EQ(LayOutUnplaced(net, placement, 128), size - 2);
        EXPECT_TRUE(std::all_of(
            placement.Placed.begin(), placement.Placed.end(), [](bool b) { return b; }));
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(placement.Centres[i].X, fixed[i].X);
            EXPECT_EQ(placement.Centres[i].Y, fixed[i].Y);
        }
        struct Box
        {
            double Left, Top, Right, Bottom;
        };
        std::vector<Box> boxes;
        for (std::size_t i = 0; i < size; ++i) {
            const double w = net.Nodes[i].IsPlace ? g.XPsize : g.XTsize;
            const double h = net.Nodes[i].IsPlace ? g.YPsize : g.YTsize;
            const TPnmlPoint c = placement.Centres[i];
            boxes.push_back({ c.X - w / 2, c.Y - h / 2, c.X + w / 2, c.Y + h / 2 });
        }
        std::sort(
            boxes.begin(), boxes.end(), [](const Box &a, const Box &b) { return a.Left < b.Left; });
        std::size_t overlaps = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size() && boxes[j].Left < boxes[i].Right; ++j)
                overlaps += boxes[j].Top < boxes[i].Bottom && boxes[i].Top < boxes[j].Bottom;
        EXPECT_EQ(overlaps, 0u);
    }
}

} // namespace
} // namespace morvane
