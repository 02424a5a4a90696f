// SPDX-License-Identifier: MIT
// morvane-cli convert IN OUT: reads a net (.vgn or .gn) and writes it in this program's layout.
#include "command.h"
#include "net_io.h"

#include "format/net_writer.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunConvert(const std::vector<std::string> &args)
{
    if (args.size() != 2)
        return UsageError("convert", "convert takes an input and an output file");
    TLoadedNet loaded;
    if (!LoadWholeNet(args[0], loaded))
        return kExitBadInput;
    const std::string error = SaveNetFile(args[1], loaded.Net());
    if (!error.empty()) {
        std::cerr << "morvane-cli: " << error << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

const CommandRegistrar registrar("convert", "convert IN OUT",
    "Reads a net file and writes it anew; nothing is written when "
    "the input cannot be read whole.",
    RunConvert);

} // namespace
} // namespace morvane::cli
