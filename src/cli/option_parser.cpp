// SPDX-License-Identifier: MIT
#include "option_parser.h"

#include "options/display_globals.h"

#include <QCommandLineParser>

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace morvane::cli {

namespace {

std::optional<std::int32_t> ParseInt(const std::string &text)
{
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

std::string OptionName(const std::string &name)
{
    return (name.size() == 1 ? "-" : "--") + name;
}

} // namespace

std::int32_t WholeNumber(
    const std::string &text, const std::string &what, std::int32_t low, std::int32_t high)
{
    const auto value = ParseInt(text);
    if (!value || *value < low || *value > high)
        throw TUsageError(what + " takes a whole number from " + std::to_string(low) + " to "
            + std::to_string(high) + ", not \"" + text + "\"");
    return *value;
}

void RefuseOverwritingInput(const std::string &input, const std::string &output)
{
    // The same device and inode, whatever the names: no string comparison sees through links.
    std::error_code ec;
    if (!output.empty() && std::filesystem::equivalent(input, output, ec))
        throw TUsageError("the output would overwrite the input file " + input);
}

struct TOptionParser::State
{
    std::string command;
    QCommandLineParser parser;
    std::set<std::string> valued;
};

TOptionParser::TOptionParser(std::string command)
    : m(std::make_unique<State>())
{
    m->command = std::move(command);
    m->parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

TOptionParser::~TOptionParser() = default;

TOptionParser &TOptionParser::Flag(const std::string &name)
{
    m->parser.addOption(QCommandLineOption(QString::fromStdString(name)));
    return *this;
}

TOptionParser &TOptionParser::Value(const std::string &name)
{
    m->parser.addOption(QCommandLineOption(QString::fromStdString(name), {}, "value"));
    m->valued.insert(name);
    return *this;
}

void TOptionParser::Parse(const std::vector<std::string> &args)
{
    // Qt's parser would take "-5" for an option; negative numbers are set aside as positional
    // arguments unless they are an option's value, and put back in their place afterwards.
    QStringList qtArgs { QString::fromStdString(m->command) };
    std::map<std::size_t, std::string> negatives;
    bool valueNext = false;
    std::size_t positionals = 0;
    for (const std::string &arg : args) {
        const bool dashed = arg.size() > 1 && arg[0] == '-';
        if (!valueNext && dashed && ParseInt(arg)) {
            negatives.emplace(positionals++, arg);
            continue;
        }
        if (!valueNext && !dashed)
            ++positionals;
        const std::string name = dashed ? arg.substr(arg[1] == '-' ? 2 : 1) : std::string();
        valueNext = !valueNext && dashed && m->valued.count(name) > 0;
        qtArgs << QString::fromStdString(arg);
    }
    if (!m->parser.parse(qtArgs))
        throw TUsageError(m->parser.errorText().toStdString());
    const QStringList found = m->parser.optionNames();
    for (const QString &name : found)
        if (found.count(name) > 1)
            throw TUsageError(OptionName(name.toStdString()) + " is given twice");
    m_positional.clear();
    for (const QString &arg : m->parser.positionalArguments()) {
        while (negatives.count(m_positional.size()))
            m_positional.push_back(negatives[m_positional.size()]);
        m_positional.push_back(arg.toStdString());
    }
    while (negatives.count(m_positional.size()))
        m_positional.push_back(negatives[m_positional.size()]);
}

bool TOptionParser::Has(const std::string &name) const
{
    return m->parser.isSet(QString::fromStdString(name));
}

std::string TOptionParser::Text(const std::string &name, const std::string &fallback) const
{
    if (!Has(name))
        return fallback;
    return m->parser.value(QString::fromStdString(name)).toStdString();
}

std::int32_t TOptionParser::Int(
    const std::string &name, std::int32_t fallback, std::int32_t low, std::int32_t high) const
{
    if (!Has(name))
        return fallback;
    return WholeNumber(Text(name), OptionName(name), low, high);
}

std::int32_t TOptionParser::Scale(std::int32_t fallback) const
{
    if (!Has("scale"))
        return fallback;
    const TDisplayGlobals &g = Globals();
    const std::string text = Text("scale");
    const auto value = ParseInt(text);
    if (!value)
        throw TUsageError("--scale takes a whole number, not \"" + text + "\"");
    if (*value < g.zMin || *value > g.zMax)
        throw TUsageError("--scale " + text + " is outside the zoom limits "
            + std::to_string(g.zMin) + " to " + std::to_string(g.zMax));
    return *value;
}

std::array<std::int32_t, 4> TOptionParser::Margins() const
{
    std::array<std::int32_t, 4> margins {};
    if (!Has("margins"))
        return margins;
    const std::string text = Text("margins");
    std::size_t start = 0;
    for (std::size_t i = 0; i < margins.size(); ++i) {
        const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string::npos || (i == 3 && text.find(',', start) != std::string::npos))
            throw TUsageError("--margins takes four numbers: LEFT,TOP,RIGHT,BOTTOM");
        margins[i] = WholeNumber(text.substr(start, comma - start), "a margin", 0, kMaxMargin);
        start = comma + 1;
    }
    return margins;
}

TFormalSettings TOptionParser::Formal() const
{
    TFormalSettings formal;
    if (Has("components")) {
        const auto bits = ParseComponents(Text("components"));
        if (!bits)
            throw TUsageError("--components takes bits of 4,8,16,32,64,128,256 or their sum, not \""
                + Text("components") + "\"");
        formal.Components = *bits;
    }
    formal.Matrices.Mask = Text("mask", formal.Matrices.Mask);
    if (Has("constants")) {
        const std::string text = Text("constants");
        const auto comma = text.find(',');
        if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
            throw TUsageError("--constants takes two texts: TRUE,FALSE");
        formal.Matrices.TrueText = text.substr(0, comma);
        formal.Matrices.FalseText = text.substr(comma + 1);
    }
    return formal;
}

const std::vector<std::string> &TOptionParser::Positional(
    std::size_t least, std::size_t most, const std::string &what) const
{
    if (m_positional.size() < least || m_positional.size() > most)
        throw TUsageError(m->command + " takes " + what);
    return m_positional;
}

} // namespace morvane::cli
