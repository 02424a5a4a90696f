// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The rule that derives an output file name from the net's file name: one per export format.
struct TGenerateName
{
    // Characters taken off the end of the source file name (its extension included).
    std::int32_t Cut = 0;
    std::string AddToName;
    // Without the dot.
    std::string Extension;
    // Stands for the name when there is no source file.
    std::string DefaultName;

    // Only the file-name part of the source counts (after the last "/", "\" or ":"), and only a
    // file name is returned: the caller decides the folder.
    std::string GenerateFileName(std::string_view sourceFileName) const;
};

} // namespace morvane
