// SPDX-License-Identifier: MIT
// Arc chains: which segment continues which, and which node a chain starts and ends at, are never
// stored; they are recomputed here from where the segment ends lie.
#include "model/drawing_object.h"
#include "model/drawing_objects.h"
#include "model/ends_memo.h"
#include "model/point_cache.h"

#include <algorithm>

namespace morvane {

namespace {

constexpr std::uint8_t kTouchesNode = 1;
constexpr std::uint8_t kJustDrawn = 16;
constexpr std::uint8_t kBadOrientation = 128;
// A few pieces (the ones a route or a stroke just added) cost a few scans of the document each,
// far less than indexing the whole document first.
constexpr std::size_t kScannedPieces = 16;
// Scans of a memo's compact list of objects cost a fraction of the document's.
constexpr std::size_t kMemoScannedPieces = 64;

// The point look-ups of a single resolution, answered by a plain scan of the document, or by
// nothing at all for a segment that belongs to no document.
struct PlainScan
{
    TDrawingObjects *doc;
    TDrawingObject *operator()(std::int32_t x, std::int32_t y, std::uint8_t mask,
        std::size_t &start, const TDrawingObject *exclude) const
    {
        return doc ? doc->FindNextAt(x, y, mask, start, exclude) : nullptr;
    }
};

template <class Scan>
TDrawingObject *FirstAt(const Scan &scan, std::int32_t x, std::int32_t y, std::uint8_t mask,
    const TDrawingObject *exclude)
{
    std::size_t start = 0;
    return scan(x, y, mask, start, exclude);
}

// A chain of links may run in a circle (pieces drawn into a loop); no walk along one may take more
// steps than the document has segments.
std::size_t WalkLimit(const TArc &arc)
{
    return arc.Owner() ? arc.Owner()->Arcs().size() + 1 : 1;
}

template <class Scan> void ResolveStart(TArc &arc, const Scan &scan)
{
    const std::int32_t x = arc.Left(), y = arc.Top();
    std::size_t index = 0;
    TDrawingObject *found = scan(x, y, okAll, index, &arc);
    // A chain ends where it meets a node, so a start on a node has no predecessor.
    arc.SetPrevArc(nullptr);
    if (!found)
        return;
    if (found->Kind() != okArc) {
        arc.SetFromNode(found);
        arc.ArcFlags |= kTouchesNode;
        return;
    }
    while (found) {
        auto *other = static_cast<TArc *>(found);
        if (other->IsEnd(x, y)) {
            if (TDrawingObject *node = FirstAt(scan, x, y, okNodes, &arc)) {
                arc.SetFromNode(node);
                arc.ArcFlags |= kTouchesNode;
            } else {
                arc.SetPrevArc(other);
            }
            return;
        }
        // Two pieces starting at one point point away from each other.
        if (other->IsStart(x, y))
            arc.ArcFlags |= kBadOrientation;
        ++index;
        found = scan(x, y, okArc, index, &arc);
    }
}

template <class Scan> void ResolveEnd(TArc &arc, const Scan &scan)
{
    const std::int32_t x = arc.Right(), y = arc.Bottom();
    std::size_t index = 0;
    TDrawingObject *found = scan(x, y, okAll, index, &arc);
    if (!found) {
        arc.SetNextArc(nullptr);
        arc.Arrowed = false;
        return;
    }
    if (found->Kind() != okArc) {
        arc.Arrowed = true;
        arc.SetToNode(found);
        arc.ArcFlags |= kTouchesNode;
        arc.SetNextArc(nullptr);
        return;
    }
    while (found) {
        auto *other = static_cast<TArc *>(found);
        if (other->IsStart(x, y)) {
            if (TDrawingObject *node = FirstAt(scan, x, y, okNodes, &arc)) {
                arc.SetToNode(node);
                arc.Arrowed = true;
                arc.ArcFlags |= kTouchesNode;
                arc.SetNextArc(nullptr);
            } else {
                arc.SetNextArc(other);
            }
            return;
        }
        // Two pieces ending at one point point at each other.
        if (other->IsEnd(x, y))
            arc.ArcFlags |= kBadOrientation;
        arc.Arrowed = false;
        arc.SetNextArc(nullptr);
        ++index;
        found = scan(x, y, okArc, index, &arc);
    }
}

template <class Scan> void Resolve(TArc &arc, const Scan &scan)
{
    arc.ArcFlags &= std::uint8_t(~(kTouchesNode | kBadOrientation));
    arc.SetFromNode(nullptr);
    arc.SetToNode(nullptr);
    ResolveStart(arc, scan);
    ResolveEnd(arc, scan);
}

// Component indices of a point summary; kNone orders after every object.
constexpr std::uint32_t kNone = TPointSummary::kNone;

std::uint32_t FirstOtherThan(const std::uint32_t (&pair)[2], std::uint32_t self)
{
    return pair[0] != self ? pair[0] : pair[1];
}

TArc *ArcAt(const TDrawingObjects &doc, std::uint32_t index)
{
    return index == kNone ? nullptr : static_cast<TArc *>(doc.Object(index));
}

template <class Scan>
TDrawingObject *NodeAt(const Scan &scan, std::int32_t x, std::int32_t y, const TArc &arc)
{
    return FirstAt(scan, x, y, okNodes, &arc);
}

TDrawingObject *NodeAt(TPointCache &cache, std::int32_t x, std::int32_t y, const TArc &)
{
    const std::uint32_t node = cache.At(x, y).node;
    return node == kNone ? nullptr : cache.Doc().Object(node);
}

// The same answers as the walks above, read from the summaries of the two end points.
void Resolve(TArc &arc, TPointCache &cache)
{
    const TDrawingObjects &doc = cache.Doc();
    const auto self = std::uint32_t(doc.IndexOf(&arc));
    arc.ArcFlags &= std::uint8_t(~(kTouchesNode | kBadOrientation));
    arc.SetFromNode(nullptr);
    arc.SetToNode(nullptr);

    const TPointSummary &head = cache.At(arc.Left(), arc.Top());
    arc.SetPrevArc(nullptr);
    std::uint32_t firstOn = FirstOtherThan(head.on, self);
    if (head.node < firstOn) {
        arc.SetFromNode(doc.Object(head.node));
        arc.ArcFlags |= kTouchesNode;
    } else if (firstOn != kNone) {
        const std::uint32_t prev = FirstOtherThan(head.ending, self);
        if (FirstOtherThan(head.starting, self) < prev)
            arc.ArcFlags |= kBadOrientation;
        if (prev != kNone && head.node != kNone) {
            arc.SetFromNode(doc.Object(head.node));
            arc.ArcFlags |= kTouchesNode;
        } else if (prev != kNone) {
            arc.SetPrevArc(ArcAt(doc, prev));
        }
    }

    const TPointSummary &tail = cache.At(arc.Right(), arc.Bottom());
    firstOn = FirstOtherThan(tail.on, self);
    if (tail.node < firstOn) {
        arc.Arrowed = true;
        arc.SetToNode(doc.Object(tail.node));
        arc.ArcFlags |= kTouchesNode;
        arc.SetNextArc(nullptr);
    } else if (firstOn == kNone) {
        arc.SetNextArc(nullptr);
        arc.Arrowed = false;
    } else {
        const std::uint32_t next = FirstOtherThan(tail.starting, self);
        if (FirstOtherThan(tail.ending, self) < next)
            arc.ArcFlags |= kBadOrientation;
        // Every piece passed over on the way to the next one clears the arrow.
        if (next != firstOn)
            arc.Arrowed = false;
        if (next != kNone && tail.node != kNone) {
            arc.SetToNode(doc.Object(tail.node));
            arc.Arrowed = true;
            arc.ArcFlags |= kTouchesNode;
            arc.SetNextArc(nullptr);
        } else {
            arc.SetNextArc(ArcAt(doc, next));
        }
    }
}

bool Contains(const std::vector<std::weak_ptr<TDrawingObject>> &list, const TArc *arc)
{
    return std::any_of(
        list.begin(), list.end(), [arc](const auto &w) { return w.lock().get() == arc; });
}

// `listsAreFresh`: the transitions' arc lists were emptied at the start of this pass, in which
// every segment propagates once, so a segment cannot be in them yet.
template <class Scan> void Propagate(TArc &arc, Scan &&scan, bool listsAreFresh)
{
    const std::size_t limit = WalkLimit(arc);
    if (TDrawingObject *to = arc.ToNode()) {
        TDrawingObject *node = NodeAt(scan, arc.Right(), arc.Bottom(), arc);
        if (node && node->Kind() == okPosition) {
            static_cast<TPosition *>(node)->SetInArc(&arc);
        } else if (node && node->Kind() == okTransition) {
            auto &list = static_cast<TTransition *>(node)->InArcs;
            if (listsAreFresh || !Contains(list, &arc))
                list.push_back(WeakOf(&arc));
        }
        TArc *s = &arc;
        for (std::size_t steps = 0; s && steps < limit; ++steps) {
            s->SetToNode(to);
            s = s->PrevArc();
            if (s == &arc)
                break;
        }
    }
    if (TDrawingObject *from = arc.FromNode()) {
        TDrawingObject *node = NodeAt(scan, arc.Left(), arc.Top(), arc);
        if (node && node->Kind() == okPosition) {
            static_cast<TPosition *>(node)->SetOutArc(&arc);
        } else if (node && node->Kind() == okTransition) {
            auto &list = static_cast<TTransition *>(node)->OutArcs;
            if (listsAreFresh || !Contains(list, &arc))
                list.push_back(WeakOf(&arc));
        }
        TArc *s = &arc;
        for (std::size_t steps = 0; s && steps < limit; ++steps) {
            s->SetFromNode(from);
            s = s->NextArc();
            if (s == &arc)
                break;
        }
    }
}

bool Collinear(const TArc &a, const TArc &b)
{
    return (a.Height() == 0 && b.Height() == 0) || (a.Width() == 0 && b.Width() == 0);
}

void SetGrabbedEnd(TArc &arc, std::uint16_t end)
{
    arc.What = std::uint16_t((arc.What & ~wgGrabbedEnd) | end);
}

std::int64_t Magnitude(std::int32_t v)
{
    return v < 0 ? -std::int64_t(v) : v;
}

// Moves the sides of one segment that hang on something moving differently from the segment
// itself; answers whether the segment could follow without being re-routed.
bool StretchSegment(TArc &arc, std::int32_t dx, std::int32_t dy, bool startSide, bool endSide)
{
    const std::int32_t m = arc.Mode == omDragged ? -1 : 1;
    const std::int32_t mdx = WrapMul(m, dx), mdy = WrapMul(m, dy);
    // A side that hangs on another segment can bend there; a side on a node cannot.
    const bool sidesOnSegments = (!startSide || arc.PrevArc()) && (!endSide || arc.NextArc());
    bool result = true;
    if (dx != 0) {
        const bool alongDirection = (mdx > 0) == (arc.Right() > arc.Left());
        const bool lengthens = (endSide && alongDirection) || (startSide && !alongDirection);
        if (!lengthens && Magnitude(dx) >= arc.Width()) {
            result = false;
            arc.What |= wgCannotFollow;
        }
    }
    if (dx != 0 && arc.Width() != 0) {
        arc.Erase();
        if (startSide) {
            SetGrabbedEnd(arc, wgStart);
            arc.MoveEnd(mdx, 0);
            if (arc.Width() == 0)
                arc.What |= wgFlatWidth;
        }
        if (endSide) {
            SetGrabbedEnd(arc, wgEnd);
            arc.MoveEnd(mdx, 0);
            if (arc.Width() == 0)
                arc.What |= wgFlatWidth;
        }
    } else if (dx != 0 && !sidesOnSegments) {
        result = false;
    }
    if (dy != 0 && arc.Height() != 0) {
        arc.Erase();
        if (startSide) {
            SetGrabbedEnd(arc, wgStart);
            arc.MoveEnd(0, mdy);
            if (arc.Height() == 0)
                arc.What |= wgFlatHeight;
        }
        if (endSide) {
            SetGrabbedEnd(arc, wgEnd);
            arc.MoveEnd(0, mdy);
            if (arc.Height() == 0)
                arc.What |= wgFlatHeight;
        }
        return result;
    }
    if (dy != 0)
        return sidesOnSegments;
    return result;
}

} // namespace

// One arc that could not follow a drag: its chain is deleted and routed anew between these ends.
struct TPathSegment
{
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    TDrawingObject *StartNode = nullptr;
    TDrawingObject *EndNode = nullptr;
    TArc *LastFound = nullptr;
    TArc *First = nullptr;
    TArc *Last = nullptr;
};

namespace {

// The part of the drag a failed segment did not follow, by which its attachment on a dragged
// node must be shifted.
void MissedOffset(
    const TArc &arc, std::int32_t dx, std::int32_t dy, std::int32_t &ox, std::int32_t &oy)
{
    ox = oy = 0;
    if (arc.Mode == omDragged)
        return;
    if (arc.Width() == 0 && arc.Height() == 0) {
        ox = (arc.What & wgFlatWidth) ? 0 : dx;
        oy = (arc.What & wgFlatHeight) ? 0 : dy;
        return;
    }
    ox = arc.Height() != 0 ? dx : 0;
    oy = arc.Width() != 0 ? dy : 0;
}

bool IsDragged(const TDrawingObject *node)
{
    return node && node->Mode == omDragged;
}

// A record stands for one chain, named by its two end nodes; it takes the segments of that chain.
bool Absorb(TPathSegment &path, TArc &arc, std::int32_t dx, std::int32_t dy, bool isNew)
{
    if (!isNew && (arc.FromNode() != path.StartNode || arc.ToNode() != path.EndNode))
        return false;
    std::int32_t ox, oy;
    MissedOffset(arc, dx, dy, ox, oy);
    if (isNew) {
        path.StartNode = arc.FromNode();
        path.EndNode = arc.ToNode();
    }
    const bool shiftStart = IsDragged(path.StartNode), shiftEnd = IsDragged(path.EndNode);
    const bool first = !arc.PrevArc() && path.StartNode;
    const bool last = !arc.NextArc() && path.EndNode;
    if (isNew || first) {
        path.x1 = WrapAdd(arc.Left(), shiftStart ? ox : 0);
        path.y1 = WrapAdd(arc.Top(), shiftStart ? oy : 0);
    }
    if (isNew || last) {
        path.x2 = WrapAdd(arc.Right(), shiftEnd ? ox : 0);
        path.y2 = WrapAdd(arc.Bottom(), shiftEnd ? oy : 0);
    }
    if (first)
        path.First = &arc;
    if (last)
        path.Last = &arc;
    path.LastFound = &arc;
    return true;
}

void CompleteEnds(TPathSegment &path)
{
    if (!path.StartNode && !path.EndNode)
        return;
    const std::size_t limit = WalkLimit(*path.LastFound);
    if (!path.First) {
        TArc *s = path.LastFound;
        for (std::size_t steps = 0; s->PrevArc() && s->PrevArc() != path.LastFound && steps < limit;
             ++steps)
            s = s->PrevArc();
        path.First = s;
        path.x1 = s->Left();
        path.y1 = s->Top();
    }
    if (!path.Last) {
        TArc *s = path.LastFound;
        for (std::size_t steps = 0; s->NextArc() && s->NextArc() != path.LastFound && steps < limit;
             ++steps)
            s = s->NextArc();
        path.Last = s;
        path.x2 = s->Right();
        path.y2 = s->Bottom();
    }
    // Arcs meet a transition at its middle line; the route must start beside it.
    if (path.StartNode && path.StartNode->Kind() == okTransition)
        path.x1 = WrapAdd(path.x1, path.First->Right() < path.First->Left() ? -1 : 1);
    if (path.EndNode && path.EndNode->Kind() == okTransition)
        path.x2 = WrapAdd(path.x2, path.Last->Right() > path.Last->Left() ? -1 : 1);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Segment operations

std::uint8_t TArc::EndsCode() const
{
    return std::uint8_t(
        (PrevArc() ? 1 : 0) | (NextArc() ? 2 : 0) | (FromNode() ? 16 : 0) | (ToNode() ? 32 : 0));
}

void TArc::ResolveEnds()
{
    Resolve(*this, PlainScan { Owner() });
}

void TArc::PropagateEnds()
{
    Propagate(*this, PlainScan { Owner() }, false);
}

std::int32_t TArc::MergeCollinear()
{
    TDrawingObjects *doc = Owner();
    if (!doc)
        return 0;
    std::int32_t merged = 0;
    const std::size_t limit = WalkLimit(*this);
    std::size_t steps = 0;
    TArc *s = this;
    while (TArc *p = s->PrevArc()) {
        if (p == s || p == this || !doc->Owns(p) || ++steps > limit)
            break;
        if (!Collinear(*s, *p)) {
            s = p;
            continue;
        }
        s->Record(ukChanged);
        s->SetLeft(p->Left());
        s->SetTop(p->Top());
        s->UpdateExtent();
        TArc *before = p->PrevArc();
        if (before == p)
            before = nullptr;
        if (before)
            before->SetNextArc(s);
        s->SetPrevArc(before);
        doc->DeleteRecorded(p);
        ++merged;
    }
    steps = 0;
    s = this;
    while (TArc *n = s->NextArc()) {
        if (n == s || n == this || !doc->Owns(n) || ++steps > limit)
            break;
        if (!Collinear(*s, *n)) {
            s = n;
            continue;
        }
        s->Record(ukChanged);
        s->SetRight(n->Right());
        s->SetBottom(n->Bottom());
        s->UpdateExtent();
        s->Arrowed = n->Arrowed;
        TArc *after = n->NextArc();
        if (after == n)
            after = nullptr;
        if (after)
            after->SetPrevArc(s);
        s->SetNextArc(after);
        doc->DeleteRecorded(n);
        ++merged;
    }
    return merged;
}

void TArc::MoveEnd(std::int32_t dx, std::int32_t dy)
{
    Record(ukChanged);
    switch (What & wgGrabbedEnd) {
    case wgStart:
        SetLeft(WrapAdd(Left(), dx));
        SetTop(WrapAdd(Top(), dy));
        break;
    case wgEnd:
        SetRight(WrapAdd(Right(), dx));
        SetBottom(WrapAdd(Bottom(), dy));
        break;
    default:
        break;
    }
    UpdateExtent();
}

void TArc::InitDrawn(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool arrowed)
{
    SetLeft(x1);
    SetTop(y1);
    SetRight(x2);
    SetBottom(y2);
    UpdateExtent();
    Arrowed = arrowed;
    ResolveEnds();
    Record(ukCreated);
}

// ---------------------------------------------------------------------------------------------
// Document operations

std::shared_ptr<TDrawingObject> TDrawingObjects::DeleteRecorded(TDrawingObject *obj)
{
    if (!Owns(obj))
        return nullptr;
    const bool createdNow = CreatedInCurrentStep(obj);
    Record(obj, ukDeleted);
    std::shared_ptr<TDrawingObject> owned = Remove(obj);
    if (createdNow)
        ForgetRecordsOf({ obj });
    return owned;
}

void TDrawingObjects::RebuildConnections()
{
    RebuildConnections(TPointCache::kTwoThreadsFrom);
}

void TDrawingObjects::RebuildConnections(std::size_t twoThreadsFrom)
{
    for (auto *p : m_positions) {
        p->SetInArc(nullptr);
        p->SetOutArc(nullptr);
    }
    for (auto *t : m_transitions) {
        t->InArcs.clear();
        t->OutArcs.clear();
    }
    if (!m_arcs.empty()) {
        TPointCache points(*this, twoThreadsFrom);
        points.CompleteAll();
        for (auto *a : m_arcs)
            Resolve(*a, points);
        for (auto *a : m_arcs)
            if (a->ArcFlags & kTouchesNode)
                Propagate(*a, points, true);
    }
    // The lists keep their room from the last rebuild.
    auto build = [](TStringList &list, const std::vector<std::weak_ptr<TDrawingObject>> &arcs,
                     bool inputs) {
        list.clear();
        list.reserve(arcs.size());
        for (const auto &w : arcs) {
            const auto arc = std::static_pointer_cast<TArc>(w.lock());
            if (!arc)
                continue;
            if (TDrawingObject *node = inputs ? arc->FromNode() : arc->ToNode())
                list.push_back({ node->selfLabel(), WeakOf(node) });
        }
    };
    for (auto *t : m_transitions) {
        build(t->InIndex, t->InArcs, true);
        build(t->OutIndex, t->OutArcs, false);
    }
    m_connectionsFingerprint = ConnectionsFingerprint();
}

namespace {

// Merges along every chain end (a segment with exactly one neighbour) of the arc list. A merge
// shrinks the list, so the same place is looked at again.
void MergeAtChainEnds(const std::vector<TArc *> &arcs, bool onlyJustDrawn)
{
    std::size_t i = 0;
    while (i < arcs.size()) {
        TArc *arc = arcs[i];
        if (onlyJustDrawn && !(arc->ArcFlags & kJustDrawn)) {
            ++i;
            continue;
        }
        const std::uint8_t links = arc->EndsCode() & 0x0F;
        if (links == 1 || links == 2) {
            arc->ArcFlags &= 0x0F;
            if (arc->MergeCollinear() > 0)
                continue;
        }
        ++i;
    }
}

} // namespace

void TDrawingObjects::ResolveEndsOf(const std::vector<TArc *> &arcs)
{
    if (arcs.size() <= kScannedPieces) {
        for (auto *a : arcs)
            a->ResolveEnds();
    } else {
        TPointCache points(*this);
        for (auto *a : arcs)
            Resolve(*a, points);
    }
}

void TDrawingObjects::Rewire()
{
    ResolveEndsOf(m_arcs);
    MergeAtChainEnds(m_arcs, false);
}

void TDrawingObjects::ResolveMarked()
{
    std::vector<TArc *> marked;
    for (auto *a : m_arcs)
        if (a->ArcFlags & kJustDrawn)
            marked.push_back(a);
    if (ResolveEveryMarked) {
        m_endsMemo.reset();
        ResolveEndsOf(marked);
    } else {
        if (!m_endsMemo)
            m_endsMemo = std::make_unique<TEndsMemo>();
        TEndsMemo &memo = *m_endsMemo;
        memo.BeginPass(*this);
        std::vector<TArc *> changed;
        for (auto *a : marked) {
            if (memo.NeedsResolving(*a))
                changed.push_back(a);
            else
                memo.Keep(*a);
        }
        if (changed.size() <= kMemoScannedPieces) {
            auto scan = [&memo](std::int32_t x, std::int32_t y, std::uint8_t mask,
                            std::size_t &start, const TDrawingObject *exclude) {
                return memo.FindNextAt(x, y, mask, start, exclude);
            };
            for (auto *a : changed)
                Resolve(*a, scan);
        } else {
            TPointCache points(*this);
            for (auto *a : changed)
                Resolve(*a, points);
        }
        for (auto *a : changed)
            memo.Remember(*a);
    }
    MergeAtChainEnds(m_arcs, true);
}

void TDrawingObjects::RemoveBelow(std::uint8_t threshold)
{
    RebuildConnections();
    // Every code is taken from the rebuilt connections before any segment leaves, so a
    // neighbour's removal does not lower a code.
    auto below = [threshold](const TDrawingObject &obj) {
        return obj.Kind() == okArc && static_cast<const TArc &>(obj).EndsCode() < threshold;
    };
    if (std::none_of(m_objects.begin(), m_objects.end(), [&](const auto &o) { return below(*o); }))
        return;
    BeginStep();
    DeleteRecordedWhere(below);
}

void TDrawingObjects::StretchArcs(std::int32_t dx, std::int32_t dy)
{
    std::vector<TArc *> failed;
    for (auto *arc : m_arcs) {
        const bool dragged = arc->Mode == omDragged;
        auto movesOtherwise
            = [dragged](const TDrawingObject *o) { return o && (o->Mode == omDragged) != dragged; };
        TArc *prev = arc->PrevArc();
        TArc *next = arc->NextArc();
        const bool startSide = movesOtherwise(prev) || (!prev && movesOtherwise(arc->FromNode()));
        const bool endSide = movesOtherwise(next) || (!next && movesOtherwise(arc->ToNode()));
        if ((startSide || endSide) && !StretchSegment(*arc, dx, dy, startSide, endSide)) {
            arc->ArcFlags |= kBadOrientation;
            failed.push_back(arc);
        }
    }
    if (failed.empty())
        return;

    // Only the segments that failed just now are gathered; a bit 128 left by the resolution
    // marks a wrongly drawn arc elsewhere, which a drag of some other node must not re-route.
    std::vector<TPathSegment> paths;
    for (auto *arc : failed) {
        arc->ArcFlags &= std::uint8_t(~kBadOrientation);
        if (!arc->FromNode() && !arc->ToNode())
            continue;
        const bool taken = std::any_of(paths.begin(), paths.end(),
            [&](TPathSegment &path) { return Absorb(path, *arc, dx, dy, false); });
        if (!taken) {
            paths.emplace_back();
            Absorb(paths.back(), *arc, dx, dy, true);
        }
    }
    if (paths.empty())
        return;

    // Deleted segments may lose their last owner; the records point at them until the end.
    const auto keepAlive = m_objects;
    BeginStep();
    for (auto &path : paths) {
        CompleteEnds(path);
        DeleteChainPiece(path.First, path.Last);
    }
    BeginStep();
    if (m_host)
        for (const auto &path : paths)
            m_host->AutoRouteArc(path.x1, path.y1, path.x2, path.y2);
}

void TDrawingObjects::DeleteChainPiece(TArc *first, TArc *last)
{
    auto drop = [this](TArc *arc) {
        arc->Erase();
        DeleteRecorded(arc);
    };
    if (first) {
        TArc *s = first;
        while (s && s != last && Owns(s)) {
            TArc *next = s->NextArc();
            drop(s);
            s = next;
        }
        if (last && Owns(last))
            drop(last);
    } else if (last) {
        TArc *s = last;
        while (s && Owns(s)) {
            TArc *prev = s->PrevArc();
            drop(s);
            s = prev;
        }
    }
}

} // namespace morvane
