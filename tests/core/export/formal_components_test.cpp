// SPDX-License-Identifier: MIT
#include "export/formal_components.h"
#include "export/formal_text.h"
#include "export/latex_test_net.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using FormalComponents = test::LaTeXTest;

// What the LaTeX document holds between its preamble and its end.
std::vector<std::string> LaTeXBody(TDrawingObjects &doc, const TFormalSettings &formal)
{
    TLaTeXSettings settings;
    settings.Formal = formal;
    TLaTeXExport exporter(&doc, "unused.tex", settings);
    exporter.Compose(lpFormal);
    const auto &lines = exporter.Lines();
    const auto first = std::find(lines.begin(), lines.end(), "\\linethickness{0.04pt}");
    const auto last = std::find(first, lines.end(), "\\end{document}");
    return { first + 1, last };
}

// The small net's Z1 with a constant, a named predicate, a capacity, times and a type.
TTransition &FilledSmallNet(TDrawingObjects &doc)
{
    test::BuildSmallNet(doc);
    doc.RebuildConnections();
    TTransition &t = *doc.Transitions().front();
    SetPredicate(t, 0, 0, ParsePredicateText("true", {}));
    SetPredicate(t, 1, 0, ParsePredicateText("W13", {}));
    SetCapacity(t, 0, 0, 5);
    t.ActivationT = 3;
    t.DurationT = 2;
    t.TrType = "L1 or L2";
    return t;
}

TEST_F(FormalComponents, EachBitWritesItsPartInBothForms)
{
    struct TCase
    {
        std::int32_t Bits;
        std::vector<std::string> LaTeX; // after the description comment
        const char *Text; // after the description line
    };
    const TCase cases[] = {
        { tcInputs, { "$$Z_{1} = \\langle \\{L_{1},L_{2}\\}\\rangle, $$" }, "Z1 = ⟨{L1, L2}⟩\r\n" },
        { tcOutputs, { "$$Z_{1} = \\langle \\{L_{3}\\}\\rangle, $$" }, "Z1 = ⟨{L3}⟩\r\n" },
        { tcActivation | tcDuration, { "$$Z_{1} = \\langle 3,2\\rangle, $$" }, "Z1 = ⟨3, 2⟩\r\n" },
        { tcPredicates,
            { "$$", "r_{1} = \\begin{array}{c|c}", "       & L_{3}\\\\ \\hline",
                "L_{1} & \\mathit{T}\\\\", "L_{2} & W_{13}\\\\", "\\end{array} \\spa \\spa", "$$" },
            "r1 =    | L3\r\n     ---+----\r\n     L1 | T\r\n     L2 | W13\r\n" },
        { tcCapacities,
            { "$$", "M_{1} = \\begin{array}{c|c}", "       & L_{3}\\\\ \\hline", "L_{1} & 5\\\\",
                "L_{2} & \\infty\\\\", "\\end{array} \\spa \\spa", "$$" },
            "M1 =    | L3\r\n     ---+---\r\n     L1 | 5\r\n     L2 | ∞\r\n" },
        { tcType, { "$$\\typebox_{1} = L_{1} \\vee L_{2}$$" }, "□1 = L1 ∨ L2\r\n" },
        { 0, {}, "" },
    };
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    FilledSmallNet(doc);
    for (const TCase &c : cases) {
        std::vector<std::string> latex { "% Merges the two queues" };
        latex.insert(latex.end(), c.LaTeX.begin(), c.LaTeX.end());
        EXPECT_EQ(LaTeXBody(doc, { c.Bits, {} }), latex) << c.Bits;
        EXPECT_EQ(FormalDescriptionText(doc, { c.Bits, {} }),
            std::string("Merges the two queues\r\n") + c.Text)
            << c.Bits;
    }
}

TEST_F(FormalComponents, PredicateNamesAreSubscriptedByTheirPositions)
{
    struct TCase
    {
        const char *Mask;
        const char *Stored; // the cell's stored text, if any
        const char *Printed;
    };
    const TCase cases[] = {
        { "w#{iN}#{iI}#{oN}#{oI}", "", "w_{L_{1},L_{3}}" },
        { "w#{iI}#{oI}", "", "w_{1,3}" },
        { "w#{iI}#{oI}", "w13", "w_{1,3}" }, // a name filled in from the mask
        { "p#{iI}x#{oI}", "", "p_{1x3}" },
        { "#{iN}#{iI}", "", "L_{1}" }, // no letter before the tokens: split as a label
        { "w#{iI}#{oI}", "a&b1", "a\\&b_{1}" },
        { "w#{iI}#{oI}", "False", "\\mathit{F}" },
    };
    for (const TCase &c : cases) {
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        test::BuildSmallNet(doc);
        doc.RebuildConnections();
        TFormalSettings formal { tcPredicates, { c.Mask } };
        if (*c.Stored)
            SetPredicate(*doc.Transitions().front(), 0, 0, ParsePredicateText(c.Stored, {}));
        EXPECT_EQ(LaTeXBody(doc, formal).at(4), std::string("L_{1} & ") + c.Printed + "\\\\")
            << c.Mask << " " << c.Stored;
    }
}

TEST_F(FormalComponents, ComponentListsAndNumbers)
{
    const std::pair<const char *, std::optional<std::int32_t>> cases[] = {
        { "4,8,64,256", kDefaultComponents },
        { "332", kDefaultComponents },
        { "508", kAllComponents },
        { "0", 0 },
        { "3", std::nullopt }, // the document parts are no components
        { "12,4", std::nullopt }, // a list names single components
        { "4,,8", std::nullopt },
        { "", std::nullopt },
        { "-4", std::nullopt },
    };
    for (const auto &[text, bits] : cases)
        EXPECT_EQ(ParseComponents(text), bits) << text;
}

TEST_F(FormalComponents, PdfLaTeXCompilesEveryComponentWithHostileTexts)
{
    if (!test::HavePdfLaTeX())
        GTEST_SKIP() << "pdflatex is not installed";
    test::TempDir dir;
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    TTransition &t = FilledSmallNet(doc);
    test::PlaceNode<TPosition>(doc, 280, 232, "Выход_&%#$~^{}\\2");
    test::AddPiece(doc, 192, 190, 280, 248);
    doc.RebuildConnections();
    SetPredicate(t, 1, 1, ParsePredicateText("Предикат_&%#$~^{}\\9", {}));
    t.TrType = "(L1 and \\x_&%#$~^{}) or Выход";
    const auto path = dir.Path() / "all.tex";
    TLaTeXSettings settings;
    settings.Formal.Components = kAllComponents;
    settings.Formal.Matrices.Mask = "в#{iN}#{iI}#{oN}#{oI}";
    TLaTeXExport exporter(&doc, path.string(), settings);
    ASSERT_TRUE(exporter.Export(lpFormal));
    const bool compiled = test::CompilesWithPdfLaTeX(path);
    const std::string log = test::ReadFile(dir.Path() / "all.log");
    EXPECT_TRUE(compiled) << log;
    for (const char *lostGlyph : { "invalid in math mode", "Missing character" })
        EXPECT_EQ(log.find(lostGlyph), std::string::npos) << log;
}

} // namespace
} // namespace morvane
