// SPDX-License-Identifier: MIT
// The document operations the net window edits with: finding, selecting, switching the display
// state of many objects, deleting, copying, moving, repainting. Every pass runs in component order.
#include "model/drawing_objects.h"
#include "model/paint_reach.h"
#include "model/undo.h"
#include "options/display_globals.h"

#include <memory>
#include <unordered_set>

namespace morvane {

bool TDrawingObjects::CreatedInCurrentStep(const TDrawingObject *obj) const
{
    // Only an object recorded in this step carries a mark; a mark of 64 may hide an earlier
    // creation, since the mark keeps the last kind asked for.
    if (!obj || !HasUndo() || (obj->UndoMark != ukCreated && obj->UndoMark != ukChanged))
        return false;
    // The records of the current step are the tail of the list.
    for (auto it = m_undoList.rbegin(); it != m_undoList.rend() && (*it)->Step == UndoStep; ++it)
        if ((*it)->Target.get() == obj && (*it)->Kind == ukCreated)
            return true;
    return false;
}

TDrawingObject *TDrawingObjects::FindAt(
    std::int32_t x, std::int32_t y, std::uint8_t kindMask, bool firstOnly, std::int32_t *hits)
{
    std::int32_t count = 0;
    TDrawingObject *found = nullptr;
    // ContainsPoint's answer, with the handle size read once instead of once an object.
    const std::int64_t esize = Globals().Esize;
    for (const auto &obj : m_objects) {
        if (!(obj->Kind() & kindMask) || !obj->HitBox(esize).Contains(x, y))
            continue;
        ++count;
        found = obj.get();
        if (firstOnly)
            break;
    }
    if (hits)
        *hits = count;
    return found;
}

TDrawingObject *TDrawingObjects::FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    std::size_t &startIndex, const TDrawingObject *exclude)
{
    const std::int64_t esize = Globals().Esize;
    for (std::size_t i = startIndex; i < m_objects.size(); ++i) {
        TDrawingObject *obj = m_objects[i].get();
        if (obj == exclude || !(obj->Kind() & kindMask) || !obj->HitBox(esize).Contains(x, y))
            continue;
        startIndex = i;
        return obj;
    }
    return nullptr;
}

TRectSelection TDrawingObjects::SelectInRect(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool replace)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    TRectSelection found;
    for (const auto &obj : m_objects) {
        if (obj->IntersectsRect(x1, y1, x2, y2)) {
            // Adding to a selection toggles: a second rubber band over an object drops it again.
            if (!replace && obj->Mode == omSelected) {
                obj->Mode = omNormal;
                continue;
            }
            if (!found.First)
                found.First = obj.get();
            ++found.Hits;
            obj->Record(ukChanged);
            obj->Mode = omSelected;
        } else if (replace && obj->Mode != omNormal) {
            obj->Record(ukChanged);
            obj->Mode = omNormal;
        }
    }
    return found;
}

void TDrawingObjects::SetModeOfAll(std::uint8_t filterMode, std::uint8_t code)
{
    // Re-resolving arc ends looks up every end point; the pieces share their look-ups.
    if (code == mcResolveEnds) {
        std::vector<TArc *> arcs;
        for (auto *a : m_arcs)
            if (filterMode == mfAll || a->Mode == filterMode)
                arcs.push_back(a);
        ResolveEndsOf(arcs);
        return;
    }
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        TDrawingObject &obj = *m_objects[i];
        if (filterMode != mfAll && obj.Mode != filterMode)
            continue;
        switch (code) {
        case mcSelect:
            obj.Record(ukChanged);
            obj.Mode = omSelected;
            obj.Draw();
            break;
        case mcDeselect:
            obj.Record(ukChanged);
            obj.Mode = omNormal;
            obj.Draw();
            break;
        case mcDrag:
            obj.Record(ukChanged);
            obj.Mode = omDragged;
            obj.Erase();
            break;
        case mcErase:
            obj.Erase();
            break;
        case mcOutlinedOn:
            obj.isOutLined(true);
            break;
        case mcOutlinedOff:
            obj.isOutLined(false);
            break;
        case ukChanged:
        case ukCreated:
        case ukDeleted:
            obj.Record(code);
            break;
        default:
            break;
        }
    }
}

std::vector<std::shared_ptr<TDrawingObject>> TDrawingObjects::RemoveWhere(
    const std::function<bool(const TDrawingObject &)> &pick)
{
    std::vector<std::shared_ptr<TDrawingObject>> removed;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_objects.size(); ++i) {
        if (pick(*m_objects[i])) {
            m_objects[i]->m_owner = nullptr;
            removed.push_back(std::move(m_objects[i]));
            continue;
        }
        if (kept != i)
            m_objects[kept] = std::move(m_objects[i]);
        m_objects[kept]->m_ownerIndex = kept;
        ++kept;
    }
    if (removed.empty())
        return removed;
    NoteLinkChange();
    m_objects.resize(kept);
    auto compact = [](auto &list) {
        std::size_t k = 0;
        for (auto *obj : list)
            if (obj->m_owner) {
                obj->m_kindIndex = k;
                list[k++] = obj;
            }
        list.resize(k);
    };
    compact(m_positions);
    compact(m_transitions);
    compact(m_arcs);
    return removed;
}

// Every selected object goes into a deletion record, in component order, and leaves the document.
// Taking them out in one compaction pass instead of one removal each keeps large deletions linear.
void TDrawingObjects::DeleteSelected()
{
    DeleteRecordedWhere([](const TDrawingObject &obj) { return obj.Mode == omSelected; });
}

void TDrawingObjects::DeleteRecordedWhere(const std::function<bool(const TDrawingObject &)> &pick)
{
    // Objects created in this very step must leave no record: redo would bring them back.
    std::unordered_set<const TDrawingObject *> createdNow;
    if (HasUndo())
        for (auto it = m_undoList.rbegin(); it != m_undoList.rend() && (*it)->Step == UndoStep;
             ++it)
            if ((*it)->Kind == ukCreated)
                createdNow.insert((*it)->Target.get());
    // The predicate is asked once per object, before any leaves.
    std::unordered_set<const TDrawingObject *> picked;
    std::vector<const TDrawingObject *> forget;
    for (const auto &obj : m_objects) {
        if (!pick(*obj))
            continue;
        picked.insert(obj.get());
        if (createdNow.count(obj.get()))
            forget.push_back(obj.get());
        obj->Record(ukDeleted);
    }
    if (picked.empty())
        return;
    const auto removed
        = RemoveWhere([&picked](const TDrawingObject &obj) { return picked.count(&obj) != 0; });
    ForgetRecordsOf(forget);
}

void TDrawingObjects::CopySelected(TDrawingObjects *target)
{
    if (!target)
        return;
    // Copying into this very document must not copy the copies.
    const std::size_t count = m_objects.size();
    for (std::size_t i = 0; i < count; ++i)
        if (m_objects[i]->Mode == omSelected)
            m_objects[i]->Copy(target);
}

void TDrawingObjects::MoveDragged(std::int32_t dx, std::int32_t dy)
{
    for (const auto &obj : m_objects)
        if (obj->Mode == omDragged)
            obj->MoveBy(dx, dy);
}

void TDrawingObjects::EditMarked(std::int32_t dx, std::int32_t dy)
{
    for (const auto &obj : m_objects)
        if (obj->Mode == omEdited)
            obj->Edit(dx, dy);
}

void TDrawingObjects::SettleAll()
{
    for (const auto &obj : m_objects)
        if (obj->Mode == omDragged || obj->Mode == omEdited)
            obj->Settle();
}

void TDrawingObjects::RepaintAll()
{
    for (const auto &obj : m_objects)
        obj->Draw();
}

void TDrawingObjects::RepaintRect(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (!m_canvas)
        return;
    const TPaintReach reach(*m_canvas);
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < m_objects.size(); ++i)
        if (reach.Reaches(*m_objects[i], x1, y1, x2, y2))
            shown.push_back(i);
    DrawObjects(shown);
}

// An object's drawing starts from the canvas state the one before left (the brush, and for an
// arc piece's label the font colour of the last node), so the objects just before a drawn one
// are drawn too: their pixels fall outside the rectangle, their state is what a whole pass has.
void TDrawingObjects::DrawObjects(const std::vector<std::size_t> &ascending)
{
    std::size_t next = 0;
    constexpr std::size_t none = std::size_t(-1);
    std::size_t lastNode = none;
    auto draw = [&](std::size_t i) {
        m_objects[i]->Draw();
        if (m_objects[i]->Kind() != okArc)
            lastNode = i;
    };
    for (const std::size_t i : ascending) {
        const TDrawingObject &obj = *m_objects[i];
        if (obj.Kind() == okArc && !obj.selfLabel().empty()) {
            std::size_t node = i;
            while (node > 0 && m_objects[node - 1]->Kind() == okArc)
                --node;
            if (node > 0 && node - 1 != lastNode && node != i)
                draw(node - 1);
        }
        if (i > next)
            draw(i - 1);
        draw(i);
        next = i + 1;
    }
}

void TDrawingObjects::ApplyDefaultColors()
{
    const auto &table = Globals().ColorTable;
    for (auto *p : m_positions) {
        p->Color = table[11];
        p->FillColor = table[16];
    }
    for (auto *t : m_transitions) {
        t->Color = table[4];
        t->FillColor = table[6];
    }
    for (auto *a : m_arcs)
        a->Color = table[19];
}

void TDrawingObjects::ApplyOutlinedFlags()
{
    const auto &g = Globals();
    for (const auto &obj : m_objects) {
        switch (obj->Kind()) {
        case okPosition:
            obj->isOutLined(g.OutlinedP);
            break;
        case okTransition:
            obj->isOutLined(g.OutlinedT);
            break;
        case okArc:
            obj->isOutLined(g.OutlinedA);
            break;
        default:
            break;
        }
    }
}

bool TDrawingObjects::ArcStartAlignment(std::int32_t &x, std::int32_t y)
{
    const std::int32_t old = x;
    for (auto *t : m_transitions) {
        if (!t->ContainsPoint(x, y))
            continue;
        const std::int32_t c = std::int32_t((std::int64_t(t->Left()) + t->Right()) / 2);
        if (c < x)
            x = c;
        else if (c > x)
            x = WrapSub(c, ArcGap);
        return x != old;
    }
    const std::int64_t widen = Globals().XPsize / 2;
    for (auto *p : m_positions) {
        if (!(p->Left() - widen <= x && x <= p->Right() + widen && p->Top() <= y
                && y <= p->Bottom()))
            continue;
        const std::int32_t a = p->AttachX(x, ArcGap);
        if (a < x)
            x = WrapAdd(a, ArcGap / 2);
        else if (a > x)
            x = WrapSub(a, ArcGap + ArcGap / 2);
        return x != old;
    }
    return false;
}

} // namespace morvane
