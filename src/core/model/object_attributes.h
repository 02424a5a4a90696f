// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

class TDrawingObjects;
class TDrawingObject;

// The attributes the inspector shows, one row each.
enum class TAttribute : std::uint8_t {
    Label,
    Index,
    Priority,
    Capacity,
    Description,
    Color,
    Fill,
    Type,
    Activation,
    Duration,
    Predicates,
    Capacities,
    Inputs,
    Outputs,
    Arrowed,
    From,
    To,
    NetName,
    NetStart,
    NetTimeStep,
    NetDuration,
};

struct TAttributeRow
{
    TAttribute Attribute;
    const char *Name;
    bool ReadOnly = false;
};

// The rows of an object by its kind; the net's own rows for no object.
std::vector<TAttributeRow> AttributeRows(const TDrawingObject *obj);
// The value as the user reads and types it ("inf" for unlimited, colours as $00BBGGRR).
std::string AttributeText(const TDrawingObjects &net, const TDrawingObject *obj, TAttribute a);
// One line telling what the attribute means and what it accepts.
const char *AttributeHelp(TAttribute a);
// Whether the text is edited in several lines, and whether it is a colour.
bool IsLongText(TAttribute a);
bool IsColor(TAttribute a);
// Whether the attribute is one of the transition's matrices, edited in a dialog of its own.
bool IsMatrix(TAttribute a);

struct TEditRefusal
{
    std::string Error;
    std::string Hint;
    bool Refused() const { return !Error.empty(); }
};
// Writes the value typed for the attribute; an object's change is one undo step of its own. A
// refused text changes nothing. The net's name and times are not objects and keep no history.
TEditRefusal SetAttribute(
    TDrawingObjects &net, TDrawingObject *obj, TAttribute a, const std::string &text);

} // namespace morvane
