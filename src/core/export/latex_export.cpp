// SPDX-License-Identifier: MIT
#include "export/latex_export.h"

#include "common/text.h"
#include "format/atomic_file.h"
#include "model/drawing_objects.h"
#include "model/transition_matrices.h"
#include "options/display_globals.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace morvane {

std::pair<std::string, std::string> SplitAtFirstDigit(std::string_view label)
{
    const auto digit = label.find_first_of("0123456789");
    if (digit == std::string_view::npos)
        return { std::string(label), std::string() };
    return { std::string(label.substr(0, digit)), std::string(label.substr(digit)) };
}

std::string EscapeLaTeX(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool inLetters = false; // inside a run of non-ASCII bytes, boxed as text
    for (const char c : text) {
        const bool letter = static_cast<unsigned char>(c) >= 0x80;
        if (letter != inLetters) {
            // Cyrillic and other letters are text-font glyphs that math mode would drop.
            out += letter ? "\\mbox{" : "}";
            inLetters = letter;
        }
        switch (c) {
        case '_':
        case '&':
        case '%':
        case '#':
        case '$':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        // Text symbols, boxed so that they print in math mode too.
        case '~':
            out += "\\mbox{\\textasciitilde}";
            break;
        case '^':
            out += "\\mbox{\\textasciicircum}";
            break;
        case '\\':
            out += "\\mbox{\\textbackslash}";
            break;
        default:
            // A line break could end a paragraph inside math; DEL stops TeX as an invalid
            // character.
            const auto byte = static_cast<unsigned char>(c);
            out += byte < 0x20 || byte == 0x7f ? ' ' : c;
        }
    }
    if (inLetters)
        out += '}';
    return out;
}

static std::string ClassSizeOption(std::int32_t points)
{
    // The article class sets only 10, 11 and 12 points, and names 10 (its default) no option;
    // any other option stops LaTeX looking for a package of that name.
    const std::int32_t size = std::clamp(points, 10, 12);
    return size == 10 ? std::string() : "[" + std::to_string(size) + "pt]";
}

std::int64_t LargestPictureNumber(std::string_view unitLength)
{
    constexpr double kLargestPoints = 16383.99999;
    constexpr double kPointsPerMillimetre = 72.27 / 25.4;
    constexpr double kLargestTeXNumber = 2147483647.0;
    std::string text(unitLength);
    std::replace(text.begin(), text.end(), ',', '.'); // TeX reads either as the decimal point
    double millimetres = 0;
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, millimetres);
    if (parsed.ec != std::errc() || parsed.ptr != end || !(millimetres > 0))
        millimetres = 0.25; // the default unit
    return static_cast<std::int64_t>(
        std::min(kLargestPoints / (millimetres * kPointsPerMillimetre), kLargestTeXNumber));
}

namespace {

// The user's texts are escaped; the subscript around the index is the exporter's own markup.
std::string Subscripted(const std::string &name, const std::string &index)
{
    return EscapeLaTeX(name) + "_{" + EscapeLaTeX(index) + "}";
}

std::string SubscriptedLabel(std::string_view label)
{
    const auto [name, index] = SplitAtFirstDigit(label);
    return Subscripted(name, index);
}

const char *Sign(std::int32_t from, std::int32_t to)
{
    return to > from ? "1" : to < from ? "-1" : "0";
}

// A comment ends at the line break, so every line of a multi-line text needs its own "%".
std::vector<std::string> CommentLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const auto brk = text.find_first_of("\r\n", start);
        lines.push_back("% " + text.substr(start, brk - start));
        if (brk == std::string::npos)
            break;
        start = brk + (text.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// A name the mask made, printed with the mask's text before its first token as the letter and
// the rest as its subscript, the input's part and the output's part apart: w_{L_{1},L_{3}} for
// the long mask, w_{1,3} for the short one. Empty when the mask starts with a token or has none.
std::string MaskLaTeX(std::string_view mask, const TLabelParts &input, const TLabelParts &output)
{
    std::size_t first = 0;
    while (first < mask.size() && MaskTokenAt(mask, first) < 0)
        ++first;
    if (first == 0 || first == mask.size())
        return {};
    std::string sub, literal;
    int lastGroup = -1; // of the token just written, -1 after literal text
    for (std::size_t at = first; at < mask.size();) {
        const int tag = MaskTokenAt(mask, at);
        if (tag < 0) {
            literal += mask[at++];
            continue;
        }
        if (!literal.empty()) {
            sub += EscapeLaTeX(literal);
            literal.clear();
            lastGroup = -1;
        }
        const int group = tag / 2;
        if (lastGroup == 0 && group == 1)
            sub += ",";
        const TLabelParts &parts = group ? output : input;
        const std::size_t width = kMaskTokens[0].size();
        if (tag % 2 == 0 && MaskTokenAt(mask, at + width) == tag + 1) {
            sub += Subscripted(parts.Base, parts.Index);
            at += 2 * width;
        } else {
            sub += EscapeLaTeX(tag % 2 ? parts.Index : parts.Base);
            at += width;
        }
        lastGroup = group;
    }
    sub += EscapeLaTeX(literal);
    return EscapeLaTeX(mask.substr(0, first)) + "_{" + sub + "}";
}

std::string PredicateLaTeX(const TPredicateCell &cell, const TMatrixSettings &settings,
    const TLabelParts &input, const TLabelParts &output)
{
    if (cell.Value != TPredicateValue::Named)
        return "\\mathit{" + EscapeLaTeX(PredicateText(cell, settings)) + "}";
    if (!cell.Stored || cell.Name == MaskName(settings.Mask, input, output))
        if (std::string typeset = MaskLaTeX(settings.Mask, input, output); !typeset.empty())
            return typeset;
    return SubscriptedLabel(cell.Name);
}

// Labels subscripted, the operators as logical signs, anything else printed as it is.
std::string TypeLaTeX(std::string_view type)
{
    std::string out;
    for (const TTypeToken &token : TypeTokens(type)) {
        switch (token.Kind) {
        case TTypeToken::And:
            out += "\\wedge";
            break;
        case TTypeToken::Or:
            out += "\\vee";
            break;
        case TTypeToken::Word:
            out += SubscriptedLabel(token.Text);
            break;
        case TTypeToken::Other:
            out += EscapeLaTeX(token.Text);
            break;
        }
    }
    return out;
}

} // namespace

TLaTeXExport::TLaTeXExport(TDrawingObjects *document, std::string fileName, TLaTeXSettings settings)
    : Settings(std::move(settings))
    , m_document(document)
    , m_fileName(std::move(fileName))
{
}

void TLaTeXExport::SetPictureSize(std::int64_t width, std::int64_t height, std::int32_t bottom)
{
    m_pictureWidth = width;
    m_pictureHeight = height;
    m_pictureBottom = bottom;
}

void TLaTeXExport::Compose(std::int32_t options)
{
    m_lines.clear();
    m_largest = 0;
    m_document->RebuildConnections();
    m_lines.push_back("\\documentstyle" + ClassSizeOption(Settings.FontSize) + "{article}");
    // The index-matrix lines end in \spa, which no standard class defines; without it LaTeX stops.
    if (options & lpFormal)
        m_lines.push_back("\\providecommand{\\spa}{\\quad}");
    // The type's box sign, drawn with rules: LaTeX keeps \Box for a symbol package.
    if ((options & lpFormal) && WritesATypeLine())
        m_lines.push_back(
            "\\providecommand{\\typebox}{\\mathord{\\vbox{\\hrule\\hbox{\\vrule height "
            "1.4ex\\hskip 1.4ex\\vrule}\\hrule}}}");
    m_lines.push_back("\\begin{document}");
    m_lines.push_back("\\unitlength " + EscapeLaTeX(Settings.UnitLength) + "mm");
    m_lines.push_back("\\linethickness{" + EscapeLaTeX(Settings.LineThickness) + "pt}");
    if (options & lpScheme) {
        m_lines.push_back("\\begin{center}");
        m_lines.push_back("\\tiny");
        m_lines.push_back(
            "\\begin{picture}(" + Number(m_pictureWidth) + "," + Number(m_pictureHeight) + ")");
        WriteScheme();
        m_lines.push_back("\\end{picture} \\normalsize");
        m_lines.push_back("\\end{center}");
    }
    if (options & lpFormal)
        WriteFormalDescription();
    m_lines.push_back("\\end{document}");
    m_lines.push_back("%Generated by Morvane");
    UsePackagesForLetters();
}

// A document of plain ASCII keeps its classic preamble. Any other text is UTF-8, which needs the
// input encoding and a font encoding with Cyrillic glyphs; compatibility mode cannot load
// packages, so such a document names its class the current way.
void TLaTeXExport::UsePackagesForLetters()
{
    const bool plain = std::all_of(m_lines.begin(), m_lines.end(), [](const std::string &line) {
        return std::all_of(
            line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    });
    if (plain)
        return;
    m_lines.front() = "\\documentclass" + ClassSizeOption(Settings.FontSize) + "{article}";
    m_lines.insert(
        m_lines.begin() + 1, { "\\usepackage[T2A]{fontenc}", "\\usepackage[utf8]{inputenc}" });
}

TWriteResult TLaTeXExport::Export(std::int32_t options)
{
    Compose(options);
    const std::int64_t largest = LargestPictureNumber(Settings.UnitLength);
    if (m_largest > static_cast<std::uint64_t>(largest))
        return TWriteResult::Failed(TWriteStatus::EncodeFailed, m_fileName,
            "cannot write " + m_fileName + ": the picture reaches " + std::to_string(m_largest)
                + " units of " + Settings.UnitLength + "mm, but LaTeX holds at most "
                + std::to_string(largest) + " (16383.99999pt)");
    return Save();
}

std::string TLaTeXExport::Number(std::int64_t value)
{
    const auto magnitude
        = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    m_largest = std::max(m_largest, magnitude);
    return std::to_string(value);
}

std::string TLaTeXExport::Text() const
{
    std::string text;
    for (const auto &line : m_lines)
        text += line + "\r\n";
    return text;
}

TWriteResult TLaTeXExport::Save() const
{
    return WriteFileAtomically(m_fileName, Text());
}

void TLaTeXExport::WriteScheme()
{
    m_lines.push_back("%Transitions description");
    WriteTransitions();
    m_lines.push_back("%Places description");
    WritePositions();
    m_lines.push_back("%Arcs description");
    WriteArcs();
}

std::string TLaTeXExport::LabelLine(std::int32_t left, std::int32_t top, const std::string &label)
{
    const TAdjustZoom &zoom = Settings.Adjust;
    const std::int64_t y = m_pictureBottom - top + Globals().Lsize;
    return "\\put(" + Number(zoom.X(left)) + "," + Number(zoom.Y(y)) + "){\\makebox(0,0)[lc]{$"
        + SubscriptedLabel(label) + "$}}";
}

void TLaTeXExport::WriteTransitions()
{
    const TAdjustZoom &zoom = Settings.Adjust;
    const std::int32_t xt = Globals().XTsize;
    const std::int32_t half = xt >> 1;
    const std::int64_t b = m_pictureBottom;
    for (const auto &obj : m_document->Objects()) {
        if (obj->Kind() != okTransition)
            continue;
        m_lines.push_back(LabelLine(obj->Left(), obj->Top(), obj->selfLabel()));
        const std::string head = "\\put(" + Number(zoom.X(std::int64_t(obj->Left()) + half)) + ","
            + Number(zoom.Y(b - obj->Top() - half)) + ")";
        m_lines.push_back(head + "{\\line(0,-1){"
            + Number(zoom.YLength(std::int64_t(obj->Height()) - half)) + "}}");
        if (Settings.TriangleHead) {
            m_lines.push_back(head + "{\\line(1,1){" + Number(zoom.YLength(half)) + "}}");
            m_lines.push_back(head + "{\\line(-1,1){" + Number(zoom.YLength(half)) + "}}");
            m_lines.push_back("\\put(" + Number(zoom.X(obj->Left())) + ","
                + Number(zoom.Y(b - obj->Top())) + "){\\line(1,0){" + Number(zoom.XLength(xt))
                + "}}");
        } else {
            m_lines.push_back(head + "{\\vector(0,-1){0}}");
        }
    }
}

void TLaTeXExport::WritePositions()
{
    const TAdjustZoom &zoom = Settings.Adjust;
    const std::int32_t xp = Globals().XPsize;
    const std::int32_t half = xp >> 1;
    const std::string circle = "{\\circle{" + Number(zoom.XLength(xp)) + "}}";
    for (const auto &obj : m_document->Objects()) {
        if (obj->Kind() != okPosition)
            continue;
        m_lines.push_back(LabelLine(obj->Left(), obj->Top(), obj->selfLabel()));
        m_lines.push_back("\\put(" + Number(zoom.X(std::int64_t(obj->Left()) + half)) + ","
            + Number(zoom.Y(m_pictureBottom - obj->Top() - half)) + ")" + circle);
    }
}

void TLaTeXExport::WriteArcs()
{
    const TAdjustZoom &zoom = Settings.Adjust;
    for (const auto &obj : m_document->Objects()) {
        if (obj->Kind() != okArc)
            continue;
        const auto &arc = static_cast<const TArc &>(*obj);
        // Picture Y grows upwards, so the vertical sign is taken from Top towards Bottom reversed.
        const std::string direction = std::string("(") + Sign(arc.Left(), arc.Right()) + ","
            + Sign(arc.Bottom(), arc.Top()) + ")";
        const std::string length = arc.Height() == 0
            ? Number(zoom.XLength(std::abs(std::int64_t(arc.Right()) - arc.Left())))
            : Number(zoom.YLength(std::abs(std::int64_t(arc.Bottom()) - arc.Top())));
        m_lines.push_back("\\put(" + Number(zoom.X(arc.Left())) + ","
            + Number(zoom.Y(m_pictureBottom - arc.Top()))
            + (arc.Arrowed ? "){\\vector" : "){\\line") + direction + "{" + length + "}}");
    }
}

void TLaTeXExport::WriteFormalDescription()
{
    const TFormalSettings &formal = Settings.Formal;
    const std::int32_t parts = formal.Components;
    for (const TTransition *t : m_document->Transitions()) {
        if (!t->Description.empty())
            for (auto &line : CommentLines(t->Description))
                m_lines.push_back(std::move(line));

        const std::string index = t->GetIndex();
        auto joined = [](const TStringList &list) {
            std::string text;
            for (std::size_t i = 0; i < list.size(); ++i)
                text += (i ? "," : "") + SubscriptedLabel(IndexEntryLabel(list[i]));
            return "\\{" + text + "\\}";
        };
        std::vector<std::string> tuple;
        if (parts & tcInputs)
            tuple.push_back(joined(t->InIndex));
        if (parts & tcOutputs)
            tuple.push_back(joined(t->OutIndex));
        if (parts & tcActivation)
            tuple.push_back(std::to_string(t->ActivationT));
        if (parts & tcDuration)
            tuple.push_back(std::to_string(t->DurationT));
        if (!tuple.empty()) {
            std::string line = "$$" + Subscripted(t->GetBase(), index) + " = \\langle ";
            for (std::size_t i = 0; i < tuple.size(); ++i)
                line += (i ? "," : "") + tuple[i];
            m_lines.push_back(line + "\\rangle, $$");
        }
        if (parts & (tcPredicates | tcCapacities)) {
            const TTransitionMatrices m = DecodeMatrices(*t, formal.Matrices);
            if (parts & tcPredicates)
                WriteMatrix(*t, m, false);
            if (parts & tcCapacities)
                WriteMatrix(*t, m, true);
        }
        if ((parts & tcType) && !t->TrType.empty())
            m_lines.push_back(
                "$$\\typebox_{" + EscapeLaTeX(index) + "} = " + TypeLaTeX(t->TrType) + "$$");
    }
}

bool TLaTeXExport::WritesATypeLine() const
{
    return (Settings.Formal.Components & tcType)
        && std::any_of(m_document->Transitions().begin(), m_document->Transitions().end(),
            [](const TTransition *t) { return !t->TrType.empty(); });
}

void TLaTeXExport::WriteMatrix(const TTransition &t, const TTransitionMatrices &m, bool capacities)
{
    const TMatrixSettings &settings = Settings.Formal.Matrices;
    m_lines.push_back("$$");
    m_lines.push_back((capacities ? "M_{" : "r_{") + EscapeLaTeX(t.GetIndex())
        + "} = \\begin{array}{c|" + std::string(m.Outputs.size(), 'c') + "}");
    std::string header;
    if (!m.Inputs.empty())
        header.assign(Utf8Length(m.Inputs.front()) + 5, ' ');
    for (const auto &label : m.Outputs)
        header += "& " + SubscriptedLabel(label);
    m_lines.push_back(header + "\\\\ \\hline");
    for (std::size_t r = 0; r < m.Inputs.size(); ++r) {
        std::string row = SubscriptedLabel(m.Inputs[r]);
        const TLabelParts input = IndexEntryParts(t.InIndex[r]);
        for (std::size_t c = 0; c < m.Outputs.size(); ++c) {
            if (capacities) {
                const std::int32_t capacity = m.Capacity(r, c).Capacity;
                row += " & " + (capacity < 0 ? std::string("\\infty") : std::to_string(capacity));
            } else {
                row += " & "
                    + PredicateLaTeX(
                        m.Predicate(r, c), settings, input, IndexEntryParts(t.OutIndex[c]));
            }
        }
        m_lines.push_back(row + "\\\\");
    }
    m_lines.push_back("\\end{array} \\spa \\spa");
    m_lines.push_back("$$");
}

} // namespace morvane
