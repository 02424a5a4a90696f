// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace morvane {

// Named colour and cursor constants of net files. Writing uses the first name that has the
// value; reading accepts every name in any letter case.
const char *ColorToIdent(std::uint32_t color);
std::optional<std::uint32_t> IdentToColor(std::string_view name);
const char *CursorToIdent(std::int32_t cursor);
std::optional<std::int32_t> IdentToCursor(std::string_view name);

// ASCII comparison without regard to letter case, as names in net streams are compared. Every
// property of every object read is looked up with it, so it is inline.
inline bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x == y)
            continue;
        if (x >= 'A' && x <= 'Z')
            x = char(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = char(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

} // namespace morvane
