// SPDX-License-Identifier: MIT
#include "model/object_attributes.h"

#include "common/text.h"
#include "model/bulk_attributes.h"
#include "model/drawing_objects.h"
#include "model/transition_matrices.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace morvane {

namespace {

using A = TAttribute;

std::string ColorText(TColor c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", unsigned(c));
    return buf;
}

std::optional<TColor> ParseColor(const std::string &text)
{
    const bool hex = !text.empty() && text[0] == '$';
    const char *first = text.data() + (hex ? 1 : 0);
    const char *last = text.data() + text.size();
    TColor value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (first == last || ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

std::string IndexText(const TStringList &list)
{
    std::string text;
    // A position relabelled since the connections were last recomputed shows its new label.
    for (const auto &item : list) {
        const auto node = item.Object.lock();
        text += (text.empty() ? "" : ", ") + (node ? node->selfLabel() : item.Text);
    }
    return text;
}

// Rows (inputs) by columns (outputs).
std::string MatrixSize(const TTransition &t)
{
    return std::to_string(t.InIndex.size()) + " × " + std::to_string(t.OutIndex.size());
}

std::string NodeLabel(const TDrawingObject *node)
{
    return node ? node->selfLabel() : std::string();
}

TEditRefusal Refusal(const char *error, const char *hint)
{
    return { error, hint };
}

TEditRefusal RefusalOf(TTimeField field)
{
    TTimeRefusal r = RefuseTime(field);
    return { std::move(r.Error), std::move(r.Hint) };
}

// An accepted edit of the net's own attributes is one undo step, as an object's edit is.
TEditRefusal SetNetAttribute(TDrawingObjects &net, TAttribute a, const std::string &text)
{
    if (a == A::NetName) {
        net.BeginStep();
        net.RecordNetAttributes();
        net.NetName = text;
        return {};
    }
    const TTimeField field = a == A::NetStart ? TTimeField::Start
        : a == A::NetTimeStep                 ? TTimeField::TimeStep
                                              : TTimeField::Duration;
    const std::optional<std::int32_t> value = ParseTime(field, text);
    if (!value)
        return RefusalOf(field);
    net.BeginStep();
    net.RecordNetAttributes();
    (a == A::NetStart             ? net.NetStart
            : a == A::NetTimeStep ? net.NetTimeStep
                                  : net.NetDuration)
        = *value;
    return {};
}

} // namespace

std::vector<TAttributeRow> AttributeRows(const TDrawingObject *obj)
{
    if (!obj)
        return { { A::NetName, "Name" }, { A::NetStart, "Start" }, { A::NetTimeStep, "Time step" },
            { A::NetDuration, "Duration" } };
    switch (obj->Kind()) {
    case okPosition:
        return { { A::Label, "Label" }, { A::Index, "Index" }, { A::Priority, "Priority" },
            { A::Capacity, "Capacity" }, { A::Description, "Description" }, { A::Color, "Color" },
            { A::Fill, "Fill" } };
    case okTransition:
        return { { A::Label, "Label" }, { A::Index, "Index" }, { A::Priority, "Priority" },
            { A::Type, "Type" }, { A::Activation, "Activation moment" },
            { A::Duration, "Activation duration" }, { A::Predicates, "Predicates", true },
            { A::Capacities, "Capacities", true }, { A::Description, "Description" },
            { A::Color, "Color" }, { A::Fill, "Fill" }, { A::Inputs, "Inputs", true },
            { A::Outputs, "Outputs", true } };
    default:
        return { { A::Arrowed, "Arrowed" }, { A::From, "From", true }, { A::To, "To", true } };
    }
}

std::string AttributeText(const TDrawingObjects &net, const TDrawingObject *obj, TAttribute a)
{
    const auto *p
        = obj && obj->Kind() == okPosition ? static_cast<const TPosition *>(obj) : nullptr;
    const auto *t
        = obj && obj->Kind() == okTransition ? static_cast<const TTransition *>(obj) : nullptr;
    const auto *arc = obj && obj->Kind() == okArc ? static_cast<const TArc *>(obj) : nullptr;
    switch (a) {
    case A::Label:
        return obj ? obj->GetBase() : std::string();
    case A::Index:
        return obj ? obj->GetIndex() : std::string();
    case A::Priority:
        return IntToStrInf(p ? p->Priority : t ? t->Priority : 0);
    case A::Capacity:
        return p ? IntToStrInf(p->Capacity) : std::string();
    case A::Description:
        return p ? p->Description : t ? t->Description : std::string();
    case A::Color:
        return obj ? ColorText(obj->Color) : std::string();
    case A::Fill:
        return ColorText(p ? p->FillColor : t ? t->FillColor : 0);
    case A::Type:
        return t ? t->TrType : std::string();
    case A::Activation:
        return t ? std::to_string(t->ActivationT) : std::string();
    case A::Duration:
        return t ? std::to_string(t->DurationT) : std::string();
    case A::Predicates:
    case A::Capacities:
        return t ? MatrixSize(*t) : std::string();
    case A::Inputs:
        return t ? IndexText(t->InIndex) : std::string();
    case A::Outputs:
        return t ? IndexText(t->OutIndex) : std::string();
    case A::Arrowed:
        return arc && arc->Arrowed ? "True" : "False";
    case A::From:
        return arc ? NodeLabel(arc->FromNode()) : std::string();
    case A::To:
        return arc ? NodeLabel(arc->ToNode()) : std::string();
    case A::NetName:
        return net.NetName;
    case A::NetStart:
        return std::to_string(net.NetStart);
    case A::NetTimeStep:
        return std::to_string(net.NetTimeStep);
    case A::NetDuration:
        return std::to_string(net.NetDuration);
    }
    return {};
}

const char *AttributeHelp(TAttribute a)
{
    switch (a) {
    case A::Label:
        return "The label's base, drawn in full size.";
    case A::Index:
        return "The label's index, drawn as a subscript.";
    case A::Priority:
        return "An integer; inf for an unlimited priority.";
    case A::Capacity:
        return "How many tokens the position holds; inf for no limit.";
    case A::Description:
        return "Free text about the object; ... opens an editor.";
    case A::Color:
        return "Outline colour as $00BBGGRR; ... opens the colour dialog.";
    case A::Fill:
        return "Fill colour as $00BBGGRR; ... opens the colour dialog.";
    case A::Type:
        return "The transition's type: a condition over its input positions.";
    case A::Activation:
        return "The moment the transition is first activated.";
    case A::Duration:
        return "How long each activation of the transition lasts.";
    case A::Predicates:
        return "The predicate of each input and output position; ... opens the matrix.";
    case A::Capacities:
        return "The capacity of each input and output position; ... opens the matrix.";
    case A::Inputs:
        return "The positions leading into the transition.";
    case A::Outputs:
        return "The positions the transition leads to.";
    case A::Arrowed:
        return "True when the piece ends in an arrow head.";
    case A::From:
        return "The node the arc starts at.";
    case A::To:
        return "The node the arc leads to.";
    case A::NetName:
        return "The name of the generalized net.";
    case A::NetStart:
        return "The moment the net starts functioning: a natural number.";
    case A::NetTimeStep:
        return "The net's time step: a natural number, at least 1.";
    case A::NetDuration:
        return "How long the net functions: a natural number.";
    }
    return "";
}

bool IsLongText(TAttribute a)
{
    return a == A::Description || a == A::Type;
}

bool IsColor(TAttribute a)
{
    return a == A::Color || a == A::Fill;
}

bool IsMatrix(TAttribute a)
{
    return a == A::Predicates || a == A::Capacities;
}

TEditRefusal SetAttribute(
    TDrawingObjects &net, TDrawingObject *obj, TAttribute a, const std::string &text)
{
    const std::vector<TAttributeRow> rows = AttributeRows(obj);
    const auto row = std::find_if(
        rows.begin(), rows.end(), [a](const TAttributeRow &r) { return r.Attribute == a; });
    if (row == rows.end() || row->ReadOnly)
        return Refusal("Error defining value !", "This value follows from the drawing.");
    if (!obj)
        return SetNetAttribute(net, a, text);
    auto *p = obj->Kind() == okPosition ? static_cast<TPosition *>(obj) : nullptr;
    auto *t = obj->Kind() == okTransition ? static_cast<TTransition *>(obj) : nullptr;
    auto *arc = obj->Kind() == okArc ? static_cast<TArc *>(obj) : nullptr;

    std::optional<std::int32_t> number;
    std::optional<TColor> color;
    switch (a) {
    case A::Priority:
    case A::Capacity:
        if (!(number = StrToIntInf(text)))
            return a == A::Priority
                ? Refusal("Error defining priority !", "Priority must be integer number or inf.")
                : Refusal("Error defining capacity !", "Capacity must be integer number or inf.");
        break;
    case A::Activation:
    case A::Duration:
        number = ParseTime(TTimeField::Start, text);
        if (!number)
            return a == A::Activation ? Refusal("Error defining activation moment !",
                       "Activation moment must be natural number.")
                                      : Refusal("Error defining activation duration !",
                                          "Activation duration must be natural number.");
        break;
    case A::Color:
    case A::Fill:
        if (!(color = ParseColor(text)))
            return Refusal("Error defining color !", "Color must be written as $00BBGGRR.");
        break;
    case A::Arrowed:
        if (text != "True" && text != "False")
            return Refusal("Error defining arrow !", "Arrowed must be True or False.");
        break;
    default:
        break;
    }

    net.BeginStep();
    obj->Record(ukChanged);
    switch (a) {
    case A::Label:
        obj->SetBase(text);
        FollowRelabels(net);
        break;
    case A::Index:
        obj->SetIndex(text);
        FollowRelabels(net);
        break;
    case A::Priority:
        (p ? p->Priority : t->Priority) = *number;
        break;
    case A::Capacity:
        p->Capacity = *number;
        break;
    case A::Description:
        (p ? p->Description : t->Description) = text;
        break;
    case A::Color:
        obj->Color = *color;
        break;
    case A::Fill:
        (p ? p->FillColor : t->FillColor) = *color;
        break;
    case A::Type:
        t->TrType = text;
        break;
    case A::Activation:
        t->ActivationT = *number;
        break;
    case A::Duration:
        t->DurationT = *number;
        break;
    case A::Arrowed:
        arc->Arrowed = text == "True";
        break;
    default:
        break;
    }
    return {};
}

} // namespace morvane
