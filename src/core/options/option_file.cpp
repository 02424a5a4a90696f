// SPDX-License-Identifier: MIT
#include "options/option_file.h"

#include "common/text.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string_view>
#include <type_traits>

namespace morvane {

namespace {

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

template <class T> std::optional<T> Number(std::string_view text, int base)
{
    T v {};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::string Text(bool v)
{
    return v ? "1" : "0";
}
std::string Text(std::int32_t v)
{
    return std::to_string(v);
}
std::string Text(const std::string &v)
{
    return v;
}
std::string Text(TColor v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", unsigned(v));
    return buf;
}

bool Parse(std::string_view text, bool &field)
{
    if (text == "1" || SameAsciiText(text, "true"))
        field = true;
    else if (text == "0" || SameAsciiText(text, "false"))
        field = false;
    else
        return false;
    return true;
}
bool Parse(std::string_view text, std::int32_t &field, TIntRange range)
{
    const auto v = Number<std::int32_t>(text, 10);
    if (!v || *v < range.Min || *v > range.Max)
        return false;
    field = *v;
    return true;
}
bool Parse(std::string_view text, std::string &field)
{
    field = std::string(text);
    return true;
}
bool Parse(std::string_view text, TColor &field)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const auto v
        = hex ? Number<std::uint32_t>(text.substr(2), 16) : Number<std::uint32_t>(text, 10);
    if (!v)
        return false;
    field = *v;
    return true;
}

} // namespace

std::string WriteOptionFile(const TOptionSet &options)
{
    std::string out = "; Morvane options\n";
    std::string_view section;
    VisitOptions(options,
        [&](std::string_view page, const std::string &name, const auto &field, auto... /*range*/) {
            if (page != section) {
                out += "\n[" + std::string(page) + "]\n";
                section = page;
            }
            out += name + "=" + Text(field) + "\n";
        });
    return out;
}

void ReadOptionFile(
    const std::string &text, TOptionSet &options, std::vector<std::string> &problems)
{
    std::istringstream in(text);
    std::string line;
    std::string section;
    bool knownSection = false;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string_view s = Trim(line);
        const std::string where = "Options file line " + std::to_string(number) + ": ";
        if (s.empty() || s.front() == ';' || s.front() == '#')
            continue;
        if (s.front() == '[') {
            section = std::string(Trim(s.substr(1, s.find(']') - 1)));
            knownSection = false;
            VisitOptions(options, [&](std::string_view page, auto &&...) {
                knownSection = knownSection || SameAsciiText(page, section);
            });
            if (s.back() != ']' || !knownSection)
                problems.push_back(where + "unknown section [" + section + "]");
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string_view::npos) {
            problems.push_back(where + "not a setting: " + std::string(s));
            continue;
        }
        if (!knownSection)
            continue; // reported once, at the section's heading
        const std::string_view name = Trim(s.substr(0, eq));
        const std::string_view value = Trim(s.substr(eq + 1));
        bool found = false, good = false;
        VisitOptions(options,
            [&](std::string_view page, const std::string &key, auto &field, auto... range) {
                if (found || !SameAsciiText(page, section) || !SameAsciiText(key, name))
                    return;
                found = true;
                auto parsed = field;
                good = Parse(value, parsed, range...);
                if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
                    good = good && (&field != &options.Scheme || IsSchemeName(parsed));
                if (good)
                    field = parsed;
            });
        if (!found)
            problems.push_back(
                where + "unknown setting " + std::string(name) + " in [" + section + "]");
        else if (!good)
            problems.push_back(where + "bad value \"" + std::string(value) + "\" for "
                + std::string(name) + " in [" + section + "]");
    }
}

} // namespace morvane
