// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace morvane::cli {

// A page coordinate as a whole number in the text and nothing else.
inline bool ParseCoordinate(const std::string &text, std::int32_t &value)
{
    const char *first = text.data(), *last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && first != last;
}

} // namespace morvane::cli
