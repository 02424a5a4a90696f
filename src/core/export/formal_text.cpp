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
    return text;
}

std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width - std::min(width, Utf8Length(text)), ' ');
}

// "r1 =" before the first row; the column of input labels under it, the output labels across.
void WriteMatrix(const TTransition &t, std::string &out)
{
    const std::string name = "r" + t.GetIndex() + " = ";
    std::vector<std::string> rows;
    for (const auto &item : t.InIndex)
        rows.push_back(IndexEntryLabel(item));
    std::size_t rowWidth = 0;
    for (const auto &row : rows)
        rowWidth = std::max(rowWidth, Utf8Length(row));
    std::string header = name + std::string(rowWidth, ' ') + " |";
    std::string rule = std::string(Utf8Length(name), ' ') + std::string(rowWidth + 1, '-') + "+";
    for (const auto &item : t.OutIndex) {
        const std::string label = IndexEntryLabel(item);
        header += " " + label;
        rule += std::string(Utf8Length(label) + 1, '-');
    }
    out += header + kLineEnd + rule + kLineEnd;
    const std::string indent(Utf8Length(name), ' ');
    for (const auto &row : rows)
        out += indent + Padded(row, rowWidth) + " |" + kLineEnd;
}

} // namespace

std::string FormalDescriptionText(TDrawingObjects &net)
{
    net.RebuildConnections();
    std::string out;
    for (const TTransition *t : net.Transitions()) {
        if (!out.empty())
            out += kLineEnd;
        if (!t->Description.empty()) {
            std::string description = t->Description;
            std::replace(description.begin(), description.end(), '\r', ' ');
            for (std::size_t at = 0; (at = description.find('\n', at)) != std::string::npos;)
                description.replace(at, 1, kLineEnd), at += 2;
            out += description + kLineEnd;
        }
        out += t->selfLabel() + " = ⟨{" + Joined(t->InIndex) + "}, {" + Joined(t->OutIndex) + "}⟩"
            + kLineEnd;
        WriteMatrix(*t, out);
    }
    return out;
}

TWriteResult WriteFormalDescriptionText(TDrawingObjects &net, const std::string &path)
{
    return WriteFileAtomically(path, FormalDescriptionText(net));
}

} // namespace morvane
