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

// The commands that describe a net as text: "NAME FILE [-o OUT]" prints `text` of the whole net,
// or with -o lets `write` write it to OUT whole or not at all.
int RunDescriptionCommand(const char *name, const std::vector<std::string> &args,
    const std::function<std::string(TDrawingObjects &)> &text,
    const std::function<TWriteResult(TDrawingObjects &, const std::string &)> &write);

} // namespace morvane::cli
