// SPDX-License-Identifier: MIT
#include "select_handler.h"

#include "editor_modes.h"
#include "net_window.h"

#include "options/display_globals.h"

#include <algorithm>

namespace morvane {

void TSelectHandler::Press(Qt::KeyboardModifiers shift)
{
    if (State().EditState == esGroup)
        PressOnGroup(shift);
    else if (State().EditState == esSingle && Window().Selected())
        PressOnSingle();
}

void TSelectHandler::PressOnGroup(Qt::KeyboardModifiers shift)
{
    TPointerState &s = State();
    if (shift & Qt::ShiftModifier)
        return;
    TDrawingObject *hit = Doc().FindAt(s.DownPoint.x, s.DownPoint.y, okAll, false);
    Window().SetSelected(hit);
    if (!hit || hit->Mode != omSelected)
        return;
    Doc().SetModeOfAll(omSelected, mcDrag);
    s.DragOrigin = { hit->Left(), hit->Top() };
    s.EditState = esDragging;
    if (s.ConnectionsStale)
        Window().RecomputeConnections();
    Window().RepaintVisibleRect();
}

void TSelectHandler::PressOnSingle()
{
    TPointerState &s = State();
    TDrawingObject *sel = Window().Selected();
    s.DragOrigin = { sel->Left(), sel->Top() };
    // Recorded before anything changes, the hit test's note of the grabbed end included, so
    // that undo finds the object as it was.
    sel->Record(ukChanged);
    const std::uint16_t h = sel->HitTest(s.DownPoint.x, s.DownPoint.y);
    switch (h) {
    case htNone:
        s.EditState = esNone;
        break;
    case htInside:
        sel->Mode = omDragged;
        sel->Erase();
        s.EditState = esDragging;
        s.GroupSelection = false;
        Window().RepaintVisibleRect();
        break;
    case htHeight:
    case htArcEnd:
        sel->Mode = omEdited;
        if (Mode() == mdDragEdit && sel->Kind() == okArc) {
            // The neighbouring segment's joined end follows the grabbed one.
            auto *arc = static_cast<TArc *>(sel);
            auto follow = [&s](TArc *other) {
                other->Record(ukChanged);
                other->HitTest(s.DownPoint.x, s.DownPoint.y);
                other->Mode = omEdited;
            };
            TArc *next = arc->NextArc();
            TArc *prev = arc->PrevArc();
            const std::uint16_t what = arc->What;
            if ((what & wgEnd) && next)
                follow(next);
            if ((what & wgStart) && prev)
                follow(prev);
        }
        break;
    default:
        break;
    }
    if (h != htNone)
        Window().RecomputeConnections();
}

bool TSelectHandler::Move(TPoint p, bool left)
{
    TPointerState &s = State();
    bool scrolled = false;
    switch (s.EditState) {
    case esNone:
    case esGroup:
        if (left || s.KeyDrag) {
            Window().HideSelectionBand();
            if (Window().AutoScrollStep() && left) {
                Window().ScrollBy(s.ScrollStep);
                scrolled = true;
            }
            Window().ShowSelectionBand(s.DownPoint, p);
        }
        break;
    case esSingle:
        Doc().EditMarked(p.x - s.LastPoint.x, p.y - s.LastPoint.y);
        AutoScroll(left);
        break;
    case esDragging:
        Doc().MoveDragged(p.x - s.LastPoint.x, p.y - s.LastPoint.y);
        AutoScroll(left);
        break;
    default:
        break;
    }
    return scrolled;
}

void TSelectHandler::Release(Qt::KeyboardModifiers shift, TPoint)
{
    switch (State().EditState) {
    case esNone:
    case esGroup:
    case esSingle:
        SelectionRelease(shift);
        break;
    case esDragging:
        DragRelease();
        break;
    case esLocated:
        State().EditState = esSingle;
        break;
    default:
        break;
    }
}

void TSelectHandler::SelectionRelease(Qt::KeyboardModifiers shift)
{
    TPointerState &s = State();
    TDrawingObjects &doc = Doc();
    const bool withShift = (shift & Qt::ShiftModifier) != 0;
    // Handles were drawn over the background; only a repaint from the background takes them away.
    const bool handlesShown = std::any_of(doc.Objects().begin(), doc.Objects().end(),
        [](const auto &obj) { return obj->Mode == omEdited; });
    doc.SettleAll();
    if (s.EditState != esSingle)
        Window().HideSelectionBand();
    TDrawingObject *sel = Window().Selected();
    if (sel && doc.Owns(sel)) {
        Window().Surface().SetPenColor(Globals().ColorTable[0]);
        if (Mode() == mdDragEdit && sel->Kind() == okArc) {
            auto *arc = static_cast<TArc *>(sel);
            if ((arc->What & wgEnd) && arc->NextArc())
                arc->NextArc()->Draw();
            if ((arc->What & wgStart) && arc->PrevArc())
                arc->PrevArc()->Draw();
        }
        sel->Draw();
    }
    std::int32_t hits = 0;
    if (s.LastPoint == s.DownPoint && !withShift) {
        doc.SetModeOfAll(omSelected, mcDeselect);
        const bool first = (shift & Qt::AltModifier) != 0;
        sel = doc.FindAt(s.DownPoint.x, s.DownPoint.y, okAll, first);
        Window().SetSelected(sel);
        if (sel) {
            sel->Record(ukChanged);
            sel->Mode = omSelected;
            hits = 1;
        }
    } else {
        if (withShift) {
            // Toggling an object off leaves no record of its own; undo must select it again.
            const std::int32_t x1 = std::min(s.DownPoint.x, s.LastPoint.x);
            const std::int32_t x2 = std::max(s.DownPoint.x, s.LastPoint.x);
            const std::int32_t y1 = std::min(s.DownPoint.y, s.LastPoint.y);
            const std::int32_t y2 = std::max(s.DownPoint.y, s.LastPoint.y);
            for (const auto &obj : doc.Objects())
                if (obj->Mode == omSelected && obj->IntersectsRect(x1, y1, x2, y2))
                    obj->Record(ukChanged);
        }
        const TRectSelection band = doc.SelectInRect(
            s.DownPoint.x, s.DownPoint.y, s.LastPoint.x, s.LastPoint.y, !withShift);
        sel = band.First;
        hits = band.Hits;
        Window().SetSelected(sel);
    }
    if (hits == 0) {
        s.EditState = esNone;
    } else if (hits == 1 && !withShift) {
        s.EditState = esSingle;
        Window().Surface().SetPenColor(clBlack);
        if (sel)
            sel->Draw();
    } else {
        s.EditState = esGroup;
        s.GroupSelection = true;
    }
    if (handlesShown)
        Window().Redraw();
    else
        Window().RepaintVisibleRect();
}

void TSelectHandler::DragRelease()
{
    TPointerState &s = State();
    TDrawingObjects &doc = Doc();
    doc.SettleAll();
    TDrawingObject *sel = Window().Selected();
    const std::int32_t step = doc.UndoStep;
    if (Mode() == mdDragEdit && sel)
        doc.StretchArcs(sel->Left() - s.DragOrigin.x, sel->Top() - s.DragOrigin.y);
    if (doc.UndoStep == step) {
        doc.SetModeOfAll(omDragged, mcSelect);
    } else {
        // Arcs were routed anew in steps of their own. The objects' return from the drag
        // belongs to the drag's step, whose records already hold them as they were; recorded
        // in the routing step, undoing the routing would leave them dragged.
        for (const auto &obj : doc.Objects())
            if (obj->Mode == omDragged) {
                obj->Mode = omSelected;
                obj->Draw();
            }
    }
    if (s.GroupSelection) {
        s.EditState = esGroup;
    } else {
        s.EditState = esSingle;
        Window().Surface().SetPenColor(clBlack);
        if (sel && doc.Owns(sel))
            sel->Draw();
    }
    Window().Redraw();
}

} // namespace morvane
