// SPDX-License-Identifier: MIT
#include "model/drawing_objects.h"

#include "common/count_object.h"
#include "model/ends_memo.h"
#include "model/undo.h"
#include "options/display_globals.h"
#include "routing/path_finder.h"

#include <algorithm>
#include <unordered_set>

namespace morvane {

TDrawingObjects::TDrawingObjects(TDocumentHost *host, TMessageList *messages, Canvas *canvas)
    : m_host(host)
    , m_messages(messages)
    , m_canvas(canvas)
    , m_xBaseUnit(Globals().xGrid)
    , m_yBaseUnit(Globals().yGrid)
{
    if (m_xBaseUnit < 1)
        m_xBaseUnit = 1;
    if (m_yBaseUnit < 1)
        m_yBaseUnit = 1;
}

TDrawingObjects::~TDrawingObjects()
{
    // Records first: they hand their snapshots back to the store before it goes.
    m_undoList.clear();
    m_redoList.clear();
    m_undoStore.reset();
    Clear();
}

// The hint is never below the true index: objects only move down (removal) or join at the end.
std::size_t TDrawingObjects::FindIndex(const TDrawingObject *obj) const
{
    std::size_t i = std::min(obj->m_ownerIndex, m_objects.size() - 1);
    for (;; --i) {
        if (m_objects[i].get() == obj)
            return i;
        if (i == 0)
            break;
    }
    // Not reached while the hint invariant holds; a full scan keeps us correct regardless.
    for (std::size_t k = 0; k < m_objects.size(); ++k)
        if (m_objects[k].get() == obj)
            return k;
    return m_objects.size();
}

std::ptrdiff_t TDrawingObjects::IndexOf(const TDrawingObject *obj) const
{
    if (!obj || obj->m_owner != this || m_objects.empty())
        return -1;
    const std::size_t i = FindIndex(obj);
    if (i >= m_objects.size())
        return -1;
    const_cast<TDrawingObject *>(obj)->m_ownerIndex = i;
    return std::ptrdiff_t(i);
}

void TDrawingObjects::AddToKindList(TDrawingObject *obj)
{
    switch (obj->Kind()) {
    case okPosition:
        obj->m_kindIndex = m_positions.size();
        m_positions.push_back(static_cast<TPosition *>(obj));
        break;
    case okTransition:
        obj->m_kindIndex = m_transitions.size();
        m_transitions.push_back(static_cast<TTransition *>(obj));
        break;
    case okArc:
        obj->m_kindIndex = m_arcs.size();
        m_arcs.push_back(static_cast<TArc *>(obj));
        break;
    default:
        break;
    }
}

void TDrawingObjects::RemoveFromKindList(TDrawingObject *obj)
{
    auto erase = [&](auto &list) {
        using P = typename std::decay_t<decltype(list)>::value_type;
        if (list.empty())
            return;
        std::size_t i = std::min(obj->m_kindIndex, list.size() - 1);
        for (;; --i) {
            if (static_cast<TDrawingObject *>(list[i]) == obj)
                break;
            if (i == 0) {
                auto it = std::find(list.begin(), list.end(), static_cast<P>(obj));
                if (it == list.end())
                    return;
                i = std::size_t(it - list.begin());
                break;
            }
        }
        if (m_orderedComponents) {
            list.erase(list.begin() + std::ptrdiff_t(i));
        } else {
            list[i] = list.back();
            static_cast<TDrawingObject *>(list[i])->m_kindIndex = i;
            list.pop_back();
        }
    };
    switch (obj->Kind()) {
    case okPosition:
        erase(m_positions);
        break;
    case okTransition:
        erase(m_transitions);
        break;
    case okArc:
        erase(m_arcs);
        break;
    default:
        break;
    }
}

void TDrawingObjects::Insert(std::shared_ptr<TDrawingObject> obj)
{
    if (!obj || obj->m_owner == this)
        return;
    if (obj->m_owner)
        obj->m_owner->Remove(obj.get());
    obj->m_owner = this;
    obj->m_ownerIndex = m_objects.size();
    m_objects.push_back(obj);
    AddToKindList(obj.get());
}

std::shared_ptr<TDrawingObject> TDrawingObjects::Remove(TDrawingObject *obj)
{
    if (!obj || obj->m_owner != this || m_objects.empty())
        return nullptr;
    const std::size_t i = FindIndex(obj);
    if (i >= m_objects.size())
        return nullptr;
    std::shared_ptr<TDrawingObject> owned = std::move(m_objects[i]);
    if (m_orderedComponents) {
        m_objects.erase(m_objects.begin() + std::ptrdiff_t(i));
    } else {
        if (i + 1 != m_objects.size()) {
            m_objects[i] = std::move(m_objects.back());
            m_objects[i]->m_ownerIndex = i;
        }
        m_objects.pop_back();
    }
    RemoveFromKindList(obj);
    obj->m_owner = nullptr;
    NoteLinkChange();
    return owned;
}

void TDrawingObjects::Clear()
{
    std::vector<std::shared_ptr<TDrawingObject>> objects;
    objects.swap(m_objects);
    m_positions.clear();
    m_transitions.clear();
    m_arcs.clear();
    for (auto &obj : objects)
        obj->m_owner = nullptr;
    NoteLinkChange();
    // Objects still held by undo records survive; the rest are destroyed here.
}

void TDrawingObjects::RescaleX(std::int32_t u)
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        TDrawingObject &o = **it;
        o.m_Left = WrapMul(o.GridLeft, u);
        o.m_Right = WrapMul(o.GridRight, u);
        o.m_Width = WrapMul(WrapAbs(WrapSub(o.GridRight, o.GridLeft)), u);
    }
}

void TDrawingObjects::RescaleY(std::int32_t u)
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        TDrawingObject &o = **it;
        o.m_Top = WrapMul(o.GridTop, u);
        o.m_Bottom = WrapMul(o.GridBottom, u);
        o.m_Height = WrapMul(WrapAbs(WrapSub(o.GridBottom, o.GridTop)), u);
    }
}

bool TDrawingObjects::SetxBaseUnit(std::int32_t u)
{
    if (u < 1)
        return false;
    RescaleX(u);
    if (m_undoStore)
        m_undoStore->SetxBaseUnit(u);
    m_xBaseUnit = u;
    return true;
}

bool TDrawingObjects::SetyBaseUnit(std::int32_t u)
{
    if (u < 1)
        return false;
    RescaleY(u);
    if (m_undoStore)
        m_undoStore->SetyBaseUnit(u);
    m_yBaseUnit = u;
    return true;
}

std::int32_t TDrawingObjects::PosCounter() const
{
    return m_host ? m_host->PositionCounter().Value : std::int32_t(m_positions.size());
}

std::int32_t TDrawingObjects::TrCounter() const
{
    return m_host ? m_host->TransitionCounter().Value : std::int32_t(m_transitions.size());
}

void TDrawingObjects::SetPosCounter(std::int32_t v)
{
    if (m_host)
        m_host->PositionCounter().Value = v;
}

void TDrawingObjects::SetTrCounter(std::int32_t v)
{
    if (m_host)
        m_host->TransitionCounter().Value = v;
}

} // namespace morvane
