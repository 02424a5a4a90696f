// SPDX-License-Identifier: MIT
// Writes a net of 200 nodes on an A4 page (ten columns of alternating positions and
// transitions, twenty rows) and prints 300 press and release point pairs that join a position to
// a transition, for timing `morvane-cli autoroute` arc after arc (see autoroute_300.sh).
// `autoroute_net OUT.vgn 4` makes the page four times as wide and as high, with 16 times the
// nodes and 1,300 arcs.
#include "format/net_writer.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace morvane;

int main(int argc, char **argv)
{
    const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
    if ((argc != 2 && argc != 3) || scale < 1 || scale > 8) {
        std::fprintf(stderr, "usage: autoroute_net OUT.vgn [SCALE 1..8]\n");
        return 64;
    }
    const int arcs = scale == 1 ? 300 : 1300;
    TDrawingObjects net(nullptr, nullptr, nullptr);
    std::vector<TDrawingObject *> positions, transitions;
    for (int row = 0; row < 20 * scale; ++row)
        for (int col = 0; col < 10 * scale; ++col) {
            const std::int32_t x = 64 + col * 160, y = 64 + row * 112;
            const std::string n = std::to_string(row * 10 * scale + col + 1);
            if ((row + col) % 2 == 0) {
                auto p = net.Add<TPosition>();
                p->Init(Globals().ColorTable[11]);
                p->Place(x, y, "L" + n);
                positions.push_back(p.get());
            } else {
                auto t = net.Add<TTransition>();
                t->Init(Globals().ColorTable[4]);
                t->Place(x, y, "Z" + n);
                transitions.push_back(t.get());
            }
        }
    if (const TWriteResult written = SaveNetFile(argv[1], net); !written) {
        std::fprintf(stderr, "%s\n", written.Reason.c_str());
        return 2;
    }
    // A fixed linear congruential sequence, so that every run asks for the same arcs.
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < arcs; ++i) {
        const TDrawingObject *from = positions[next(std::uint32_t(positions.size()))];
        const TDrawingObject *to = transitions[next(std::uint32_t(transitions.size()))];
        // Press on the side facing the target, release on the target's side facing the press.
        const bool rightward = to->Left() > from->Left();
        const std::int32_t x1 = rightward ? from->Right() - 4 : from->Left() + 4;
        const std::int32_t x2 = rightward ? to->Left() + 2 : to->Right() - 2;
        // Rows vary over the nodes' height, so that arcs to one node do not all share a row.
        const std::int32_t y1 = from->Top() + 4 + 8 * std::int32_t(next(4));
        const std::int32_t y2
            = to->Top() + 4 + 8 * std::int32_t(next(std::uint32_t(to->Height() / 8)));
        std::printf("%d %d %d %d\n", x1, y1, x2, y2);
    }
    return 0;
}
