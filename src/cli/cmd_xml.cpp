// SPDX-License-Identifier: MIT
// morvane-cli xml FILE [-o OUT]: the XML description the editor writes beside a saved net.
#include "command.h"
#include "description_command.h"

#include "export/xml_export.h"

namespace morvane::cli {

namespace {

// Reading ended with a rebuild of the connections already.
TXMLExport Exporter(TDrawingObjects &net, const std::string &output)
{
    TXMLExport exporter(net, output);
    exporter.RebuildFirst = false;
    return exporter;
}

int RunXml(const std::vector<std::string> &args)
{
    return RunDescriptionCommand(
        "xml", args, {},
        [](TDrawingObjects &net, const TOptionParser &) { return Exporter(net, "").GetFileText(); },
        [](TDrawingObjects &net, const std::string &output, const TOptionParser &) {
            return Exporter(net, output).Save();
        });
}

const CommandRegistrar registrar("xml", "xml FILE [-o OUT]",
    "Prints the net's XML description (CR LF line ends, as saved "
    "beside a net) or writes it to OUT whole or not at all.",
    RunXml);

} // namespace
} // namespace morvane::cli
