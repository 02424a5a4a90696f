// SPDX-License-Identifier: MIT
// morvane-cli check FILE: the topology check, one message per line, as the editor lists it.
#include "command.h"
#include "net_io.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunCheck(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return UsageError("check", "check takes exactly one file");
    TLoadedNet loaded;
    if (!LoadWholeNet(args[0], loaded))
        return kExitBadInput;
    loaded.Net().CheckTopology();
    bool errors = false;
    for (const auto &line : loaded.Messages().Lines) {
        std::cout << line.Text << '\n';
        errors = errors || line.Text.rfind("Error", 0) == 0;
    }
    std::cout.flush();
    return errors ? kExitFound : kExitOk;
}

const CommandRegistrar registrar("check", "check FILE",
    "Checks the net's topology and prints the warnings and errors; "
    "exits with 1 when there is an error.",
    RunCheck);

} // namespace
} // namespace morvane::cli
