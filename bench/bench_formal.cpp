// SPDX-License-Identifier: MIT
// The formal description of a large net: every transition's tuple, both index matrices and type.
#include "bench_host.h"

#include "export/formal_text.h"
#include "export/latex_export.h"
#include "model/transition_matrices.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

constexpr int kTransitions = 1000;
constexpr int kSide = 10; // inputs and outputs of each transition

void Piece(TDrawingObjects &net, int x1, int y, int x2)
{
    auto a = net.Add<TArc>();
    a->SetLeft(x1);
    a->SetTop(y);
    a->SetRight(x2);
    a->SetBottom(y);
    a->UpdateExtent();
}

// Transitions in rows of 20, each as tall as ten positions, with ten input positions on its left
// and ten outputs on its right; every other cell holds a stored predicate, the rest come from the
// mask, and a third of the capacities are set.
void FillNet(bench::TBenchNet &b)
{
    ResetGlobals();
    TDrawingObjects &net = b.Net;
    for (int i = 0; i < kTransitions; ++i) {
        const int x = (i % 20) * 320, y = (i / 20) * 480;
        auto t = net.Add<TTransition>();
        t->Place(x + 128, y, "Z" + std::to_string(i + 1));
        t->SetBottom(y + kSide * 40);
        t->SetHeight(kSide * 40);
        std::string type;
        for (int k = 0; k < kSide; ++k) {
            const int row = y + k * 40;
            const std::string in = "L" + std::to_string(i * 2 * kSide + k + 1);
            net.Add<TPosition>()->Place(x, row, in);
            net.Add<TPosition>()->Place(
                x + 256, row, "L" + std::to_string((i * 2 + 1) * kSide + k + 1));
            Piece(net, x + 32, row + 16, x + 128);
            Piece(net, x + 160, row + 16, x + 256);
            type += (k ? " or " : "") + in;
        }
        t->TrType = type;
    }
    net.RebuildConnections();
    for (TTransition *t : net.Transitions())
        for (int r = 0; r < kSide; ++r)
            for (int c = 0; c < kSide; ++c) {
                if ((r + c) % 2)
                    SetPredicate(*t, r, c, ParsePredicateText("p" + std::to_string(r * c), {}));
                if ((r + c) % 3 == 0)
                    SetCapacity(*t, r, c, r + c);
            }
}

void BM_FormalDescriptionLaTeX(benchmark::State &state)
{
    bench::TBenchNet b;
    FillNet(b);
    TLaTeXSettings settings;
    settings.Formal.Components = kAllComponents;
    TLaTeXExport exporter(&b.Net, "unused.tex", settings);
    for (auto _ : state) {
        exporter.Compose(lpFormal);
        benchmark::DoNotOptimize(exporter.Lines().size());
    }
}
BENCHMARK(BM_FormalDescriptionLaTeX)->Unit(benchmark::kMillisecond);

void BM_FormalDescriptionText(benchmark::State &state)
{
    bench::TBenchNet b;
    FillNet(b);
    for (auto _ : state)
        benchmark::DoNotOptimize(FormalDescriptionText(b.Net, { kAllComponents, {} }).size());
}
BENCHMARK(BM_FormalDescriptionText)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
