// SPDX-License-Identifier: MIT
// The program's clipboard with 10,000 selected objects: copying them, pasting them, and undoing
// the paste.
#include "row_net.h"

#include "model/clipboard.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace morvane;

// The rows of objects, all selected, in a step of their own.
std::unique_ptr<TDrawingObjects> MakeSelectedNet(int count)
{
    auto doc = bench::MakeRowNet(count);
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
