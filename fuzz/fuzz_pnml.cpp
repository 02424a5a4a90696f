// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes must read as PNML to a net or a clear refusal without a crash; a net
// that was read must build, export, and read back with the same numbers of nodes and arcs.
#include "pnml/pnml_export.h"
#include "pnml/pnml_import.h"
#include "pnml/pnml_reader.h"

#include "model/drawing_objects.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    morvane::TPnmlNet net;
    const auto read
        = morvane::ReadPnml(std::string(reinterpret_cast<const char *>(data), size), "", net);
    if (!read.Ok)
        return 0;
    morvane::TDrawingObjects doc(nullptr, nullptr, nullptr);
    std::vector<std::string> report;
    const auto counts = morvane::BuildPnmlNet(doc, net, report);
    const std::string text = morvane::PnmlText(doc, report);
    morvane::TPnmlNet back;
    if (!morvane::ReadPnml(text, "", back).Ok || back.Nodes.size() != net.Nodes.size()
        || back.Arcs.size() > counts.Arcs)
        std::abort();
    return 0;
}
