// SPDX-License-Identifier: MIT
// Connection rebuild, topology check and XML description of a 100,000-object net: 20,000
// positions, 10,000 transitions and 70,000 arc pieces in chains of two to five pieces.
#include "common/message_list.h"
#include "export/xml_export.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

struct Point
{
    std::int32_t x, y;
};

void AddChain(
    TDrawingObjects &net, std::int32_t x0, std::int32_t y0, std::initializer_list<Point> corners)
{
    const Point *previous = nullptr;
    for (const Point &p : corners) {
        if (previous) {
            auto arc = net.Add<TArc>();
            arc->SetLeft(x0 + previous->x);
            arc->SetTop(y0 + previous->y);
            arc->SetRight(x0 + p.x);
            arc->SetBottom(y0 + p.y);
            arc->UpdateExtent();
        }
        previous = &p;
    }
}

// One block per transition: an input position on the left, the transition, an output position
// on the right, each chain a staircase of 2 to 5 pieces whose inner corners touch no node.
void BuildLargeNet(TDrawingObjects &net)
{
    ResetGlobals();
    int label = 0;
    for (int block = 0; block < 10000; ++block) {
        const std::int32_t x0 = (block % 100) * 480, y0 = (block / 100) * 200;
        auto in = net.Add<TPosition>();
        in->Place(x0, y0, "L" + std::to_string(++label));
        auto t = net.Add<TTransition>();
        t->Place(x0 + 200, y0 + 60, "Z" + std::to_string(block + 1));
        auto out = net.Add<TPosition>();
        out->Place(x0 + 400, y0 + 84, "L" + std::to_string(++label));
        switch (block % 4) {
        case 0:
            AddChain(net, x0, y0, { { 16, 16 }, { 216, 16 }, { 216, 80 } });
            AddChain(net, x0, y0, { { 216, 130 }, { 300, 130 }, { 300, 100 }, { 416, 100 } });
            break;
        case 1:
            AddChain(net, x0, y0, { { 16, 16 }, { 100, 16 }, { 100, 100 }, { 216, 100 } });
            AddChain(net, x0, y0,
                { { 216, 130 }, { 280, 130 }, { 280, 150 }, { 416, 150 }, { 416, 100 } });
            break;
        case 2:
            AddChain(
                net, x0, y0, { { 16, 16 }, { 80, 16 }, { 80, 50 }, { 216, 50 }, { 216, 100 } });
            AddChain(net, x0, y0,
                { { 216, 130 }, { 260, 130 }, { 260, 150 }, { 340, 150 }, { 340, 100 },
                    { 416, 100 } });
            break;
        default:
            AddChain(net, x0, y0,
                { { 16, 16 }, { 60, 16 }, { 60, 40 }, { 120, 40 }, { 120, 100 }, { 216, 100 } });
            AddChain(net, x0, y0, { { 216, 130 }, { 416, 130 }, { 416, 100 } });
            break;
        }
    }
}

void BM_RebuildConnections(benchmark::State &state)
{
    TDrawingObjects net { nullptr, nullptr, nullptr };
    BuildLargeNet(net);
    for (auto _ : state) {
        net.RebuildConnections();
        benchmark::DoNotOptimize(net.Transitions().front()->InArcs.data());
    }
    state.counters["objects"] = double(net.Count());
    state.counters["arcs"] = double(net.Arcs().size());
}
BENCHMARK(BM_RebuildConnections)->Unit(benchmark::kMillisecond);

// 10,000 identical pieces laid on one another between a position and a transition listed after
// them.
void BM_RebuildStackedPieces(benchmark::State &state)
{
    ResetGlobals();
    TDrawingObjects net { nullptr, nullptr, nullptr };
    for (int i = 0; i < 10000; ++i)
        AddChain(net, 0, 0, { { 16, 16 }, { 216, 100 } });
    net.Add<TPosition>()->Place(0, 0, "L1");
    net.Add<TTransition>()->Place(200, 60, "Z1");
    for (auto _ : state) {
        net.RebuildConnections();
        benchmark::DoNotOptimize(net.Transitions().front()->InArcs.data());
    }
    state.counters["arcs"] = double(net.Arcs().size());
}
BENCHMARK(BM_RebuildStackedPieces)->Unit(benchmark::kMillisecond);

void BM_CheckTopologyAndXml(benchmark::State &state)
{
    TMessageList messages;
    TDrawingObjects net { nullptr, &messages, nullptr };
    BuildLargeNet(net);
    std::size_t bytes = 0;
    for (auto _ : state) {
        net.CheckTopology();
        bytes = TXMLExport(net, "").GetXMLText().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["messages"] = double(messages.Count());
    state.counters["xml_bytes"] = double(bytes);
}
BENCHMARK(BM_CheckTopologyAndXml)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
