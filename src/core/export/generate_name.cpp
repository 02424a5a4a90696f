// SPDX-License-Identifier: MIT
#include "export/generate_name.h"

#include "common/text.h"

#include <algorithm>

namespace morvane {

std::string TGenerateName::GenerateFileName(std::string_view sourceFileName) const
{
    std::string name;
    if (sourceFileName.empty()) {
        name = DefaultName;
    } else {
        const auto slash = sourceFileName.find_last_of("/\\:");
        name = std::string(
            slash == std::string_view::npos ? sourceFileName : sourceFileName.substr(slash + 1));
        // Counted in characters, so that a cut never splits a multi-byte character.
        const std::size_t length = Utf8Length(name);
        const std::size_t cut = Cut > 0 ? std::min<std::size_t>(std::size_t(Cut), length) : 0;
        name.erase(Utf8Offset(name, length - cut));
    }
    return name + AddToName + "." + Extension;
}

} // namespace morvane
