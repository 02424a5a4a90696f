// SPDX-License-Identifier: MIT
// morvane-cli formal FILE [-o OUT] [--components BITS]: the formal description of the net's
// transitions as text.
#include "command.h"
#include "description_command.h"
#include "option_parser.h"

#include "export/formal_text.h"

namespace morvane::cli {

namespace {

TFormalSettings Formal(const TOptionParser &p)
{
    TFormalSettings formal;
    formal.Components = p.Components();
    return formal;
}

int RunFormal(const std::vector<std::string> &args)
{
    return RunDescriptionCommand(
        "formal", args, { "components" },
        [](TDrawingObjects &net, const TOptionParser &p) {
            return FormalDescriptionText(net, Formal(p));
        },
        [](TDrawingObjects &net, const std::string &output, const TOptionParser &p) {
            return WriteFormalDescriptionText(net, output, Formal(p));
        });
}

const CommandRegistrar registrar("formal", "formal FILE [-o OUT] [--components BITS]",
    "Prints the formal description of every transition as plain UTF-8 text (its positions,\n"
    "      times, index matrices as tables and type; CR LF line ends) or writes it to OUT whole\n"
    "      or not at all. "
        + std::string(kComponentsHelp),
    RunFormal);

} // namespace
} // namespace morvane::cli
