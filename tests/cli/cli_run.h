// SPDX-License-Identifier: MIT
#pragma once

#include "support/test_files.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace morvane::test {

struct CliRun
{
    int Exit = -1;
    std::string Out;
    std::string Err;
};

inline std::string ShellQuote(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs morvane-cli as a user would, with no standard input; both outputs are captured whole,
// unless standard output is sent to `stdoutPath` (such as /dev/full).
inline CliRun RunCli(const std::vector<std::string> &args, const std::string &stdoutPath = {})
{
    TempDir scratch;
    std::string command = ShellQuote(MORVANE_CLI);
    for (const auto &a : args)
        command += " " + ShellQuote(a);
    const std::string out = stdoutPath.empty() ? (scratch.Path() / "out").string() : stdoutPath;
    command += " </dev/null >" + ShellQuote(out) + " 2>"
        + ShellQuote((scratch.Path() / "err").string());
    const int status = std::system(command.c_str());
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(scratch.Path() / "out"),
        ReadFile(scratch.Path() / "err") };
}

// Standard output of a shell command, whatever it exits with.
inline std::string CommandOutput(const std::string &command)
{
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

} // namespace morvane::test
