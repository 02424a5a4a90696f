// SPDX-License-Identifier: MIT
// morvane-cli convert IN OUT: reads a net (.vgn or .gn) and writes it in this program's layout.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "format/net_writer.h"

namespace morvane::cli {

namespace {

int RunConvert(const std::vector<std::string> &args)
{
    TOptionParser p("convert");
    p.Parse(args);
    const auto &files = p.Positional(2, 2, "an input and an output file");
    RefuseOverwritingInput(files[0], files[1]);
    TLoadedNet loaded;
    if (!LoadWholeNet(files[0], loaded))
        return kExitBadInput;
    return ReportWritten(SaveNetFile(files[1], loaded.Net()));
}

const CommandRegistrar registrar("convert", "convert IN OUT",
    "Reads a net file and writes it anew; nothing is written when "
    "the input cannot be read whole.",
    RunConvert);

} // namespace
} // namespace morvane::cli
