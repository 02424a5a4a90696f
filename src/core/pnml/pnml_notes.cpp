// SPDX-License-Identifier: MIT
#include "pnml/pnml_notes.h"

namespace morvane {

namespace {

constexpr const char *kPrefix = "pnml ";

void AddLine(std::string &description, const std::string &line)
{
    if (!description.empty() && description.back() != '\n')
        description += '\n';
    description += kPrefix + line;
}

bool Take(const std::string &line, const std::string &key, std::string &rest)
{
    if (line.compare(0, key.size(), key) != 0)
        return false;
    rest = line.substr(key.size());
    return true;
}

} // namespace

void AppendPnmlNotes(std::string &description, const TPnmlNotes &notes)
{
    if (!notes.Id.empty())
        AddLine(description, "id=" + notes.Id);
    if (!notes.Marking.empty())
        AddLine(description, "marking=" + notes.Marking);
    for (const auto &[label, text] : notes.In)
        AddLine(description, "in " + label + "=" + text);
    for (const auto &[label, text] : notes.Out)
        AddLine(description, "out " + label + "=" + text);
    for (const auto &tool : notes.Tools)
        AddLine(description, "tool=" + tool);
}

TPnmlNotes ParsePnmlNotes(const std::string &description)
{
    TPnmlNotes notes;
    std::size_t i = 0;
    while (i < description.size()) {
        std::size_t end = description.find('\n', i);
        if (end == std::string::npos)
            end = description.size();
        std::string line = description.substr(i, end - i);
        i = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string rest;
        if (!Take(line, kPrefix, line))
            continue;
        if (Take(line, "id=", rest))
            notes.Id = rest;
        else if (Take(line, "marking=", rest))
            notes.Marking = rest;
        else if (Take(line, "tool=", rest))
            notes.Tools.push_back(rest);
        else if (Take(line, "in ", rest) || Take(line, "out ", rest)) {
            // A label holds no '='; the inscription may.
            const std::size_t eq = rest.find('=');
            if (eq == std::string::npos)
                continue;
            (line[0] == 'i' ? notes.In : notes.Out)
                .emplace_back(rest.substr(0, eq), rest.substr(eq + 1));
        }
    }
    return notes;
}

} // namespace morvane
