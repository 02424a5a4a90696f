// SPDX-License-Identifier: MIT
#include "export/formal_components.h"

#include "common/text.h"

#include <charconv>

namespace morvane {

namespace {

bool WordByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
        || static_cast<unsigned char>(c) >= 0x80;
}

std::optional<std::int32_t> Number(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0
        || (value & ~kAllComponents))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int32_t> ParseComponents(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return Number(text);
    std::int32_t bits = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto bit = Number(text.substr(start, comma - start));
        // Each item is one component, not a sum of them.
        if (!bit || *bit == 0 || (*bit & (*bit - 1)))
            return std::nullopt;
        bits |= *bit;
        start = comma + 1;
    }
    return bits;
}

std::vector<TTypeToken> TypeTokens(std::string_view type)
{
    std::vector<TTypeToken> tokens;
    for (std::size_t at = 0; at < type.size();) {
        const bool word = WordByte(type[at]);
        std::size_t end = at;
        while (end < type.size() && WordByte(type[end]) == word)
            ++end;
        const std::string_view text = type.substr(at, end - at);
        const auto kind = !word          ? TTypeToken::Other
            : SameAsciiText(text, "and") ? TTypeToken::And
            : SameAsciiText(text, "or")  ? TTypeToken::Or
                                         : TTypeToken::Word;
        tokens.push_back({ kind, std::string(text) });
        at = end;
    }
    return tokens;
}

} // namespace morvane
