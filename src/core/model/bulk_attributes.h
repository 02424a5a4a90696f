// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

class TDrawingObjects;

// How Apply builds a transition's type text from its inputs; Keep leaves the text alone.
enum class TTypeJoin : std::uint8_t { Keep, And, Or };

// What an Apply writes into each transition or position in scope; unset members stay untouched.
struct TAttributeFill
{
    // Every object of the kind, or only the selected ones.
    bool All = true;
    std::optional<std::string> Description;
    std::optional<std::int32_t> Priority;
    std::optional<std::int32_t> Capacity;
    std::optional<TColor> Color;
    std::optional<TColor> FillColor;
    TTypeJoin Type = TTypeJoin::Keep;
};

// Which attributes a Clear resets to their defaults.
struct TAttributeClear
{
    bool All = true;
    bool Description = false;
    bool Priority = false;
    bool Capacity = false;
    bool Label = false;
    bool Type = false;
    bool Color = false;
    bool FillColor = false;
};

// Each records a change of every object it touches in the document's current undo step.
// Capacity applies to positions only, Type to transitions only.
void FillTransitions(TDrawingObjects &net, const TAttributeFill &fill);
void ClearTransitions(TDrawingObjects &net, const TAttributeClear &clear);
void FillPositions(TDrawingObjects &net, const TAttributeFill &fill);
void ClearPositions(TDrawingObjects &net, const TAttributeClear &clear);

// The type text "and"/"or" gives a transition: the labels of its input positions joined.
std::string JoinedInputs(const class TTransition &t, TTypeJoin join);

// Which time field a store refused, with the texts telling the user why.
enum class TTimeField : std::uint8_t { None, Start, TimeStep, Duration };
struct TTimeRefusal
{
    TTimeField Field = TTimeField::None;
    std::string Error;
    std::string Hint;
};
TTimeRefusal RefuseTime(TTimeField field);
// Parses one time field; a refusal when the text is not a number or out of range.
std::optional<std::int32_t> ParseTime(TTimeField field, std::string_view text);

// Writes the net's name and time attributes in order, stopping at the first text refused; what
// was written before it stays.
TTimeRefusal StoreNetAttributes(TDrawingObjects &net, const std::string &name,
    std::string_view start, std::string_view timeStep, std::string_view duration);

} // namespace morvane
