// SPDX-License-Identifier: MIT
#include "description_command.h"

#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include <iostream>

namespace morvane::cli {

int RunDescriptionCommand(const char *name, const std::vector<std::string> &args,
    const std::vector<std::string> &values,
    const std::function<std::string(TDrawingObjects &, const TOptionParser &)> &text,
    const std::function<TWriteResult(TDrawingObjects &, const std::string &, const TOptionParser &)>
        &write)
{
    TOptionParser p(name);
    p.Value("o");
    for (const auto &value : values)
        p.Value(value);
    p.Parse(args);
    const std::string input = p.Positional(1, 1, "exactly one net file").front();
    const std::string output = p.Text("o");
    if (p.Has("o") && output.empty())
        throw TUsageError("-o needs one output file");
    RefuseOverwritingInput(input, output);

    TLoadedNet loaded;
    if (!LoadWholeNet(input, loaded))
        return kExitBadInput;
    if (!p.Has("o")) {
        std::cout << text(loaded.Net(), p);
        return kExitOk;
    }
    return ReportWritten(write(loaded.Net(), output, p));
}

} // namespace morvane::cli
