// SPDX-License-Identifier: MIT
// What a user waits for on nets with real geometry (real_nets.h), at 48,000 and 240,000
// objects: opening a file with the steps after reading, the topology check, saving (the XML
// description and the net file), and the connection rebuild of the press that starts a drag.
#include "bench_host.h"
#include "real_nets.h"

#include "export/xml_export.h"
#include "format/net_reader.h"
#include "format/net_writer.h"
#include "format/post_read.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace morvane {
namespace {

using bench::fJoinFree;
using bench::fServers;
using bench::TBenchNet;
using bench::TFamily;

const std::string &FileOf(TFamily family, std::int64_t objects)
{
    static std::map<std::pair<int, std::int64_t>, std::string> files;
    std::string &bytes = files[{ family, objects }];
    if (bytes.empty()) {
        TBenchNet net;
        bench::BuildFamily(net.Net, family, objects);
        bytes = WriteNetToString(net.Net);
    }
    return bytes;
}

// A net as it stands after Open.
std::unique_ptr<TBenchNet> Opened(TFamily family, std::int64_t objects)
{
    auto net = std::make_unique<TBenchNet>();
    ReadNet(FileOf(family, objects), net->Net);
    RunPostReadSteps(net->Net);
    return net;
}

void BM_Open(benchmark::State &state, TFamily family)
{
    const std::string &bytes = FileOf(family, state.range(0));
    std::size_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto net = std::make_unique<TBenchNet>();
        state.ResumeTiming();
        if (!ReadNet(bytes, net->Net))
            state.SkipWithError("the net did not read back");
        RunPostReadSteps(net->Net);
        count = net->Net.Count();
        state.PauseTiming();
        net.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = double(count);
}

void BM_Check(benchmark::State &state, TFamily family)
{
    auto net = Opened(family, state.range(0));
    for (auto _ : state)
        net->Net.CheckTopology();
    state.counters["messages"] = double(net->Messages.Count());
}

void BM_Save(benchmark::State &state, TFamily family)
{
    auto net = Opened(family, state.range(0));
    for (auto _ : state) {
        const std::string xml = TXMLExport(net->Net, "").GetXMLText();
        const std::string bytes = WriteNetToString(net->Net);
        benchmark::DoNotOptimize(xml.data());
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_DragPress(benchmark::State &state, TFamily family)
{
    auto net = Opened(family, state.range(0));
    for (auto _ : state) {
        net->Net.RebuildConnections();
        benchmark::DoNotOptimize(net->Net.Arcs().front()->NextArc());
    }
}

#define MORVANE_REAL_NET_BENCH(fn, family)                                                         \
    BENCHMARK_CAPTURE(fn, family, family)                                                          \
        ->Arg(48000)                                                                               \
        ->Arg(240000)                                                                              \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->MeasureProcessCPUTime()                                                                  \
        ->UseRealTime()

MORVANE_REAL_NET_BENCH(BM_Open, fJoinFree);
MORVANE_REAL_NET_BENCH(BM_Check, fJoinFree);
MORVANE_REAL_NET_BENCH(BM_Save, fJoinFree);
MORVANE_REAL_NET_BENCH(BM_DragPress, fJoinFree);
MORVANE_REAL_NET_BENCH(BM_Open, fServers);
MORVANE_REAL_NET_BENCH(BM_Check, fServers);
MORVANE_REAL_NET_BENCH(BM_Save, fServers);
MORVANE_REAL_NET_BENCH(BM_DragPress, fServers);

} // namespace
} // namespace morvane
