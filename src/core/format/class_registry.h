// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace morvane {

class TComponent;

// The classes a net stream may name.
enum class TStreamClass : std::uint8_t {
    DrawingObjects,
    DrawingObject,
    Position,
    Transition,
    Arc,
    Predicate,
    Time,
    Property,
    SetOfCharateristics,
    PropertyEngine,
    StandardFunction,
    StandardFunctions,
};

struct TRegisteredClass
{
    std::string_view Name;
    TStreamClass Class;
};

std::span<const TRegisteredClass> RegisteredClasses();
// Class names are compared without regard to letter case; nullptr when none matches.
const TRegisteredClass *FindRegisteredClass(std::string_view name);
// A new, ownerless component of a class that is one; nullptr for the document classes
// (TDrawingObjects, and the abstract TDrawingObject).
std::shared_ptr<TComponent> CreateRegisteredComponent(TStreamClass cls);

} // namespace morvane
