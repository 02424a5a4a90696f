// SPDX-License-Identifier: MIT
// morvane-cli print FILE OUT.pdf: the net printed into a PDF file, as the editor prints it.
#include "command.h"
#include "gui_start.h"
#include "net_io.h"
#include "option_parser.h"
#include "render/net_print.h"

#include "format/atomic_file.h"
#include "options/page_sizes.h"
#include "options/real_options.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <iostream>

namespace morvane::cli {

namespace {

constexpr const char *kName = "print";
constexpr std::int32_t kMaxPaper = 10000; // millimetres a side

struct TPrintArgs
{
    std::string input;
    std::string output;
    TPrintSetup setup;
    int first = 0, last = 0;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// A named paper (the drawing page's sizes) or WIDTHxHEIGHT millimetres.
void ReadPaper(const std::string &text, TPrintSetup &s)
{
    static const std::array<std::pair<const char *, int>, 6> kNamed
        = { { { "a4", 0 }, { "a3", 1 }, { "a2", 2 }, { "a1", 3 }, { "a0", 4 }, { "letter", 5 } } };
    for (const auto &[name, entry] : kNamed)
        if (Lower(text) == name) {
            const TPageExtent units = PageSizeUnits(entry, false);
            s.PaperWidth = units.Width / 4.0;
            s.PaperHeight = units.Height / 4.0;
            return;
        }
    const auto x = Lower(text).find('x');
    if (x == std::string::npos)
        throw TUsageError(
            "--page is A4, A3, A2, A1, A0, Letter or WIDTHxHEIGHT in millimetres, not \"" + text
            + "\"");
    s.PaperWidth = WholeNumber(text.substr(0, x), "the paper width", 1, kMaxPaper);
    s.PaperHeight = WholeNumber(text.substr(x + 1), "the paper height", 1, kMaxPaper);
}

// One of the nine places by name, or X,Y millimetres from the printable area's corner.
void ReadAnchor(const std::string &text, TPrintSetup &s)
{
    static const std::array<const char *, 9> kNames = { "left-top", "center-top", "right-top",
        "left-center", "center", "right-center", "left-bottom", "center-bottom", "right-bottom" };
    const std::string name = Lower(text) == "center-center" ? "center" : Lower(text);
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name == kNames[i]) {
            s.Anchor = TPrintAnchor(i);
            return;
        }
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        throw TUsageError("--anchor is left-top, center-top, right-top, left-center, center, "
                          "right-center, left-bottom, center-bottom, right-bottom or X,Y, not \""
            + text + "\"");
    s.Anchor = TPrintAnchor::Custom;
    s.CustomLeft = WholeNumber(text.substr(0, comma), "the picture's left", 0, kMaxPaper);
    s.CustomTop = WholeNumber(text.substr(comma + 1), "the picture's top", 0, kMaxPaper);
}

void ReadPages(const std::string &text, TPrintArgs &a)
{
    const auto dash = text.find('-');
    a.first = WholeNumber(text.substr(0, dash), "the first sheet", 1, kMaxPrintPages);
    a.last = dash == std::string::npos
        ? a.first
        : WholeNumber(text.substr(dash + 1), "the last sheet", 1, kMaxPrintPages);
    if (a.last < a.first)
        throw TUsageError("--pages " + text + " runs backwards");
}

TPrintArgs ParseArgs(const std::vector<std::string> &args)
{
    TOptionParser p(kName);
    p.Value("page")
        .Flag("landscape")
        .Value("scale")
        .Flag("fit")
        .Value("anchor")
        .Value("margins")
        .Value("pages")
        .Parse(args);
    const auto &files = p.Positional(2, 2, "a net file and an output file");
    TPrintArgs a;
    a.input = files[0];
    a.output = files[1];
    RefuseOverwritingInput(a.input, a.output);
    if (Lower(a.output).size() < 4 || Lower(a.output).substr(a.output.size() - 4) != ".pdf")
        throw TUsageError("the output file must end in .pdf: " + a.output);
    if (p.Has("scale") && p.Has("fit"))
        throw TUsageError("--scale and --fit exclude each other");
    if (p.Has("page"))
        ReadPaper(p.Text("page"), a.setup);
    a.setup.Landscape = p.Has("landscape");
    a.setup.Scale = p.Int("scale", 8, 1, 99);
    if (p.Has("fit"))
        a.setup.Sizing = TPrintSizing::FullPage;
    if (p.Has("anchor"))
        ReadAnchor(p.Text("anchor"), a.setup);
    const auto margins = p.Margins();
    a.setup.MarginLeft = margins[0];
    a.setup.MarginTop = margins[1];
    a.setup.MarginRight = margins[2];
    a.setup.MarginBottom = margins[3];
    if (p.Has("pages"))
        ReadPages(p.Text("pages"), a);
    return a;
}

int RunPrint(const std::vector<std::string> &args)
{
    TRealOptions options;
    options.SetDefaults();
    const TPrintArgs a = ParseArgs(args);

    TLoadedNet loaded;
    if (!LoadWholeNet(a.input, loaded))
        return kExitBadInput;

    const auto gui = StartGui();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    std::string error;
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Morvane");
        pdf.setTitle("Generalized net");
        error = PrintNet(loaded.Net(), options, a.setup, {}, pdf, a.first, a.last);
    } // the writer finishes the file as it goes
    if (!error.empty())
        return UsageError(kName, error);
    return ReportWritten(
        WriteFileAtomically(a.output, std::string_view(bytes.constData(), bytes.size())));
}

const CommandRegistrar registrar(kName,
    "print FILE OUT.pdf [--page A4|A3|A2|A1|A0|Letter|WxH] [--landscape] [--scale N | --fit] "
    "[--anchor WHERE|X,Y] [--margins L,T,R,B] [--pages FROM-TO]",
    "Prints the net into a PDF file as the editor prints it: on A4 (or the paper given, in "
    "millimetres), at N:8 (default 8:8, a grid step a millimetre) or fitted to the page, placed "
    "at one of nine places of the printable area (default left-top; center-center is center) or "
    "X,Y millimetres into it, within margins in millimetres, over as many sheets as it needs.",
    RunPrint);

} // namespace
} // namespace morvane::cli
