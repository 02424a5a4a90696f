// SPDX-License-Identifier: MIT
#include "model/undo.h"

#include <algorithm>
#include <unordered_set>

namespace morvane {

TUndoRedo::TUndoRedo(TMessageList *messages, Canvas *canvas)
    : TDrawingObjects(nullptr, messages, canvas)
{
    m_orderedComponents = false;
}

TUndoObject::TUndoObject(std::uint8_t kind, std::int32_t step,
    std::shared_ptr<TDrawingObject> target, std::shared_ptr<TDrawingObject> saved, TUndoRedo *store)
    : Kind(kind)
    , Step(step)
    , Target(std::move(target))
    , Saved(std::move(saved))
    , m_store(store)
{
}

TUndoObject::~TUndoObject()
{
    if (Kind == ukChanged && Saved && m_store)
        m_store->Remove(Saved.get());
}

void TDrawingObjects::CreateUndo(bool enabled)
{
    m_undoList.clear();
    m_redoList.clear();
    m_undoStore = std::make_unique<TUndoRedo>(m_messages, m_canvas);
    m_undoStore->SetxBaseUnit(m_xBaseUnit);
    m_undoStore->SetyBaseUnit(m_yBaseUnit);
    m_undoStore->Document = this;
    m_undoStore->UndoEnabled = enabled;
    if (OnHistoryMoved)
        OnHistoryMoved();
}

std::unique_ptr<TUndoObject> TDrawingObjects::MakeRecord(
    std::uint8_t kind, TDrawingObject *target, std::int32_t step)
{
    std::shared_ptr<TDrawingObject> held = target->shared_from_this();
    std::shared_ptr<TDrawingObject> saved;
    if (kind == ukChanged) {
        saved = target->NewOfSameClass();
        m_undoStore->Insert(saved);
        target->SnapshotTo(*saved);
    } else {
        saved = held;
    }
    return std::make_unique<TUndoObject>(
        kind, step, std::move(held), std::move(saved), m_undoStore.get());
}

void TDrawingObjects::Record(TDrawingObject *obj, std::uint8_t kind)
{
    if (!obj || !m_undoStore || !m_undoStore->UndoEnabled)
        return;
    // An object changed and then deleted in one step needs both records: with the change alone,
    // undo would restore its state but leave it out of the document.
    const bool deletedAfterChange = kind == ukDeleted && obj->UndoMark == ukChanged;
    const bool fresh = kind != ukNone && (obj->UndoMark == ukNone || deletedAfterChange);
    if (fresh) {
        m_undoList.push_back(MakeRecord(kind, obj, UndoStep));
        m_undoList.back()->Serial = ++m_lastSerial;
    }
    obj->UndoMark = kind;
    if (fresh && OnHistoryMoved)
        OnHistoryMoved();
}

void TDrawingObjects::SetNetAttributes(const TNetAttributes &a)
{
    NetName = a.Name;
    NetStart = a.Start;
    NetDuration = a.Duration;
    NetTimeStep = a.TimeStep;
}

namespace {

std::unique_ptr<TUndoObject> NetRecord(
    const TDrawingObjects &net, std::int32_t step, TUndoRedo *store)
{
    auto rec = std::make_unique<TUndoObject>(ukNetChanged, step, nullptr, nullptr, store);
    rec->Net = net.NetAttributes();
    return rec;
}

} // namespace

void TDrawingObjects::RecordNetAttributes()
{
    if (!m_undoStore || !m_undoStore->UndoEnabled)
        return;
    const bool recorded = std::any_of(m_undoList.rbegin(), m_undoList.rend(),
        [this](const auto &rec) { return rec->Step == UndoStep && rec->Kind == ukNetChanged; });
    if (recorded)
        return;
    m_undoList.push_back(NetRecord(*this, UndoStep, m_undoStore.get()));
    m_undoList.back()->Serial = ++m_lastSerial;
    if (OnHistoryMoved)
        OnHistoryMoved();
}

void TDrawingObjects::BeginStep()
{
    ++UndoStep;
    if (m_undoStore && m_undoStore->UndoEnabled)
        for (auto &obj : m_objects)
            obj->UndoMark = ukNone;
    m_redoList.clear();
}

bool TDrawingObjects::CanUndo() const
{
    return m_undoStore && m_undoStore->UndoEnabled && UndoStep >= 1 && !m_undoList.empty();
}

void TDrawingObjects::Undo()
{
    if (!CanUndo())
        return;
    // Records of the current step form the tail of the list; walk them from the last.
    std::size_t i = m_undoList.size();
    while (i > 0) {
        --i;
        // Steps only grow along the list, so nothing older belongs to this step.
        if (m_undoList[i]->Step < UndoStep)
            break;
        if (m_undoList[i]->Step != UndoStep)
            continue;
        std::unique_ptr<TUndoObject> rec = std::move(m_undoList[i]);
        m_undoList.erase(m_undoList.begin() + std::ptrdiff_t(i));
        TDrawingObject *target = rec->Target.get();
        switch (rec->Kind) {
        case ukChanged:
            m_redoList.push_back(MakeRecord(ukChanged, target, rec->Step));
            m_redoList.back()->Serial = rec->Serial;
            rec->Saved->SnapshotTo(*target);
            break;
        case ukCreated:
            m_redoList.push_back(MakeRecord(ukCreated, target, rec->Step));
            m_redoList.back()->Serial = rec->Serial;
            Remove(target);
            break;
        case ukDeleted:
            Insert(rec->Target);
            m_redoList.push_back(MakeRecord(ukDeleted, target, rec->Step));
            m_redoList.back()->Serial = rec->Serial;
            break;
        case ukNetChanged:
            m_redoList.push_back(NetRecord(*this, rec->Step, m_undoStore.get()));
            m_redoList.back()->Serial = rec->Serial;
            SetNetAttributes(rec->Net);
            break;
        default:
            break;
        }
    }
    --UndoStep;
    if (OnHistoryMoved)
        OnHistoryMoved();
}

void TDrawingObjects::Redo()
{
    if (!CanRedo())
        return;
    ++UndoStep;
    std::size_t i = m_redoList.size();
    while (i > 0) {
        --i;
        if (m_redoList[i]->Step != UndoStep)
            continue;
        std::unique_ptr<TUndoObject> rec = std::move(m_redoList[i]);
        m_redoList.erase(m_redoList.begin() + std::ptrdiff_t(i));
        TDrawingObject *target = rec->Target.get();
        switch (rec->Kind) {
        case ukChanged:
            m_undoList.push_back(MakeRecord(ukChanged, target, rec->Step));
            m_undoList.back()->Serial = rec->Serial;
            rec->Saved->SnapshotTo(*target);
            break;
        case ukCreated:
            m_undoList.push_back(MakeRecord(ukCreated, target, rec->Step));
            m_undoList.back()->Serial = rec->Serial;
            Insert(rec->Target);
            break;
        case ukDeleted:
            m_undoList.push_back(MakeRecord(ukDeleted, target, rec->Step));
            m_undoList.back()->Serial = rec->Serial;
            Remove(target);
            break;
        case ukNetChanged:
            m_undoList.push_back(NetRecord(*this, rec->Step, m_undoStore.get()));
            m_undoList.back()->Serial = rec->Serial;
            SetNetAttributes(rec->Net);
            break;
        default:
            break;
        }
    }
    if (OnHistoryMoved)
        OnHistoryMoved();
}

std::uint64_t TDrawingObjects::HistoryPosition() const
{
    return m_undoList.empty() ? 0 : m_undoList.back()->Serial;
}

void TDrawingObjects::ForgetRecordsOf(const std::vector<const TDrawingObject *> &objects)
{
    if (objects.empty())
        return;
    std::unordered_set<const TDrawingObject *> gone(objects.begin(), objects.end());
    auto drop = [&](std::vector<std::unique_ptr<TUndoObject>> &list) {
        std::erase_if(list, [&](const std::unique_ptr<TUndoObject> &r) {
            return gone.count(r->Target.get()) != 0;
        });
    };
    drop(m_undoList);
    drop(m_redoList);
    if (OnHistoryMoved)
        OnHistoryMoved();
}

} // namespace morvane
