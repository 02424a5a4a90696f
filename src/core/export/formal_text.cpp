// SPDX-License-Identifier: MIT
#include "formal_text.h"

#include "common/text.h"
#include "export/latex_export.h"
#include "format/atomic_file.h"
#include "model/drawing_objects.h"
#include "model/transition_matrices.h"

#include <algorithm>
#include <vector>

namespace morvane {

namespace {

constexpr const char *kLineEnd = "\r\n";

std::string Joined(const TStringList &list)
{
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i)
        text += (i ? ", " : "") + IndexEntryLabel(list[i]);
    return "{" + text + "}";
}

std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width - std::min(width, Utf8Length(text)), ' ');
}

// "r1 =" before the first row; the column of input labels under it, the output labels across,
// each column as wide as its widest entry.
void WriteMatrix(const std::string &name, const TTransitionMatrices &m,
    const std::vector<std::string> &cells, std::string &out)
{
    std::size_t rowWidth = 0;
    for (const auto &row : m.Inputs)
        rowWidth = std::max(rowWidth, Utf8Length(row));
    std::vector<std::size_t> widths;
    for (const auto &label : m.Outputs)
        widths.push_back(Utf8Length(label));
    for (std::size_t i = 0; i < cells.size(); ++i)
        widths[i % widths.size()] = std::max(widths[i % widths.size()], Utf8Length(cells[i]));
    // The last column is not padded: no line ends in blanks.
    const auto column = [&](const std::string &text, std::size_t c) {
        return " " + (c + 1 < widths.size() ? Padded(text, widths[c]) : text);
    };
    std::string header = name + std::string(rowWidth, ' ') + " |";
    std::string rule = std::string(Utf8Length(name), ' ') + std::string(rowWidth + 1, '-') + "+";
    for (std::size_t c = 0; c < m.Outputs.size(); ++c) {
        header += column(m.Outputs[c], c);
        rule += std::string(widths[c] + 1, '-');
    }
    out += header + kLineEnd + rule + kLineEnd;
    const std::string indent(Utf8Length(name), ' ');
    for (std::size_t r = 0; r < m.Inputs.size(); ++r) {
        out += indent + Padded(m.Inputs[r], rowWidth) + " |";
        for (std::size_t c = 0; c < m.Outputs.size(); ++c)
            out += column(cells[r * m.Outputs.size() + c], c);
        out += kLineEnd;
    }
}

std::string TypeText(std::string_view type)
{
    std::string out;
    for (const TTypeToken &token : TypeTokens(type))
        out += token.Kind == TTypeToken::And ? "∧"
            : token.Kind == TTypeToken::Or   ? "∨"
                                             : token.Text;
    return out;
}

void WriteTransition(const TTransition &t, const TFormalSettings &formal, std::string &out)
{
    const std::int32_t parts = formal.Components;
    if (!t.Description.empty()) {
        std::string description = t.Description;
        std::replace(description.begin(), description.end(), '\r', ' ');
        for (std::size_t at = 0; (at = description.find('\n', at)) != std::string::npos;)
            description.replace(at, 1, kLineEnd), at += 2;
        out += description + kLineEnd;
    }
    std::vector<std::string> tuple;
    if (parts & tcInputs)
        tuple.push_back(Joined(t.InIndex));
    if (parts & tcOutputs)
        tuple.push_back(Joined(t.OutIndex));
    if (parts & tcActivation)
        tuple.push_back(std::to_string(t.ActivationT));
    if (parts & tcDuration)
        tuple.push_back(std::to_string(t.DurationT));
    if (!tuple.empty()) {
        out += t.selfLabel() + " = ⟨";
        for (std::size_t i = 0; i < tuple.size(); ++i)
            out += (i ? ", " : "") + tuple[i];
        out += std::string("⟩") + kLineEnd;
    }
    if (parts & (tcPredicates | tcCapacities)) {
        const TTransitionMatrices m = DecodeMatrices(t, formal.Matrices);
        if (parts & tcPredicates) {
            std::vector<std::string> cells;
            for (const auto &cell : m.Predicates)
                cells.push_back(PredicateText(cell, formal.Matrices));
            WriteMatrix("r" + t.GetIndex() + " = ", m, cells, out);
        }
        if (parts & tcCapacities) {
            std::vector<std::string> cells;
            for (const auto &cell : m.Capacities)
                cells.push_back(cell.Capacity < 0 ? "∞" : std::to_string(cell.Capacity));
            WriteMatrix("M" + t.GetIndex() + " = ", m, cells, out);
        }
    }
    if ((parts & tcType) && !t.TrType.empty())
        out += "□" + t.GetIndex() + " = " + TypeText(t.TrType) + kLineEnd;
}

} // namespace

std::string FormalDescriptionText(TDrawingObjects &net, const TFormalSettings &formal)
{
    net.RebuildConnections();
    std::string out;
    for (const TTransition *t : net.Transitions()) {
        if (!out.empty())
            out += kLineEnd;
        WriteTransition(*t, formal, out);
    }
    return out;
}

TWriteResult WriteFormalDescriptionText(
    TDrawingObjects &net, const std::string &path, const TFormalSettings &formal)
{
    return WriteFileAtomically(path, FormalDescriptionText(net, formal));
}

} // namespace morvane
