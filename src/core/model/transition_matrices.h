// SPDX-License-Identifier: MIT
#pragma once

#include "export/name_mask.h"
#include "model/drawing_object.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

class TDrawingObjects;

// A transition's predicate matrix, arc capacities and characteristic functions live in its text
// lists Predicates, Capacities and CharFn, one cell per item. An item's fields are separated by
// tabs; inside a field a backslash is written "\\" and a tab "\t":
//   Predicates  input label, output label, value, definition (optional)
//               value: a predicate name, or one of the words true and false
//   Capacities  input label, output label, a natural number or inf
//   CharFn      output label, name, description
// A pair of positions without an item has the default cell. An item that does not decode is kept
// as it is, written back unchanged and otherwise ignored; of two items for one cell the first
// counts. Labels are those of the positions in the transition's index lists.

// How default cells are named and how constants are shown. The UI keeps it with the other
// options; the exporters take it as a parameter.
struct TMatrixSettings
{
    std::string Mask { kLongMask };
    std::string TrueText = "T";
    std::string FalseText = "F";

    bool operator==(const TMatrixSettings &) const = default;
};

enum class TPredicateValue : std::uint8_t { Named, True, False };

struct TPredicateCell
{
    bool Stored = false;
    TPredicateValue Value = TPredicateValue::Named;
    // The stored name, or for a default cell the one the mask gives.
    std::string Name;
    std::string Definition;
};

// An unstored capacity is unlimited.
inline constexpr std::int32_t kDefaultArcCapacity = -1;

struct TCapacityCell
{
    bool Stored = false;
    // Negative: unlimited ("inf").
    std::int32_t Capacity = kDefaultArcCapacity;
};

struct TCharFn
{
    bool Stored = false;
    std::string Name;
    std::string Description;
};

// One transition's matrices as the user sees them: a row per entry of InIndex, a column per
// entry of OutIndex.
struct TTransitionMatrices
{
    std::vector<std::string> Inputs;
    std::vector<std::string> Outputs;
    std::vector<TPredicateCell> Predicates; // row by row
    std::vector<TCapacityCell> Capacities; // row by row
    std::vector<TCharFn> CharFns; // one per output

    const TPredicateCell &Predicate(std::size_t row, std::size_t column) const
    {
        return Predicates[row * Outputs.size() + column];
    }
    const TCapacityCell &Capacity(std::size_t row, std::size_t column) const
    {
        return Capacities[row * Outputs.size() + column];
    }
};

// A transition's index lists name their positions; the position's own label is the truth while
// it is attached, the stored text otherwise.
std::string IndexEntryLabel(const TStringItem &item);

// A label's base and index as the label model splits it: the attached position's own split,
// else the one its text gives.
struct TLabelParts
{
    std::string Base;
    std::string Index;
};
TLabelParts IndexEntryParts(const TStringItem &item);

// The name the mask gives the cell of these two positions.
std::string MaskName(std::string_view mask, const TLabelParts &input, const TLabelParts &output);

TTransitionMatrices DecodeMatrices(const TTransition &t, const TMatrixSettings &settings);

// What a cell shows: its name, or the text of its constant.
std::string PredicateText(const TPredicateCell &cell, const TMatrixSettings &settings);
// What the user typed into a cell: the constant texts (either form, any letter case) mean the
// constants, anything else is a name.
TPredicateCell ParsePredicateText(std::string_view text, const TMatrixSettings &settings);

// The operations the editor offers. Rows and columns index InIndex and OutIndex; one out of range
// changes nothing. Each answers whether the lists changed; recording the change for undo is the
// caller's part.
bool SetPredicate(TTransition &t, std::size_t row, std::size_t column, const TPredicateCell &cell);
bool ClearPredicate(TTransition &t, std::size_t row, std::size_t column);
bool SetCapacity(TTransition &t, std::size_t row, std::size_t column, std::int32_t capacity);
bool ClearCapacity(TTransition &t, std::size_t row, std::size_t column);
// Every cell without a stored predicate gets the name the mask gives it.
bool FillPredicatesFromMask(TTransition &t, const TMatrixSettings &settings);
// Every cell becomes the constant; definitions go.
bool SetAllPredicates(TTransition &t, bool value);
// Empty the whole list, items that do not decode included.
bool ClearPredicates(TTransition &t);
bool ClearCapacities(TTransition &t);
// Drops the cells and characteristic functions of positions no longer in the index lists. Only
// for an edit by the user: a file keeps what it holds.
bool PruneVanishedCells(TTransition &t);
bool SetCharFn(
    TTransition &t, std::size_t column, const std::string &name, const std::string &description);
bool ClearCharFn(TTransition &t, std::size_t column);

// After positions were relabelled: every index entry whose position now carries another label
// than the entry names has its cells and characteristic function renamed to the new label, all
// at once, so that labels passed round among the positions stay right; then the entry takes the
// new label.
bool FollowRelabel(TTransition &t);
// The same for every transition of the net, recording each one it changes in the current step.
void FollowRelabels(TDrawingObjects &net);

} // namespace morvane
