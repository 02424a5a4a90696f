// SPDX-License-Identifier: MIT
// morvane-cli: the editor's headless companion for scripts, version control and CI.
#include "command.h"
#include "option_parser.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace morvane::cli {

std::vector<Command> &Commands()
{
    static std::vector<Command> commands;
    return commands;
}

int UsageError(const std::string &command, const std::string &message)
{
    std::cerr << "morvane-cli: " << message << "\n";
    for (const auto &c : Commands())
        if (c.name == command)
            std::cerr << "usage: morvane-cli " << c.synopsis << "\n";
    return kExitUsage;
}

int ReportWritten(const TWriteResult &result)
{
    if (result)
        return kExitOk;
    std::cerr << "morvane-cli: " << result.Reason << "\n";
    return kExitCannotWrite;
}

namespace {

void PrintHelp(std::ostream &out)
{
    out << "usage: morvane-cli COMMAND [ARGS]\n\nCommands:\n";
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
        [](const Command &a, const Command &b) { return a.name < b.name; });
    out << "  help\n      Lists the commands.\n";
    for (const auto &c : commands)
        out << "  " << c.synopsis << "\n      " << c.summary << "\n";
}

} // namespace
} // namespace morvane::cli

int main(int argc, char **argv)
{
    using namespace morvane::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "help" || name == "--help" || name == "-h") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    for (const auto &c : Commands())
        if (c.name == name) {
            try {
                return c.run(args);
            } catch (const TUsageError &e) {
                return UsageError(name, e.what());
            } catch (const std::exception &e) {
                std::cerr << "morvane-cli: " << e.what() << "\n";
                return kExitBadInput;
            }
        }
    std::cerr << "morvane-cli: unknown command \"" << name << "\" (try: morvane-cli help)\n";
    return kExitUsage;
}
