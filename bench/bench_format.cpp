// SPDX-License-Identifier: MIT
// Reading and writing a net file of 100,000 objects: 30,000 positions, 10,000 transitions with
// index and predicate lists, and 60,000 arc pieces.
#include "bench_host.h"

#include "format/net_reader.h"
#include "format/net_writer.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

using bench::TBenchNet;

// One block per transition: three positions, two input chains and one output chain of two
// pieces each.
void BuildLargeNet(TDrawingObjects &net)
{
    ResetGlobals();
    auto piece = [&](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        auto a = net.Add<TArc>();
        a->Init(clBlack);
        a->SetLeft(x1);
        a->SetTop(y1);
        a->SetRight(x2);
        a->SetBottom(y2);
        a->UpdateExtent();
        return a;
    };
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t x = (i % 100) * 400, y = (i / 100) * 240;
        std::shared_ptr<TPosition> in[2];
        for (int k = 0; k < 2; ++k) {
            in[k] = net.Add<TPosition>();
            in[k]->Init(clBlack);
            in[k]->Place(x, y + k * 96, "L" + std::to_string(3 * i + k + 1));
            in[k]->Capacity = -1;
        }
        auto out = net.Add<TPosition>();
        out->Init(clBlack);
        out->Place(x + 256, y + 48, "L" + std::to_string(3 * i + 3));
        auto t = net.Add<TTransition>();
        t->Init(clBlack);
        t->Place(x + 128, y, "Z" + std::to_string(i + 1));
        t->TrType = in[0]->selfLabel() + " and " + in[1]->selfLabel();
        for (int k = 0; k < 2; ++k) {
            piece(x + 32, y + 16 + k * 96, x + 80, y + 16 + k * 96);
            auto last = piece(x + 80, y + 16 + k * 96, x + 144, y + 40);
            t->InArcs.push_back(WeakOf(last.get()));
            t->InIndex.push_back({ in[k]->selfLabel(), WeakOf(in[k].get()) });
            t->Predicates.push_back({ "W" + std::to_string(k), {} });
        }
        auto first = piece(x + 144, y + 40, x + 200, y + 40);
        piece(x + 200, y + 40, x + 256, y + 64);
        t->OutArcs.push_back(WeakOf(first.get()));
        t->OutIndex.push_back({ out->selfLabel(), WeakOf(out.get()) });
    }
}

const std::string &LargeFile()
{
    static const std::string bytes = [] {
        TBenchNet net;
        BuildLargeNet(net.Net);
        return WriteNetToString(net.Net);
    }();
    return bytes;
}

void BM_ReadNet100k(benchmark::State &state)
{
    const std::string &bytes = LargeFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto net = std::make_unique<TBenchNet>();
        state.ResumeTiming();
        const TReadResult result = ReadNet(bytes, net->Net);
        if (!result || net->Net.Count() != 100000)
            state.SkipWithError("the net did not read back");
        state.PauseTiming();
        net.reset(); // destroying the objects is not reading
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadNet100k)->Unit(benchmark::kMillisecond);

void BM_WriteNet100k(benchmark::State &state)
{
    TBenchNet net;
    BuildLargeNet(net.Net);
    std::size_t size = WriteNetToString(net.Net).size(); // time functions are made on first write
    for (auto _ : state) {
        const std::string bytes = WriteNetToString(net.Net);
        benchmark::DoNotOptimize(bytes.data());
        size = bytes.size();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * size));
}
BENCHMARK(BM_WriteNet100k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
