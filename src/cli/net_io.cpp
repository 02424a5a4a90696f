// SPDX-License-Identifier: MIT
#include "net_io.h"

#include "format/post_read.h"

#include <iostream>
#include <ostream>

namespace morvane::cli {

TLoadOutcome LoadNet(const std::string &path, TLoadedNet &net, std::ostream &warnings)
{
    TMessageList &messages = net.Messages();
    messages.Clear();
    // Errors among the root's own properties reach the main window, which lists them with the
    // position just after the skipped value.
    const TReadResult result
        = ReadNetFile(path, net.Net(), [&messages](const std::string &text, std::size_t offset) {
              messages.Add(FormatRootError(text, offset));
          });
    if (result.Status == TReadStatus::OpenFailed)
        return { TLoadStatus::Unreadable, "cannot read " + path + ": " + result.Reason };

    for (const auto &line : messages.Lines)
        warnings << line.Text << '\n';
    RunPostReadSteps(net.Net());
    if (result.Status == TReadStatus::Fatal)
        return { TLoadStatus::Corrupted, "Corrupted file: " + result.Reason };
    return {};
}

bool LoadWholeNet(const std::string &path, TLoadedNet &net)
{
    const TLoadOutcome outcome = LoadNet(path, net, std::cerr);
    if (outcome.Status == TLoadStatus::Ok)
        return true;
    std::cerr << (outcome.Status == TLoadStatus::Unreadable ? "morvane-cli: " : "")
              << outcome.Message << '\n';
    return false;
}

} // namespace morvane::cli
