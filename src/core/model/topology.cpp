// SPDX-License-Identifier: MIT
// The topology check: where the drawing breaks the rules of a generalized net. It reports and
// never repairs; every line carries the object it is about.
#include "common/message_list.h"
#include "model/drawing_objects.h"

namespace morvane {

namespace {

void CheckPosition(TPosition &position, TMessageList &messages)
{
    auto linkedTo = [&](const TDrawingObject *other) {
        if (other && other->Kind() != okTransition)
            messages.Add("Error : Position " + position.selfLabel() + " is directly connected with "
                    + other->selfLabel(),
                WeakOf(&position));
    };
    TArc *in = position.InArc();
    TArc *out = position.OutArc();
    if (in)
        linkedTo(in->FromNode());
    if (!in && !out)
        messages.Add(
            "Warning : Position " + position.selfLabel() + " is not connected.", WeakOf(&position));
    if (out)
        linkedTo(out->ToNode());
}

void CheckTransition(TTransition &transition, TMessageList &messages)
{
    if (transition.InArcs.empty() && transition.OutArcs.empty()) {
        messages.Add("Warning : Transition " + transition.selfLabel() + " is not connected.",
            WeakOf(&transition));
        return;
    }
    auto linkedTo = [&](const TDrawingObject *other) {
        if (other && other->Kind() != okPosition)
            messages.Add("Error : Transition " + transition.selfLabel()
                    + " is directly connected with " + other->selfLabel(),
                WeakOf(&transition));
    };
    for (const auto &w : transition.InArcs)
        if (const auto arc = std::static_pointer_cast<TArc>(w.lock()))
            linkedTo(arc->FromNode());
    for (const auto &w : transition.OutArcs)
        if (const auto arc = std::static_pointer_cast<TArc>(w.lock()))
            linkedTo(arc->ToNode());
}

void CheckSegment(TArc &arc, TMessageList &messages)
{
    if ((arc.EndsCode() & 48) == 48)
        return;
    messages.Add((arc.ArcFlags & 128) ? "Warning : Bad orientation." : "Warning : Floating arc.",
        WeakOf(&arc));
}

} // namespace

void TDrawingObjects::CheckTopology()
{
    if (!m_messages)
        return;
    RebuildConnections();
    ReportTopology();
}

void TDrawingObjects::ReportTopology()
{
    TMessageList *messages = m_messages;
    if (!messages)
        return;
    messages->Clear();
    for (const auto &obj : m_objects) {
        switch (obj->Kind()) {
        case okPosition:
            CheckPosition(static_cast<TPosition &>(*obj), *messages);
            break;
        case okTransition:
            CheckTransition(static_cast<TTransition &>(*obj), *messages);
            break;
        case okArc:
            CheckSegment(static_cast<TArc &>(*obj), *messages);
            break;
        default:
            break;
        }
    }
}

} // namespace morvane
