// SPDX-License-Identifier: MIT
#include "model/placing.h"

#include "common/count_object.h"
#include "options/display_globals.h"

namespace morvane {

namespace {

std::int32_t Snap(std::int32_t value, std::int32_t g)
{
    if (!Globals().SnapToGrid || g <= 0)
        return value;
    const std::int32_t r = value % g;
    return r > g / 2 ? value - r + g : value - r;
}

std::int32_t NextLabel(TDrawingObjects &net, bool position)
{
    if (TDocumentHost *host = net.Host())
        return (position ? host->PositionCounter() : host->TransitionCounter()).Next();
    // Without counters the new object is numbered after those of its kind already there.
    return std::int32_t(position ? net.Positions().size() : net.Transitions().size()) + 1;
}

} // namespace

std::int32_t SnapX(std::int32_t x)
{
    return Snap(x, Globals().xGrid);
}

std::int32_t SnapY(std::int32_t y)
{
    return Snap(y, Globals().yGrid);
}

std::string NextPositionLabel(TDrawingObjects &net)
{
    return "L" + std::to_string(NextLabel(net, true));
}

std::string NextTransitionLabel(TDrawingObjects &net)
{
    return "Z" + std::to_string(NextLabel(net, false));
}

TPosition &PlacePosition(TDrawingObjects &net, std::int32_t x, std::int32_t y)
{
    return PlacePosition(net, x, y, NextPositionLabel(net));
}

TPosition &PlacePosition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label)
{
    const TDisplayGlobals &g = Globals();
    auto p = net.Add<TPosition>();
    p->Init(g.ColorTable[11]);
    p->FillColor = g.ColorTable[16];
    p->Place(SnapX(x), SnapY(y), label);
    p->Priority = 1;
    p->Capacity = -1;
    p->Draw();
    return *p;
}

TTransition &PlaceTransition(TDrawingObjects &net, std::int32_t x, std::int32_t y)
{
    return PlaceTransition(net, x, y, NextTransitionLabel(net));
}

TTransition &PlaceTransition(
    TDrawingObjects &net, std::int32_t x, std::int32_t y, const std::string &label)
{
    const TDisplayGlobals &g = Globals();
    auto t = net.Add<TTransition>();
    t->Init(g.ColorTable[4]);
    t->FillColor = g.ColorTable[6];
    t->Place(SnapX(x), SnapY(y), label);
    t->Priority = 1;
    t->Draw();
    return *t;
}

TArc *AddArcPieceAt(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (x1 == x2 && y1 == y2)
        return nullptr;
    // Looked up before the piece joins the document, so that it cannot find itself.
    const TDrawingObject *target = net.FindAt(x2, y2, okAll, true);
    const bool onNode = target && (target->Kind() & okNodes);
    auto arc = net.Add<TArc>();
    arc->Init(Globals().ColorTable[19]);
    arc->InitDrawn(x1, y1, x2, y2, onNode);
    arc->Draw();
    return arc.get();
}

TArc *AddArcPiece(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return AddArcPieceAt(net, SnapX(x1), SnapY(y1), SnapX(x2), SnapY(y2));
}

std::string ObjectInfo(TDrawingObjects &net, std::int32_t x, std::int32_t y)
{
    net.RebuildConnections();
    TDrawingObject *obj = net.FindAt(x, y, okAll, true);
    if (!obj)
        return {};
    const std::string cr = "\r\n", n = "\n\r";
    std::string text = "Transitions=" + std::to_string(net.Transitions().size()) + n + "Positions="
        + std::to_string(net.Positions().size()) + n + "Arcs=" + std::to_string(net.Arcs().size())
        + n + "Components=" + std::to_string(net.Count()) + n;
    switch (obj->Kind()) {
    case okPosition: {
        auto *p = static_cast<TPosition *>(obj);
        text += "Position " + p->selfLabel() + " is connected " + cr;
        if (p->InArc() && p->InArc()->FromNode())
            text += "In   : " + p->InArc()->FromNode()->selfLabel() + cr;
        if (p->OutArc() && p->OutArc()->ToNode())
            text += "Out : " + p->OutArc()->ToNode()->selfLabel() + cr;
        break;
    }
    case okTransition: {
        auto *t = static_cast<TTransition *>(obj);
        text += "Transition " + t->selfLabel() + " is connected " + cr + cr + "In   :";
        for (const auto &w : t->InArcs)
            if (auto a = w.lock())
                if (auto *from = static_cast<TArc &>(*a).FromNode())
                    text += " " + from->selfLabel();
        text += cr + "Out  :";
        for (const auto &w : t->OutArcs)
            if (auto a = w.lock())
                if (auto *to = static_cast<TArc &>(*a).ToNode())
                    text += " " + to->selfLabel();
        break;
    }
    default: {
        auto *a = static_cast<TArc *>(obj);
        text += std::string(a->NextArc() ? "*" : "") + " Arc " + (a->PrevArc() ? "*" : "");
        if (a->FromNode())
            text += cr + "From   : " + a->FromNode()->selfLabel() + cr;
        if (a->ToNode())
            text += "To   : " + a->ToNode()->selfLabel() + cr;
        break;
    }
    }
    return text;
}

} // namespace morvane
