// SPDX-License-Identifier: MIT
// PNML: importing the largest sample net, importing a generated net of 50,000 nodes without
// coordinates (layout included), and exporting that net of 100,000 objects.
#include "pnml/pnml_export.h"
#include "pnml/pnml_import.h"
#include "pnml/pnml_reader.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

// A ring of 25,000 places and 25,000 transitions, each place leading to the next transition:
// 50,000 nodes and 50,000 arcs, no graphics, as model-checking benchmark nets come.
std::string GeneratedRing()
{
    constexpr int kPairs = 25000;
    std::string text
        = "<pnml xmlns=\"http://www.pnml.org/version-2009/grammar/pnml\"><net id=\"ring\" "
          "type=\"http://www.pnml.org/version-2009/grammar/ptnet\"><page id=\"g\">";
    for (int i = 0; i < kPairs; ++i) {
        const std::string n = std::to_string(i), next = std::to_string((i + 1) % kPairs);
        text += "<place id=\"p" + n + "\"><initialMarking><text>1</text></initialMarking></place>"
            + "<transition id=\"t" + n + "\"/>" + "<arc id=\"a" + n + "\" source=\"p" + n
            + "\" target=\"t" + n + "\"/><arc id=\"b" + n + "\" source=\"t" + n + "\" target=\"p"
            + next + "\"/>";
    }
    return text + "</page></net></pnml>";
}

void BM_PnmlImportLargestSample(benchmark::State &state)
{
    ResetGlobals();
    const std::string path = std::string(MORVANE_PNML_DATA)
        + "/yanntm_pnmcc-models-2021_JoinFreeModules-PT-0050-model.pnml";
    for (auto _ : state) {
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        benchmark::DoNotOptimize(ImportPnmlFile(doc, path, "").Ok);
    }
}
BENCHMARK(BM_PnmlImportLargestSample)->Unit(benchmark::kMillisecond);

void BM_PnmlImportGenerated(benchmark::State &state)
{
    ResetGlobals();
    const std::string text = GeneratedRing();
    for (auto _ : state) {
        TPnmlNet net;
        ReadPnml(text, "", net);
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        std::vector<std::string> report;
        benchmark::DoNotOptimize(BuildPnmlNet(doc, net, report).Pieces);
    }
}
BENCHMARK(BM_PnmlImportGenerated)->Unit(benchmark::kMillisecond);

void BM_PnmlExport(benchmark::State &state)
{
    ResetGlobals();
    TPnmlNet net;
    ReadPnml(GeneratedRing(), "", net);
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    std::vector<std::string> report;
    BuildPnmlNet(doc, net, report);
    state.counters["objects"] = double(doc.Count());
    for (auto _ : state)
        benchmark::DoNotOptimize(PnmlText(doc, report).size());
}
BENCHMARK(BM_PnmlExport)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
