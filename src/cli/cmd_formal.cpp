// SPDX-License-Identifier: MIT
// morvane-cli formal FILE [-o OUT] [--components BITS] [--mask MASK] [--constants T,F]: the
// formal description of the net's transitions as text.
#include "command.h"
#include "description_command.h"
#include "option_parser.h"

#include "export/formal_text.h"

namespace morvane::cli {

namespace {

int RunFormal(const std::vector<std::string> &args)
{
    return RunDescriptionCommand(
        "formal", args, { std::begin(kFormalOptions), std::end(kFormalOptions) },
        [](TDrawingObjects &net, const TOptionParser &p) {
            return FormalDescriptionText(net, p.Formal());
        },
        [](TDrawingObjects &net, const std::string &output, const TOptionParser &p) {
            return WriteFormalDescriptionText(net, output, p.Formal());
        });
}

const CommandRegistrar registrar("formal",
    "formal FILE [-o OUT] [--components BITS] [--mask MASK] [--constants T,F]",
    "Prints the formal description of every transition as plain UTF-8 text (its positions,\n"
    "      times, index matrices as tables and type; CR LF line ends) or writes it to OUT whole\n"
    "      or not at all.\n      "
        + std::string(kFormalHelp),
    RunFormal);

} // namespace
} // namespace morvane::cli
