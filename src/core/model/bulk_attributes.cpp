// SPDX-License-Identifier: MIT
#include "model/bulk_attributes.h"

#include "common/text.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

namespace morvane {

namespace {

bool InScope(const TDrawingObject &obj, bool all)
{
    return all || obj.Mode == omSelected;
}

template <class T> void FillCommon(T &obj, const TAttributeFill &fill)
{
    obj.Record(ukChanged);
    if (fill.Description)
        obj.Description = *fill.Description;
    if (fill.Priority)
        obj.Priority = *fill.Priority;
    if (fill.Color)
        obj.Color = *fill.Color;
    if (fill.FillColor)
        obj.FillColor = *fill.FillColor;
}

template <class T>
void ClearCommon(T &obj, const TAttributeClear &clear, TColor color, TColor fillColor)
{
    obj.Record(ukChanged);
    if (clear.Description)
        obj.Description.clear();
    if (clear.Priority)
        obj.Priority = 0;
    if (clear.Label)
        obj.SetselfLabel({});
    if (clear.Color)
        obj.Color = color;
    if (clear.FillColor)
        obj.FillColor = fillColor;
}

} // namespace

std::string JoinedInputs(const TTransition &t, TTypeJoin join)
{
    std::string text;
    const char *glue = join == TTypeJoin::And ? " and " : " or ";
    bool first = true;
    for (const auto &w : t.InArcs) {
        const auto arc = std::static_pointer_cast<TArc>(w.lock());
        TDrawingObject *node = arc ? arc->FromNode() : nullptr;
        if (!node || node->Kind() != okPosition)
            continue;
        if (!first)
            text += glue;
        text += node->selfLabel();
        first = false;
    }
    return text;
}

void FillTransitions(TDrawingObjects &net, const TAttributeFill &fill)
{
    for (TTransition *t : net.Transitions()) {
        if (!InScope(*t, fill.All))
            continue;
        FillCommon(*t, fill);
        if (fill.Type != TTypeJoin::Keep)
            t->TrType = JoinedInputs(*t, fill.Type);
    }
}

void ClearTransitions(TDrawingObjects &net, const TAttributeClear &clear)
{
    const auto &table = Globals().ColorTable;
    for (TTransition *t : net.Transitions()) {
        if (!InScope(*t, clear.All))
            continue;
        ClearCommon(*t, clear, table[4], table[6]);
        if (clear.Type)
            t->TrType.clear();
    }
}

void FillPositions(TDrawingObjects &net, const TAttributeFill &fill)
{
    for (TPosition *p : net.Positions()) {
        if (!InScope(*p, fill.All))
            continue;
        FillCommon(*p, fill);
        if (fill.Capacity)
            p->Capacity = *fill.Capacity;
    }
}

void ClearPositions(TDrawingObjects &net, const TAttributeClear &clear)
{
    const auto &table = Globals().ColorTable;
    for (TPosition *p : net.Positions()) {
        if (!InScope(*p, clear.All))
            continue;
        ClearCommon(*p, clear, table[11], table[16]);
        if (clear.Capacity)
            p->Capacity = 0;
    }
}

TTimeRefusal RefuseTime(TTimeField field)
{
    switch (field) {
    case TTimeField::Start:
        return { field, "Error defining start moment !", "Start moment must be natural number." };
    case TTimeField::TimeStep:
        return { field, "Error defining time step !",
            "Time step must be natural number greater then 1." };
    case TTimeField::Duration:
        return { field, "Error defining duration !", "Duration must be natural number." };
    default:
        return {};
    }
}

std::optional<std::int32_t> ParseTime(TTimeField field, std::string_view text)
{
    // "inf" is no time: it reads as -1 and is refused with the other negative values.
    const std::optional<std::int32_t> value = StrToIntInf(text);
    const std::int32_t least = field == TTimeField::TimeStep ? 1 : 0;
    if (!value || *value < least)
        return std::nullopt;
    return value;
}

TTimeRefusal StoreNetAttributes(TDrawingObjects &net, const std::string &name,
    std::string_view start, std::string_view timeStep, std::string_view duration)
{
    net.NetName = name;
    const struct
    {
        TTimeField Field;
        std::string_view Text;
        std::int32_t &Target;
    } fields[] = {
        { TTimeField::Start, start, net.NetStart },
        { TTimeField::TimeStep, timeStep, net.NetTimeStep },
        { TTimeField::Duration, duration, net.NetDuration },
    };
    for (const auto &f : fields) {
        const std::optional<std::int32_t> value = ParseTime(f.Field, f.Text);
        if (!value)
            return RefuseTime(f.Field);
        f.Target = *value;
    }
    return {};
}

} // namespace morvane
