// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <functional>
#include <string>
#include <vector>

namespace morvane {
class TDrawingObjects;
}

namespace morvane::cli {

class TOptionParser;

// The commands that describe a net as text: "NAME FILE [-o OUT]" prints `text` of the whole net,
// or with -o lets `write` write it to OUT whole or not at all. Both read the command's own
// options, `values`, from the parser.
int RunDescriptionCommand(const char *name, const std::vector<std::string> &args,
    const std::vector<std::string> &values,
    const std::function<std::string(TDrawingObjects &, const TOptionParser &)> &text,
    const std::function<TWriteResult(TDrawingObjects &, const std::string &, const TOptionParser &)>
        &write);

} // namespace morvane::cli
