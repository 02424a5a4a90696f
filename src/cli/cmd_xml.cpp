// SPDX-License-Identifier: MIT
// morvane-cli xml FILE [-o OUT]: the XML description the editor writes beside a saved net.
#include "command.h"
#include "net_io.h"

#include "export/xml_export.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunXml(const std::vector<std::string> &args)
{
    std::string input, output;
    bool toFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (toFile || i + 1 == args.size() || args[i + 1].empty())
                return UsageError("xml", "-o needs one output file");
            toFile = true;
            output = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("xml", "unknown option " + args[i]);
        } else if (input.empty()) {
            input = args[i];
        } else {
            return UsageError("xml", "xml takes exactly one net file");
        }
    }
    if (input.empty())
        return UsageError("xml", "xml takes exactly one net file");

    TLoadedNet loaded;
    if (!LoadWholeNet(input, loaded))
        return kExitBadInput;
    TXMLExport exporter(loaded.Net(), output);
    if (!toFile) {
        std::cout << exporter.GetFileText();
        std::cout.flush();
        return std::cout ? kExitOk : kExitBadInput;
    }
    try {
        exporter.Save();
    } catch (const std::exception &e) {
        std::cerr << "morvane-cli: " << e.what() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

const CommandRegistrar registrar("xml", "xml FILE [-o OUT]",
    "Prints the net's XML description (CR LF line ends, as saved "
    "beside a net) or writes it to OUT whole or not at all.",
    RunXml);

} // namespace
} // namespace morvane::cli
