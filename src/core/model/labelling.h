// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

class TDrawingObjects;

// One pass of running numbers. In Label and Index the first "#" marks where the number goes;
// without any mark the number ends the index.
struct TNumbering
{
    std::string Label;
    std::string Index;
    std::int32_t Start = 1;
    // Every object, or only the selected ones.
    bool All = true;
    // Numbered down the columns (by left, then top) instead of along the rows.
    bool Columns = false;
};

// Each labeller records a change of every object it touches in the document's current undo step
// and returns the number that would come next. Objects sharing a place are numbered once: only
// the first of them in list order.
std::int32_t LabelTransitions(TDrawingObjects &net, const TNumbering &numbering);
// With plain false the positions come grouped by the transition beside them, left to right, its
// inputs before its outputs, unconnected positions last. A renamed position's old label is
// rewritten to the new one in the type text of the transition it leads into; the matrix cells of
// every transition follow their positions.
std::int32_t LabelPositions(TDrawingObjects &net, const TNumbering &numbering, bool plain);

// Every occurrence of each old text replaced by its new one, found left to right in the original
// text (the longest old text wins where several start at one place); replaced text is not
// searched again.
struct TRename
{
    std::string Old;
    std::string New;
};
std::string RenameInText(const std::string &text, const TRename *renames, std::size_t count);

} // namespace morvane
