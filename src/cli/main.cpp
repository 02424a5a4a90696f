// SPDX-License-Identifier: MIT
// morvane-cli: the editor's headless companion for scripts, version control and CI.
#include "command.h"
#include "option_parser.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
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
    out << "\nExit codes:\n"
           "  0   success\n"
           "  1   the command found what it looks for (a topology error, no route, an arc not "
           "made)\n"
           "  2   the input cannot be read or is corrupted, or no picture can be made from it\n"
           "  3   the output cannot be written (a file, or standard output)\n"
           "  64  bad usage, or an output that is the input file itself\n";
}

int RunCommand(const Command &command, const std::vector<std::string> &args)
{
    try {
        return command.run(args);
    } catch (const TUsageError &e) {
        return UsageError(command.name, e.what());
    } catch (const std::exception &e) {
        std::cerr << "morvane-cli: " << e.what() << "\n";
        return kExitBadInput;
    }
}

// What a full disk or a closed descriptor swallowed must not pass for success: the text is
// flushed to the system and any failure on the way is reported.
int CheckStandardOutput(int code)
{
    std::cout.flush();
    const int earlier = errno;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && std::cout && !std::ferror(stdout))
        return code;
    const int error = errno != 0 ? errno : earlier;
    std::cerr << "morvane-cli: cannot write standard output: "
              << (error != 0 ? std::strerror(error) : "write error") << "\n";
    // Unreadable input or bad usage keeps its own code; the message above says the rest.
    return code == kExitOk || code == kExitFound ? kExitCannotWrite : code;
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
        return CheckStandardOutput(kExitOk);
    }
    for (const auto &c : Commands())
        if (c.name == name)
            return CheckStandardOutput(RunCommand(c, args));
    std::cerr << "morvane-cli: unknown command \"" << name << "\" (try: morvane-cli help)\n";
    return kExitUsage;
}
