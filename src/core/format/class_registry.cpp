// SPDX-License-Identifier: MIT
#include "format/class_registry.h"

#include "format/identifiers.h"
#include "format/legacy_components.h"
#include "model/drawing_object.h"

#include <array>

namespace morvane {

namespace {

constexpr std::array<TRegisteredClass, 12> kClasses = { {
    { "TDrawingObjects", TStreamClass::DrawingObjects },
    { "TDrawingObject", TStreamClass::DrawingObject },
    { "TPosition", TStreamClass::Position },
    { "TTransition", TStreamClass::Transition },
    { "TArc", TStreamClass::Arc },
    { "TPredicate", TStreamClass::Predicate },
    { "TTime", TStreamClass::Time },
    { "TProperty", TStreamClass::Property },
    { "TSetOfCharateristics", TStreamClass::SetOfCharateristics },
    { "TPropertyEngine", TStreamClass::PropertyEngine },
    { "TStandardFunction", TStreamClass::StandardFunction },
    { "TStandardFunctions", TStreamClass::StandardFunctions },
} };

} // namespace

std::span<const TRegisteredClass> RegisteredClasses()
{
    return kClasses;
}

const TRegisteredClass *FindRegisteredClass(std::string_view name)
{
    // The drawing classes come first: they are by far the most frequent.
    for (const auto &c : kClasses)
        if (SameText(c.Name, name))
            return &c;
    return nullptr;
}

std::shared_ptr<TComponent> CreateRegisteredComponent(TStreamClass cls)
{
    switch (cls) {
    case TStreamClass::DrawingObjects:
    case TStreamClass::DrawingObject:
        return nullptr;
    case TStreamClass::Position:
        return std::make_shared<TPosition>();
    case TStreamClass::Transition:
        return std::make_shared<TTransition>();
    case TStreamClass::Arc:
        return std::make_shared<TArc>();
    case TStreamClass::Predicate:
        return std::make_shared<TPredicate>();
    case TStreamClass::Time:
        return std::make_shared<TTime>();
    case TStreamClass::Property:
        return std::make_shared<TProperty>();
    case TStreamClass::SetOfCharateristics:
        return std::make_shared<TSetOfCharateristics>();
    case TStreamClass::PropertyEngine:
        return std::make_shared<TPropertyEngine>();
    case TStreamClass::StandardFunction:
        return std::make_shared<TStandardFunction>();
    case TStreamClass::StandardFunctions:
        return std::make_shared<TStandardFunctions>();
    }
    return nullptr;
}

} // namespace morvane
