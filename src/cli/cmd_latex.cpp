// SPDX-License-Identifier: MIT
// morvane-cli latex FILE: the net's LaTeX picture and formal description, with the settings the
// editor's export dialog offers.
#include "command.h"
#include "net_io.h"

#include "common/adjust_zoom.h"
#include "export/generate_name.h"
#include "export/latex_export.h"
#include "options/display_globals.h"
#include "options/real_options.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace morvane::cli {

namespace {

constexpr const char *kName = "latex";

struct TLaTeXSettings
{
    std::string input;
    std::string output;
    std::int32_t parts = 0;
    std::int32_t fontSize = 12;
    std::string unit = "0.25";
    std::string thickness = "0.04";
    std::int32_t scale = 8;
    std::int32_t mul = 1;
    std::int32_t div = 1;
    std::int32_t margins[4] = { 0, 0, 0, 0 }; // left, top, right, bottom
    bool triangle = false;
};

std::optional<std::int32_t> ParseInt(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Thrown for a bad command line; its text is the message shown above the synopsis.
struct TUsage : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::int32_t IntIn(
    const std::string &option, const std::string &text, std::int32_t low, std::int32_t high)
{
    const auto value = ParseInt(text);
    if (!value || *value < low || *value > high)
        throw TUsage(option + " takes a whole number from " + std::to_string(low) + " to "
            + std::to_string(high) + ", not \"" + text + "\"");
    return *value;
}

void ParseMargins(const std::string &text, std::int32_t (&margins)[4])
{
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const auto comma = text.find(',', start);
        if ((i < 3) == (comma == std::string::npos))
            throw TUsage("--margins takes four numbers: LEFT,TOP,RIGHT,BOTTOM");
        const std::string part
            = text.substr(start, comma == std::string::npos ? comma : comma - start);
        const auto value = ParseInt(part);
        if (!value || *value < 0 || *value > 100000)
            throw TUsage(
                "a margin is a whole number of pixels from 0 to 100000, not \"" + part + "\"");
        margins[i] = *value;
        start = comma + 1;
    }
}

TLaTeXSettings ParseArgs(const std::vector<std::string> &args)
{
    TLaTeXSettings s;
    const auto &g = Globals();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        auto value = [&]() -> const std::string & {
            if (i + 1 >= args.size())
                throw TUsage(arg + " needs a value");
            return args[++i];
        };
        if (arg == "-o")
            s.output = value();
        else if (arg == "--scheme")
            s.parts |= lpScheme;
        else if (arg == "--formal")
            s.parts |= lpFormal;
        else if (arg == "--font-size")
            s.fontSize = IntIn(arg, value(), 1, 999);
        else if (arg == "--unit")
            s.unit = value();
        else if (arg == "--thickness")
            s.thickness = value();
        else if (arg == "--scale")
            s.scale = IntIn(arg, value(), g.zMin, g.zMax);
        else if (arg == "--mul")
            s.mul = IntIn(arg, value(), 1, 99);
        else if (arg == "--div")
            s.div = IntIn(arg, value(), 1, 99);
        else if (arg == "--margins")
            ParseMargins(value(), s.margins);
        else if (arg == "--triangle")
            s.triangle = true;
        else if (arg.size() > 1 && arg[0] == '-')
            throw TUsage("unknown option " + arg);
        else if (s.input.empty())
            s.input = arg;
        else
            throw TUsage("latex takes one net file");
    }
    if (s.input.empty())
        throw TUsage("latex needs a net file");
    if (s.parts == 0)
        s.parts = lpScheme | lpFormal;
    return s;
}

// Beside the input, named as the export dialog first suggests it: the net's name with the
// extension of LaTeX files.
std::string DefaultOutput(const std::string &input)
{
    const std::filesystem::path path(input);
    const TGenerateName rule { 0, "", "tex", "NoNameT" };
    return (path.parent_path() / rule.GenerateFileName(path.stem().string())).string();
}

bool SameFile(const std::string &a, const std::string &b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// The net window's absolute zoom for the time of an export: the document takes the step as its
// base units, so object pixels are recomputed from grid cells, and the grid globals and the sizes
// scaled from them follow. The previous state comes back on leaving.
class TExportZoom
{
public:
    TExportZoom(TDrawingObjects &net, TRealOptions &options, std::int32_t step)
        : m_net(net)
        , m_options(options)
        , m_xUnit(net.xBaseUnit())
        , m_yUnit(net.yBaseUnit())
        , m_xGrid(Globals().xGrid)
        , m_yGrid(Globals().yGrid)
    {
        Apply(step, step, step, step);
    }
    ~TExportZoom() { Apply(m_xUnit, m_yUnit, m_xGrid, m_yGrid); }
    TExportZoom(const TExportZoom &) = delete;
    TExportZoom &operator=(const TExportZoom &) = delete;

private:
    void Apply(std::int32_t xUnit, std::int32_t yUnit, std::int32_t xGrid, std::int32_t yGrid)
    {
        m_net.SetxBaseUnit(xUnit);
        m_net.SetyBaseUnit(yUnit);
        Globals().xGrid = xGrid;
        Globals().yGrid = yGrid;
        m_options.ChangeXGrid(xGrid);
        m_options.ChangeYGrid(yGrid);
    }

    TDrawingObjects &m_net;
    TRealOptions &m_options;
    std::int32_t m_xUnit, m_yUnit, m_xGrid, m_yGrid;
};

void Export(TDrawingObjects &net, const TLaTeXSettings &s)
{
    TRealOptions options;
    options.SetDefaults();
    const TExportZoom zoom(net, options, s.scale);

    const TPoint topLeft = net.TopLeftCorner();
    const TPoint bottomRight = net.BottomRightCorner();
    const auto [left, top, right, bottom] = s.margins;

    TAdjustZoom &adjust = AdjustZoom();
    adjust.XMul = adjust.YMul = s.mul;
    adjust.XDiv = adjust.YDiv = s.div;
    adjust.XOrigin = left;
    adjust.YOrigin = top;
    TriangleHead() = s.triangle;

    TLaTeXExport exporter(&net, s.output);
    exporter.SetPictureSize(bottomRight.x - topLeft.x + right + left,
        bottomRight.y - topLeft.y + top + bottom, bottomRight.y);
    exporter.FontSize = s.fontSize;
    exporter.UnitLength = s.unit;
    exporter.LineThickness = s.thickness;
    exporter.Export(s.parts);
}

int RunLaTeX(const std::vector<std::string> &args)
{
    TLaTeXSettings s;
    try {
        s = ParseArgs(args);
    } catch (const TUsage &e) {
        return UsageError(kName, e.what());
    }
    if (s.output.empty())
        s.output = DefaultOutput(s.input);
    if (SameFile(s.input, s.output))
        return UsageError(kName, "the output would overwrite the net file " + s.input);

    TLoadedNet loaded;
    if (!LoadWholeNet(s.input, loaded))
        return kExitBadInput;
    try {
        Export(loaded.Net(), s);
    } catch (const std::exception &e) {
        std::cerr << "morvane-cli: " << e.what() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

const CommandRegistrar registrar(kName,
    "latex FILE [-o OUT] [--scheme] [--formal] [--font-size N] [--unit MM] [--thickness PT] "
    "[--scale N] [--mul N] [--div N] [--margins L,T,R,B] [--triangle]",
    "Writes the net as a LaTeX document: --scheme its picture, --formal the formal description\n"
    "      of its transitions, neither of them both in one document. OUT defaults to the net's\n"
    "      name with .tex, beside it. Defaults as in the export dialog: --font-size 12 (pt),\n"
    "      --unit 0.25 (mm), --thickness 0.04 (pt), --scale 8 (pixels per grid step, within the\n"
    "      zoom limits), --mul 1 and --div 1 (1 to 99), --margins 0,0,0,0 (pixels), arrow-tip\n"
    "      transition heads (--triangle draws three lines).",
    RunLaTeX);

} // namespace
} // namespace morvane::cli
