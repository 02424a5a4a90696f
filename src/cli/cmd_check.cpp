// SPDX-License-Identifier: MIT
// morvane-cli check FILE: the topology check, one message per line, as the editor lists it.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunCheck(const std::vector<std::string> &args)
{
    TOptionParser p("check");
    p.Parse(args);
    TLoadedNet loaded;
    if (!LoadWholeNet(p.Positional(1, 1, "exactly one file").front(), loaded))
        return kExitBadInput;
    // Reading ended with a rebuild of the connections the check looks at.
    loaded.Net().ReportTopology();
    bool errors = false;
    for (const auto &line : loaded.Messages().Lines) {
        std::cout << line.Text << '\n';
        errors = errors || line.Text.rfind("Error", 0) == 0;
    }
    return errors ? kExitFound : kExitOk;
}

const CommandRegistrar registrar("check", "check FILE",
    "Checks the net's topology and prints the warnings and errors; "
    "exits with 1 when there is an error.",
    RunCheck);

} // namespace
} // namespace morvane::cli
