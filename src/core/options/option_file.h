// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"

#include <string>
#include <vector>

namespace morvane {

// The options as a text configuration file: one section per dialog page, one "name=value" line
// per setting; booleans as 0 or 1, colours as 0x followed by eight hexadecimal digits, texts as
// they are. Meant to be read and edited by people and kept in version control.
std::string WriteOptionFile(const TOptionSet &options);

// Reads a text configuration file over `options`: every setting the text gives with a good value
// replaces the one in `options`, the rest stay. Unknown sections and names, values of the wrong
// form or out of range, and lines that are no setting at all are passed over; each gives one line
// in `problems` naming the line number.
void ReadOptionFile(
    const std::string &text, TOptionSet &options, std::vector<std::string> &problems);

} // namespace morvane
