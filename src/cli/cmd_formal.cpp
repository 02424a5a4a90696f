// SPDX-License-Identifier: MIT
// morvane-cli formal FILE [-o OUT]: the formal description of the net's transitions as text.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "export/formal_text.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunFormal(const std::vector<std::string> &args)
{
    TOptionParser p("formal");
    p.Value("o").Parse(args);
    const std::string input = p.Positional(1, 1, "exactly one net file").front();
    const std::string output = p.Text("o");
    if (p.Has("o") && output.empty())
        throw TUsageError("-o needs one output file");
    RefuseOverwritingInput(input, output);

    TLoadedNet loaded;
    if (!LoadWholeNet(input, loaded))
        return kExitBadInput;
    if (!p.Has("o")) {
        std::cout << FormalDescriptionText(loaded.Net());
        return kExitOk;
    }
    return ReportWritten(WriteFormalDescriptionText(loaded.Net(), output));
}

const CommandRegistrar registrar("formal", "formal FILE [-o OUT]",
    "Prints the formal description of every transition as plain UTF-8 text (its input and "
    "output positions and its index matrix as a table; CR LF line ends) or writes it to OUT "
    "whole or not at all.",
    RunFormal);

} // namespace
} // namespace morvane::cli
