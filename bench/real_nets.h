// SPDX-License-Identifier: MIT
#pragma once

// Nets with the geometry of two converted Model Checking Contest families, the kind that made
// the engine slower than linear:
// - modules in a row across a very wide page, each linked to one far transition by arcs whose
//   long slanted and horizontal pieces overlap the whole row (JoinFreeModules);
// - dense clusters of thousands of overlapping nodes with their arcs (ServersAndClients).
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <random>
#include <string>

namespace morvane::bench {

inline TArc &Piece(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    auto a = net.Add<TArc>();
    a->Init(Globals().ColorTable[19]);
    a->SetLeft(x1);
    a->SetTop(y1);
    a->SetRight(x2);
    a->SetBottom(y2);
    a->UpdateExtent();
    return *a;
}

struct TCentre
{
    std::int32_t x, y;
};

inline TCentre CentreOf(const TDrawingObject &node)
{
    return { node.Left() + (node.Right() - node.Left()) / 2,
        node.Top() + (node.Bottom() - node.Top()) / 2 };
}

// 48 objects per module: 5 positions, 8 transitions, 21 short arcs (8 of them with a corner)
// and two arcs to the far transition of three pieces each.
inline void BuildJoinFreeModules(TDrawingObjects &net, int modules)
{
    ResetGlobals();
    static const TCentre places[5]
        = { { 55, 190 }, { 265, 50 }, { 440, 170 }, { 255, 435 }, { 500, 330 } };
    static const TCentre transitions[8] = { { 90, 55 }, { 450, 60 }, { 205, 135 }, { 580, 180 },
        { 25, 450 }, { 125, 340 }, { 270, 285 }, { 375, 375 } };
    // Source and target: positions 0..4, transitions 5..12.
    static const int arcs[21][2] = { { 0, 5 }, { 8, 4 }, { 4, 11 }, { 11, 2 }, { 11, 1 }, { 11, 0 },
        { 0, 10 }, { 10, 3 }, { 3, 9 }, { 9, 0 }, { 3, 12 }, { 5, 0 }, { 12, 4 }, { 8, 3 },
        { 5, 1 }, { 6, 1 }, { 2, 6 }, { 1, 7 }, { 7, 0 }, { 7, 2 }, { 2, 8 } };
    constexpr std::int32_t pitch = 1600, scale = 2;
    const std::int32_t farX = pitch * modules + 400;
    const auto &g = Globals();
    auto far = net.Add<TTransition>();
    far->Init(g.ColorTable[4]);
    far->Place(farX, -40, "Z0");
    const TCentre farCentre = CentreOf(*far);
    int label = 0;
    for (int m = 0; m < modules; ++m) {
        const std::int32_t x0 = m * pitch;
        TDrawingObject *nodes[13];
        for (int i = 0; i < 13; ++i) {
            const TCentre c = i < 5 ? places[i] : transitions[i - 5];
            std::shared_ptr<TDrawingObject> node;
            if (i < 5)
                node = net.Add<TPosition>();
            else
                node = net.Add<TTransition>();
            node->Init(g.ColorTable[i < 5 ? 11 : 4]);
            node->Place(
                x0 + c.x * scale, 60 + c.y * scale, (i < 5 ? "L" : "Z") + std::to_string(++label));
            nodes[i] = node.get();
        }
        for (int a = 0; a < 21; ++a) {
            const TCentre s = CentreOf(*nodes[arcs[a][0]]), t = CentreOf(*nodes[arcs[a][1]]);
            if (a < 8) {
                Piece(net, s.x, s.y, s.x, t.y);
                Piece(net, s.x, t.y, t.x, t.y).Arrowed = true;
            } else {
                Piece(net, s.x, s.y, t.x, t.y).Arrowed = true;
            }
        }
        // Out to the far transition and back: a short piece up, a long slanted piece that
        // reaches well into later modules, and a horizontal piece along the top to the end.
        const TCentre p = CentreOf(*nodes[2]);
        const std::int32_t bend = std::min<std::int64_t>(farX - 200, (x0 + 900) * 23 / 10);
        Piece(net, p.x, p.y, p.x - 100, 30);
        Piece(net, p.x - 100, 30, bend, 0);
        Piece(net, bend, 0, farCentre.x, 0).Arrowed = true;
        Piece(net, farCentre.x, 0, bend - 160, 0);
        Piece(net, bend - 160, 0, p.x - 140, 30);
        Piece(net, p.x - 140, 30, p.x, p.y).Arrowed = true;
    }
}

// Clusters of 8,000 objects (2,000 positions, 1,000 transitions, 5,000 pieces) crowded on a
// 600-pixel square, so that most points lie under hundreds of nodes.
inline void BuildServersAndClients(TDrawingObjects &net, int clusters)
{
    ResetGlobals();
    std::mt19937 rng(20);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto &g = Globals();
    int label = 0;
    for (int c = 0; c < clusters; ++c) {
        const std::int32_t x0 = (c % 10) * 2000, y0 = (c / 10) * 2000;
        std::vector<TCentre> centres;
        for (int i = 0; i < 3000; ++i) {
            std::shared_ptr<TDrawingObject> node;
            if (i % 3 == 2)
                node = net.Add<TTransition>();
            else
                node = net.Add<TPosition>();
            node->Init(g.ColorTable[i % 3 == 2 ? 4 : 11]);
            node->Place(x0 + pick(0, 30) * 20, y0 + pick(0, 30) * 20,
                (i % 3 == 2 ? "Z" : "L") + std::to_string(++label));
            centres.push_back(CentreOf(*node));
        }
        for (int i = 0; i < 2500; ++i) {
            const TCentre s = centres[std::size_t(pick(0, 2999))];
            const TCentre t = centres[std::size_t(pick(0, 2999))];
            Piece(net, s.x, s.y, t.x, s.y);
            Piece(net, t.x, s.y, t.x, t.y).Arrowed = true;
        }
    }
}

enum TFamily { fJoinFree, fServers };

// The family at about `objects` objects.
inline void BuildFamily(TDrawingObjects &net, TFamily family, std::int64_t objects)
{
    if (family == fJoinFree)
        BuildJoinFreeModules(net, int(objects / 48));
    else
        BuildServersAndClients(net, int(objects / 8000));
}

} // namespace morvane::bench
