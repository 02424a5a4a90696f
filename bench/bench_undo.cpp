// SPDX-License-Identifier: MIT
// Undo and redo of one step that touched 10,000 objects.
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace morvane;

std::unique_ptr<TDrawingObjects> MakeNet(int count)
{
    auto doc = std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr);
    doc->CreateUndo(true);
    doc->BeginStep();
    for (int i = 0; i < count; ++i) {
        const int x = (i % 100) * 48, y = (i / 100) * 48;
        switch (i % 3) {
        case 0:
            doc->Add<TPosition>()->Place(x, y, "L" + std::to_string(i));
            break;
        case 1:
            doc->Add<TTransition>()->Place(x, y, "Z" + std::to_string(i));
            break;
        default:
            doc->Add<TArc>()->Place(x, y, "");
            break;
        }
    }
    return doc;
}

void BM_UndoRedoMoveStep(benchmark::State &state)
{
    ResetGlobals();
    auto doc = MakeNet(int(state.range(0)));
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
    auto doc = MakeNet(int(state.range(0)));
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
    state.SetLabel("one undo plus one redo per iteration");
}
BENCHMARK(BM_UndoRedoCreateStep)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
