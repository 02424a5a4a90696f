// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <functional>
#include <string>
#include <vector>

namespace morvane::cli {

// Exit codes shared by every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFound
    = 1; // what the command checks for was found (topology errors, no route)
inline constexpr int kExitBadInput = 2; // unreadable or corrupted input
inline constexpr int kExitCannotWrite = 3; // the output could not be written
inline constexpr int kExitUsage = 64; // bad command line

using CommandFn = std::function<int(const std::vector<std::string> &args)>;

struct Command
{
    std::string name;
    std::string synopsis; // "info FILE"
    std::string summary; // one line
    CommandFn run;
};

// Sub-commands register themselves from their own files through a static CommandRegistrar.
std::vector<Command> &Commands();

struct CommandRegistrar
{
    CommandRegistrar(std::string name, std::string synopsis, std::string summary, CommandFn run)
    {
        Commands().push_back(
            { std::move(name), std::move(synopsis), std::move(summary), std::move(run) });
    }
};

// Prints "morvane-cli: " + message and the command's synopsis to standard error; returns
// kExitUsage.
int UsageError(const std::string &command, const std::string &message);

// Prints a failed writer's reason to standard error; answers the exit code for the result.
int ReportWritten(const TWriteResult &result);

} // namespace morvane::cli
