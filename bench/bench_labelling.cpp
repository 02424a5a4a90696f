// SPDX-License-Identifier: MIT
// Bulk edits of the net properties dialog, each one undo step with its records.
#include "common/count_object.h"
#include "common/message_list.h"
#include "model/bulk_attributes.h"
#include "model/drawing_objects.h"
#include "model/labelling.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

struct TBenchNet final : TDocumentHost
{
    TCountObject Positions, Transitions;
    TMessageList Messages;
    TDrawingObjects Net { this, &Messages, nullptr };
    TCountObject &PositionCounter() override { return Positions; }
    TCountObject &TransitionCounter() override { return Transitions; }
};

std::shared_ptr<TArc> Piece(TDrawingObjects &net, int x1, int y1, int x2, int y2)
{
    auto a = net.Add<TArc>();
    a->SetLeft(x1);
    a->SetTop(y1);
    a->SetRight(x2);
    a->SetBottom(y2);
    a->UpdateExtent();
    return a;
}

// `units` groups of an input position, a transition and an output position joined by two arcs,
// in rows of 20 groups; five objects a group.
void FillUnits(TBenchNet &b, int units)
{
    ResetGlobals();
    for (int i = 0; i < units; ++i) {
        const int x = (i % 20) * 320, y = (i / 20) * 160;
        b.Net.Add<TPosition>()->Place(x + 32, y + 80, "L");
        auto t = b.Net.Add<TTransition>();
        t->Place(x + 128, y + 48, "Z");
        t->TrType = "L and L1";
        b.Net.Add<TPosition>()->Place(x + 224, y + 80, "L");
        Piece(b.Net, x + 64, y + 96, x + 144, y + 96);
        Piece(b.Net, x + 144, y + 96, x + 224, y + 96);
    }
    b.Net.RebuildConnections();
    b.Net.CreateUndo(true);
}

void BM_RelabelPositionsByTransitions(benchmark::State &state)
{
    TBenchNet b;
    FillUnits(b, 2000);
    for (auto _ : state) {
        b.Net.BeginStep();
        LabelPositions(b.Net, { "L", "#" }, false);
        state.PauseTiming();
        b.Net.Undo();
        state.ResumeTiming();
    }
    state.counters["objects"] = double(b.Net.Count());
}
BENCHMARK(BM_RelabelPositionsByTransitions)->Unit(benchmark::kMillisecond);

void BM_ApplyEveryBoxToTransitions(benchmark::State &state)
{
    TBenchNet b;
    FillUnits(b, 5000);
    TAttributeFill fill;
    fill.Description = "d";
    fill.Priority = -1;
    fill.Type = TTypeJoin::And;
    fill.Color = fill.FillColor = RGB(1, 2, 3);
    for (auto _ : state) {
        b.Net.BeginStep();
        LabelTransitions(b.Net, { "Z", "" });
        FillTransitions(b.Net, fill);
        state.PauseTiming();
        b.Net.Undo();
        state.ResumeTiming();
    }
    state.counters["transitions"] = double(b.Net.Transitions().size());
}
BENCHMARK(BM_ApplyEveryBoxToTransitions)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
