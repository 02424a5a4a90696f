// SPDX-License-Identifier: MIT
// Undo and redo of one step that touched 10,000 objects.
#include "row_net.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace morvane;

void BM_UndoRedoMoveStep(benchmark::State &state)
{
    ResetGlobals();
    auto doc = bench::MakeRowNet(int(state.range(0)));
    doc->BeginStep();
    for (const auto &o : doc->Objects())
        o->MoveBy(8, 8);
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
    state.SetLabel("one undo plus one redo per iteration");
}
BENCHMARK(BM_UndoRedoMoveStep)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_UndoRedoCreateStep(benchmark::State &state)
{
    ResetGlobals();
    auto doc = bench::MakeRowNet(int(state.range(0)));
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
    state.SetLabel("one undo plus one redo per iteration");
}
BENCHMARK(BM_UndoRedoCreateStep)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
