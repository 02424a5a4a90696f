// SPDX-License-Identifier: MIT
// morvane-cli xml FILE [-o OUT]: the XML description the editor writes beside a saved net.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "export/xml_export.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunXml(const std::vector<std::string> &args)
{
    TOptionParser p("xml");
    p.Value("o").Parse(args);
    const std::string input = p.Positional(1, 1, "exactly one net file").front();
    const std::string output = p.Text("o");
    if (p.Has("o") && output.empty())
        throw TUsageError("-o needs one output file");
    RefuseOverwritingInput(input, output);

    TLoadedNet loaded;
    if (!LoadWholeNet(input, loaded))
        return kExitBadInput;
    TXMLExport exporter(loaded.Net(), output);
    // Reading ended with a rebuild already.
    exporter.RebuildFirst = false;
    if (!p.Has("o")) {
        std::cout << exporter.GetFileText();
        return kExitOk;
    }
    return ReportWritten(exporter.Save());
}

const CommandRegistrar registrar("xml", "xml FILE [-o OUT]",
    "Prints the net's XML description (CR LF line ends, as saved "
    "beside a net) or writes it to OUT whole or not at all.",
    RunXml);

} // namespace
} // namespace morvane::cli
