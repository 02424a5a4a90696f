// SPDX-License-Identifier: MIT
#include "model/ends_memo.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <atomic>

namespace morvane {

namespace {

// Beyond this many changed boxes, testing every piece against them costs more than resolving.
constexpr std::size_t kMaxDirty = 64;

// Pass numbers are unique over all documents, so a piece moved from one document to another can
// never look as if seen in the other's last pass.
std::atomic<std::uint64_t> g_lastPass { 0 };

// Whether two owning or watching pointers share one object's ownership.
template <class Other> bool SameObject(const std::weak_ptr<TDrawingObject> &a, const Other &b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

} // namespace

void TEndsMemo::Fill(Entry &e, TDrawingObject &obj) const
{
    e.obj = &obj;
    e.box = obj.HitBox(m_esize);
    e.left = obj.Left();
    e.top = obj.Top();
    e.right = obj.Right();
    e.bottom = obj.Bottom();
    e.width = obj.Width();
    e.height = obj.Height();
    e.kind = obj.Kind();
}

void TEndsMemo::Dirty(const THitBox &box)
{
    if (m_everything)
        return;
    if (m_dirty.size() == kMaxDirty) {
        m_everything = true;
        m_dirty.clear();
        return;
    }
    m_dirty.push_back(box);
}

void TEndsMemo::BeginPass(const TDrawingObjects &doc)
{
    const std::int64_t esize = Globals().Esize;
    // The handle size widens the hit boxes of pieces: when it changed, every box is made anew.
    const bool refill = m_pass == 0 || esize != m_esize;
    m_everything = refill;
    m_esize = esize;
    m_lastPass = m_pass;
    m_pass = ++g_lastPass;
    m_dirty.clear();

    // Objects leave from anywhere but join only at the end, so the objects kept since the last
    // pass appear in both lists in the same order. An entry that does not match in that order
    // counts as removed and its object as added: both boxes are dirty, which is never wrong.
    m_spare.clear();
    // Room to grow, so that a document gaining a few objects a pass does not reallocate each time.
    if (m_spare.capacity() < doc.Count())
        m_spare.reserve(doc.Count() + doc.Count() / 2);
    std::size_t i = 0;
    for (const auto &obj : doc.Objects()) {
        while (i < m_objects.size() && !SameObject(m_objects[i].who, obj))
            Dirty(m_objects[i++].box);
        Entry e;
        if (i < m_objects.size()) {
            e = std::move(m_objects[i++]);
            const bool same = e.left == obj->Left() && e.top == obj->Top()
                && e.right == obj->Right() && e.bottom == obj->Bottom() && e.width == obj->Width()
                && e.height == obj->Height();
            if (same && !refill) {
                m_spare.push_back(std::move(e));
                continue;
            }
            Dirty(e.box);
        } else {
            e.who = obj;
        }
        Fill(e, *obj);
        Dirty(e.box);
        m_spare.push_back(std::move(e));
    }
    while (i < m_objects.size())
        Dirty(m_objects[i++].box);
    m_objects.swap(m_spare);
    m_spare.clear();
}

TEndsSeen &TEndsMemo::Seen(TArc &arc)
{
    if (!arc.m_seen)
        arc.m_seen = std::make_unique<TEndsSeen>();
    return *arc.m_seen;
}

void TEndsMemo::Keep(TArc &arc) const
{
    Seen(arc).Pass = m_pass;
}

bool TEndsMemo::NeedsResolving(const TArc &arc) const
{
    if (m_everything || !arc.m_seen || arc.m_seen->Pass != m_lastPass)
        return true;
    const TEndsSeen &seen = *arc.m_seen;
    if (!SameObject(arc.m_PrevArc, seen.Prev) || !SameObject(arc.m_NextArc, seen.Next)
        || !SameObject(arc.m_FromNode, seen.From) || !SameObject(arc.m_ToNode, seen.To)
        || arc.Arrowed != seen.Arrowed || arc.ArcFlags != seen.Flags)
        return true;
    for (const THitBox &box : m_dirty)
        if (box.Contains(arc.Left(), arc.Top()) || box.Contains(arc.Right(), arc.Bottom()))
            return true;
    return false;
}

void TEndsMemo::Remember(TArc &arc) const
{
    TEndsSeen &seen = Seen(arc);
    seen.Prev = arc.m_PrevArc;
    seen.Next = arc.m_NextArc;
    seen.From = arc.m_FromNode;
    seen.To = arc.m_ToNode;
    seen.Arrowed = arc.Arrowed;
    seen.Flags = arc.ArcFlags;
    seen.Pass = m_pass;
}

TDrawingObject *TEndsMemo::FindNextAt(std::int32_t x, std::int32_t y, std::uint8_t kindMask,
    std::size_t &startIndex, const TDrawingObject *exclude) const
{
    for (std::size_t i = startIndex; i < m_objects.size(); ++i) {
        const Entry &e = m_objects[i];
        if (e.obj == exclude || !(e.kind & kindMask) || !e.box.Contains(x, y))
            continue;
        startIndex = i;
        return e.obj;
    }
    return nullptr;
}

} // namespace morvane
