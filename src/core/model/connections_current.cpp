// SPDX-License-Identifier: MIT
// Saving describes the connections, and recomputing them costs as much as reading the net again.
// Whether they are still what a recomputation would give is told by a fingerprint of everything
// the recomputation reads and writes, taken right after it ran; any edit, undo, drag or direct
// change of a link since then gives another fingerprint. The links of pieces and positions enter
// through the document's count of link changes: reading them back would lock each one, and an
// object that leaves the document counts too, so a link to it cannot expire unseen.
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <cstring>

namespace morvane {

namespace {

class TFingerprint
{
public:
    // Each step is a bijection of the running value, so two inputs that differ in one word give
    // different fingerprints.
    void Add(std::uint64_t v) { m_value = (m_value ^ v) * 0x100000001B3ull; }
    void Add(const void *p) { Add(std::uint64_t(reinterpret_cast<std::uintptr_t>(p))); }
    void Add(const std::string &text)
    {
        Add(text.size());
        for (std::size_t i = 0; i < text.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, std::min<std::size_t>(8, text.size() - i));
            Add(word);
        }
    }
    template <class List> void AddLinks(const List &list)
    {
        Add(list.size());
        for (const auto &w : list)
            Add(w.lock().get());
    }
    std::uint64_t Value() const { return m_value; }

private:
    std::uint64_t m_value = 0;
};

} // namespace

std::uint64_t TDrawingObjects::ConnectionsFingerprint() const
{
    TFingerprint f;
    f.Add(std::uint64_t(std::uint32_t(Globals().Esize)));
    f.Add(m_linkChanges);
    f.Add(m_objects.size());
    for (const auto &owned : m_objects) {
        const TDrawingObject *obj = owned.get();
        f.Add(obj);
        f.Add((std::uint64_t(std::uint32_t(obj->Left())) << 32) | std::uint32_t(obj->Top()));
        f.Add((std::uint64_t(std::uint32_t(obj->Right())) << 32) | std::uint32_t(obj->Bottom()));
        f.Add((std::uint64_t(std::uint32_t(obj->Width())) << 32) | std::uint32_t(obj->Height()));
        switch (obj->Kind()) {
        case okArc: {
            const auto *arc = static_cast<const TArc *>(obj);
            f.Add(std::uint64_t(arc->ArcFlags) | (std::uint64_t(arc->Arrowed) << 8));
            break;
        }
        case okPosition: {
            const auto *p = static_cast<const TPosition *>(obj);
            f.Add(p->selfLabel());
            break;
        }
        case okTransition: {
            const auto *t = static_cast<const TTransition *>(obj);
            f.Add(t->selfLabel());
            f.AddLinks(t->InArcs);
            f.AddLinks(t->OutArcs);
            for (const TStringList *list : { &t->InIndex, &t->OutIndex }) {
                f.Add(list->size());
                for (const TStringItem &item : *list) {
                    f.Add(item.Text);
                    f.Add(item.Object.lock().get());
                }
            }
            break;
        }
        default:
            break;
        }
    }
    // The kind lists are walked in their own order, which need not be the component order.
    for (const auto *p : m_positions)
        f.Add(p);
    for (const auto *t : m_transitions)
        f.Add(t);
    for (const auto *a : m_arcs)
        f.Add(a);
    return f.Value();
}

void TDrawingObjects::UpdateConnections()
{
    if (m_connectionsFingerprint && *m_connectionsFingerprint == ConnectionsFingerprint())
        return;
    RebuildConnections();
}

} // namespace morvane
