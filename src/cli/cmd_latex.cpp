// SPDX-License-Identifier: MIT
// morvane-cli latex FILE: the net's LaTeX picture and formal description, with the settings the
// editor's export dialog offers.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "export/export_zoom.h"
#include "export/generate_name.h"
#include "export/latex_export.h"
#include "options/real_options.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace morvane::cli {

namespace {

constexpr const char *kName = "latex";

struct TLaTeXArgs
{
    std::string input;
    std::string output;
    std::int32_t parts = 0;
    std::int32_t scale = 8;
    std::array<std::int32_t, 4> margins {}; // left, top, right, bottom
    TLaTeXSettings latex;
};

// A length as TeX reads it: digits with at most one decimal point or comma.
std::string Decimal(const TOptionParser &p, const std::string &name, const std::string &fallback)
{
    const std::string text = p.Text(name, fallback);
    const auto separators
        = std::count_if(text.begin(), text.end(), [](char c) { return c == '.' || c == ','; });
    if (text.find_first_not_of("0123456789.,") != std::string::npos || separators > 1
        || text.size() == std::size_t(separators))
        throw TUsageError("--" + name + " must be a decimal number, not \"" + text + "\"");
    return text;
}

TLaTeXArgs ParseArgs(const std::vector<std::string> &args)
{
    TOptionParser p(kName);
    p.Value("o").Flag("scheme").Flag("formal").Value("font-size").Value("unit");
    p.Value("thickness").Value("scale").Value("mul").Value("div").Value("margins");
    p.Flag("triangle");
    for (const char *name : kFormalOptions)
        p.Value(name);
    p.Parse(args);
    TLaTeXArgs a;
    a.input = p.Positional(1, 1, "one net file").front();
    a.output = p.Text("o");
    a.parts = (p.Has("scheme") ? lpScheme : 0) | (p.Has("formal") ? lpFormal : 0);
    if (a.parts == 0)
        a.parts = lpScheme | lpFormal;
    a.scale = p.Scale(a.scale);
    a.margins = p.Margins();
    TLaTeXSettings &s = a.latex;
    s.FontSize = p.Int("font-size", s.FontSize, 1, 999);
    s.UnitLength = Decimal(p, "unit", s.UnitLength);
    s.LineThickness = Decimal(p, "thickness", s.LineThickness);
    s.Adjust.XMul = s.Adjust.YMul = p.Int("mul", 1, kMinFactor, kMaxFactor);
    s.Adjust.XDiv = s.Adjust.YDiv = p.Int("div", 1, kMinFactor, kMaxFactor);
    s.Adjust.XOrigin = a.margins[0];
    s.Adjust.YOrigin = a.margins[1];
    s.TriangleHead = p.Has("triangle");
    s.Formal = p.Formal();
    return a;
}

// Beside the input, named as the export dialog first suggests it: the net's name with the
// extension of LaTeX files.
std::string DefaultOutput(const std::string &input)
{
    const std::filesystem::path path(input);
    const TGenerateName rule { 0, "", "tex", "NoNameT" };
    return (path.parent_path() / rule.GenerateFileName(path.stem().string())).string();
}

TWriteResult Export(TDrawingObjects &net, const TLaTeXArgs &a)
{
    TRealOptions options;
    options.SetDefaults();
    const TExportZoom zoom(net, options, a.scale);
    const TPoint topLeft = zoom.TopLeft(), bottomRight = zoom.BottomRight();
    const auto [left, top, right, bottom] = a.margins;
    TLaTeXExport exporter(&net, a.output, a.latex);
    exporter.SetPictureSize(std::int64_t(bottomRight.x) - topLeft.x + right + left,
        std::int64_t(bottomRight.y) - topLeft.y + top + bottom, bottomRight.y);
    return exporter.Export(a.parts);
}

int RunLaTeX(const std::vector<std::string> &args)
{
    TLaTeXArgs a = ParseArgs(args);
    if (a.output.empty())
        a.output = DefaultOutput(a.input);
    RefuseOverwritingInput(a.input, a.output);

    TLoadedNet loaded;
    if (!LoadWholeNet(a.input, loaded))
        return kExitBadInput;
    const TWriteResult written = Export(loaded.Net(), a);
    const int code = ReportWritten(written);
    // A picture LaTeX cannot hold is a fault of the net, not of the output.
    return written.Status == TWriteStatus::EncodeFailed ? kExitBadInput : code;
}

const CommandRegistrar registrar(kName,
    "latex FILE [-o OUT] [--scheme] [--formal] [--font-size N] [--unit MM] [--thickness PT] "
    "[--scale N] [--mul N] [--div N] [--margins L,T,R,B] [--triangle] [--components BITS] [--mask "
    "MASK] [--constants T,F]",
    "Writes the net as a LaTeX document: --scheme its picture, --formal the formal description\n"
    "      of its transitions, neither of them both in one document. OUT defaults to the net's\n"
    "      name with .tex, beside it. Defaults as in the export dialog: --font-size 12 (pt),\n"
    "      --unit 0.25 (mm), --thickness 0.04 (pt), --scale 8 (pixels per grid step, within the\n"
    "      zoom limits), --mul 1 and --div 1 (1 to 99), --margins 0,0,0,0 (pixels, up to 100000),\n"
    "      arrow-tip transition heads (--triangle draws three lines).\n      "
        + std::string(kFormalHelp),
    RunLaTeX);

} // namespace
} // namespace morvane::cli
