// SPDX-License-Identifier: MIT
// Saving describes the connections, and recomputing them costs as much as reading the net again.
// Whether they are still what a recomputation would give is told by a fingerprint of everything
// the recomputation reads and writes, taken right after it ran; any edit, undo, drag or direct
// change of a link since then gives another fingerprint.
#include "model/drawing_objects.h"
#include "options/display_globals.h"

namespace morvane {

namespace {

class TFingerprint
{
public:
    void Add(std::uint64_t v)
    {
        // The mixer of splitmix64: every input bit reaches every output bit.
        v += 0x9E3779B97F4A7C15ull;
        v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9ull;
        v = (v ^ (v >> 27)) * 0x94D049BB133111EBull;
        m_value = (m_value ^ (v ^ (v >> 31))) * 0x100000001B3ull + 1;
    }
    void Add(const void *p) { Add(std::uint64_t(reinterpret_cast<std::uintptr_t>(p))); }
    void Add(const std::string &text)
    {
        Add(text.size());
        for (std::size_t i = 0; i < text.size(); i += 8) {
            std::uint64_t word = 0;
            for (std::size_t k = i; k < text.size() && k < i + 8; ++k)
                word = (word << 8) | std::uint8_t(text[k]);
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
            f.Add(arc->PrevArc());
            f.Add(arc->NextArc());
            f.Add(arc->FromNode());
            f.Add(arc->ToNode());
            break;
        }
        case okPosition: {
            const auto *p = static_cast<const TPosition *>(obj);
            f.Add(p->selfLabel());
            f.Add(p->InArc());
            f.Add(p->OutArc());
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
