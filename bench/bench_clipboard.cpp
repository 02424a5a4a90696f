// SPDX-License-Identifier: MIT
// The program's clipboard with 10,000 selected objects: copying them, pasting them, and undoing
// the paste.
#include "model/clipboard.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace morvane;

// Positions, transitions and arc pieces in rows, all selected.
std::unique_ptr<TDrawingObjects> MakeSelectedNet(int count)
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
    for (const auto &o : doc->Objects())
        o->Mode = omSelected;
    doc->BeginStep();
    return doc;
}

void BM_CopySelection(benchmark::State &state)
{
    ResetGlobals();
    auto net = MakeSelectedNet(int(state.range(0)));
    TDrawingObjects clip(nullptr, nullptr, nullptr);
    for (auto _ : state)
        CopySelection(*net, clip);
}
BENCHMARK(BM_CopySelection)->Arg(10000)->Unit(benchmark::kMillisecond);

// Each paste is undone (untimed) so that every iteration pastes into the same net.
void BM_PasteClip(benchmark::State &state)
{
    ResetGlobals();
    auto net = MakeSelectedNet(int(state.range(0)));
    TDrawingObjects clip(nullptr, nullptr, nullptr);
    CopySelection(*net, clip);
    for (auto _ : state) {
        PasteClip(*net, clip, 8, 8);
        state.PauseTiming();
        net->Undo();
        net->Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteClip)->Arg(10000)->Unit(benchmark::kMillisecond);

// One undo takes the pasted objects out again.
void BM_UndoPaste(benchmark::State &state)
{
    ResetGlobals();
    auto net = MakeSelectedNet(int(state.range(0)));
    TDrawingObjects clip(nullptr, nullptr, nullptr);
    CopySelection(*net, clip);
    for (auto _ : state) {
        state.PauseTiming();
        PasteClip(*net, clip, 8, 8);
        state.ResumeTiming();
        net->Undo();
        state.PauseTiming();
        net->Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoPaste)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
