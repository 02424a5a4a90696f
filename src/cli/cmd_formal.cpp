// SPDX-License-Identifier: MIT
// morvane-cli formal FILE [-o OUT]: the formal description of the net's transitions as text.
#include "command.h"
#include "description_command.h"

#include "export/formal_text.h"

namespace morvane::cli {

namespace {

int RunFormal(const std::vector<std::string> &args)
{
    return RunDescriptionCommand("formal", args, FormalDescriptionText, WriteFormalDescriptionText);
}

const CommandRegistrar registrar("formal", "formal FILE [-o OUT]",
    "Prints the formal description of every transition as plain UTF-8 text (its input and "
    "output positions and its index matrix as a table; CR LF line ends) or writes it to OUT "
    "whole or not at all.",
    RunFormal);

} // namespace
} // namespace morvane::cli
