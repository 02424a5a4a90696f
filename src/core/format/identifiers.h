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

// ASCII comparison without regard to letter case, as names in net streams are compared.
bool SameText(std::string_view a, std::string_view b);

} // namespace morvane
