// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "common/count_object.h"
#include "model/chain_building.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::chains::Node;
using test::chains::Segment;
using Arcs = std::vector<TArc *>;

class ConnectionsTest : public test::GlobalsTest
{
protected:
    TDrawingObjects doc { nullptr, nullptr, nullptr };

    std::size_t RecordsOfStep(std::uint8_t kind) const { return test::RecordsOfStep(doc, kind); }
};

TEST_F(ConnectionsTest, PiecesChainHeadToTailOnlyAndEndAtNodes)
{
    TArc *a = Segment(doc, 100, 100, 200, 100);
    TArc *b = Segment(doc, 100, 100, 100, 200); // starts where a starts
    TArc *c = Segment(doc, 300, 100, 400, 100);
    TArc *d = Segment(doc, 500, 100, 400, 100); // ends where c ends
    auto *p = Node<TPosition>(doc, 800, 0, "L1");
    TArc *e = Segment(doc, 600, 16, 700, 16);
    TArc *f = Segment(doc, 700, 16, 816, 16); // continues e into L1
    f->SetNextArc(a); // a link left from an earlier geometry
    doc.RebuildConnections();

    for (TArc *bad : { a, b, c, d })
        EXPECT_EQ(bad->ArcFlags & 128, 128);
    EXPECT_EQ(a->EndsCode() | b->EndsCode() | c->EndsCode() | d->EndsCode(), 0);

    EXPECT_EQ(f->ArcFlags & 128, 0);
    EXPECT_TRUE(f->Arrowed);
    EXPECT_FALSE(e->Arrowed);
    EXPECT_EQ(f->NextArc(), nullptr);
    EXPECT_EQ(p->InArc(), f);
    EXPECT_EQ(e->EndsCode(), 2 | 32);
    EXPECT_EQ(f->EndsCode(), 1 | 32);
    EXPECT_EQ(e->ToNode(), p);

    // Pieces drawn before the node, meeting inside it, are cut there all the same.
    TDrawingObjects cut { nullptr, nullptr, nullptr };
    TArc *in = Segment(cut, 0, 16, 216, 16);
    TArc *out = Segment(cut, 216, 16, 216, 200);
    auto *q = Node<TPosition>(cut, 200, 0, "L2");
    cut.RebuildConnections();
    EXPECT_EQ(in->EndsCode(), 32);
    EXPECT_EQ(out->EndsCode(), 16);
    EXPECT_EQ(q->InArc(), in);
    EXPECT_EQ(q->OutArc(), out);
}

TEST_F(ConnectionsTest, MergingCollinearPiecesIsOneUndoableStep)
{
    doc.CreateUndo(true);
    TArc *a = Segment(doc, 0, 0, 40, 0);
    Segment(doc, 40, 0, 80, 0);
    Segment(doc, 80, 0, 120, 0);
    doc.BeginStep();
    doc.Rewire();
    EXPECT_EQ(doc.Arcs(), Arcs { a });
    EXPECT_EQ(a->Width(), 120);
    EXPECT_EQ(RecordsOfStep(ukDeleted), 2u);
    EXPECT_EQ(RecordsOfStep(ukChanged), 1u);
    doc.Undo();
    EXPECT_EQ(doc.Arcs().size(), 3u);
    EXPECT_EQ(a->Width(), 40);

    // Freshly drawn pieces merged in their own step: redo must not bring the merged-away ones
    // back next to the survivor.
    TDrawingObjects routed { nullptr, nullptr, nullptr };
    routed.CreateUndo(true);
    routed.BeginStep();
    for (int x : { 0, 40, 80 }) {
        auto arc = routed.Add<TArc>();
        arc->InitDrawn(x, 8, x + 40, 8, false);
        arc->ArcFlags |= 16;
    }
    routed.ResolveMarked();
    routed.Undo();
    EXPECT_EQ(routed.Count(), 0u);
    routed.Redo();
    ASSERT_EQ(routed.Arcs().size(), 1u);
    EXPECT_EQ(routed.Arcs().front()->Width(), 120);
    EXPECT_EQ(routed.Arcs().front()->ArcFlags & 16, 0);
}

TEST_F(ConnectionsTest, RemovingBelowAThresholdIsOneUndoableStepEach)
{
    doc.CreateUndo(true);
    doc.BeginStep();
    Node<TTransition>(doc, 200, 0, "Z1");
    Node<TPosition>(doc, 0, 100, "L1");
    TArc *attached = Segment(doc, 16, 116, 216, 60);
    TArc *hangingA = Segment(doc, 0, 40, 100, 40); // starts in empty space ...
    TArc *hangingB = Segment(doc, 100, 40, 216, 40); // ... and ends on the transition
    TArc *loose = Segment(doc, 400, 400, 480, 400);
    for (TArc *arc : { attached, hangingA, hangingB, loose })
        arc->Record(ukCreated);

    doc.RemoveBelow(rtFloating);
    EXPECT_EQ(doc.Arcs(), (Arcs { attached, hangingA, hangingB }));
    doc.RemoveBelow(rtDisconnected);
    EXPECT_EQ(doc.Arcs(), Arcs { attached });
    doc.Undo();
    EXPECT_EQ(doc.Arcs().size(), 3u);
    doc.Undo();
    EXPECT_EQ(doc.Arcs().size(), 4u);
    EXPECT_EQ(doc.Count(), 6u);
    doc.Redo();
    doc.Redo();
    EXPECT_EQ(doc.Arcs(), Arcs { attached });
}

TEST_F(ConnectionsTest, IndexListsFollowTheArcList)
{
    auto *t = Node<TTransition>(doc, 200, 0, "Z1");
    auto *p1 = Node<TPosition>(doc, 0, 0, "P1");
    auto *p2 = Node<TPosition>(doc, 0, 100, "P2");
    Segment(doc, 16, 116, 100, 116);
    TArc *fromP2 = Segment(doc, 100, 116, 216, 60); // reaches the transition first in the list
    TArc *fromP1 = Segment(doc, 16, 16, 216, 16);
    doc.RebuildConnections();
    ASSERT_EQ(t->InIndex.size(), 2u);
    EXPECT_EQ(t->InArcs[0].lock().get(), fromP2);
    EXPECT_EQ(t->InArcs[1].lock().get(), fromP1);
    EXPECT_EQ(t->InIndex[0].Text, "P2");
    EXPECT_EQ(t->InIndex[0].Object.lock().get(), p2);
    EXPECT_EQ(t->InIndex[1].Object.lock().get(), p1);
}

TEST_F(ConnectionsTest, PiecesDrawnInALoopDoNotHangTheChainWalks)
{
    auto *p = Node<TPosition>(doc, 0, 0, "L1");
    TArc *lead = Segment(doc, 16, 16, 100, 16);
    Segment(doc, 100, 16, 200, 16);
    Segment(doc, 200, 16, 200, 100);
    Segment(doc, 200, 100, 100, 16); // back to the junction behind the lead
    doc.RebuildConnections();
    EXPECT_EQ(p->OutArc(), lead);
    for (TArc *arc : doc.Arcs())
        EXPECT_EQ(arc->FromNode(), p);
    doc.Rewire();
    EXPECT_EQ(doc.Arcs().size(), 3u);
}

class RouteRecorder : public TDocumentHost
{
public:
    TCountObject &PositionCounter() override { return counter; }
    TCountObject &TransitionCounter() override { return counter; }
    void AutoRouteArc(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override
    {
        routes.push_back({ x1, y1, x2, y2 });
    }
    TCountObject counter;
    std::vector<std::vector<std::int32_t>> routes;
};

TEST_F(ConnectionsTest, ArcsFollowADraggedNodeOrAreRoutedAnew)
{
    RouteRecorder host;
    TDrawingObjects net { &host, nullptr, nullptr };
    net.CreateUndo(true);
    auto *p = Node<TPosition>(net, 0, 0, "L1");
    Node<TTransition>(net, 200, 40, "Z1");
    TArc *h1 = Segment(net, 16, 16, 100, 16);
    Segment(net, 100, 16, 100, 80);
    Segment(net, 100, 80, 216, 80);
    // Elsewhere, an arc drawn wrongly: its pieces meet end to end.
    Node<TPosition>(net, 0, 400, "L2");
    TArc *bad1 = Segment(net, 16, 416, 100, 416);
    TArc *bad2 = Segment(net, 200, 416, 100, 416);
    net.RebuildConnections();

    net.BeginStep();
    p->Mode = omDragged;
    p->MoveBy(-16, 0); // sideways: the first piece grows towards the node
    net.StretchArcs(-16, 0);
    EXPECT_EQ(h1->Left(), 0);
    EXPECT_EQ(h1->Width(), 100);
    EXPECT_TRUE(host.routes.empty());

    // Upwards a horizontal piece on the node cannot follow: the chain goes in a step of its own
    // and is routed anew from the node's new attachment to beside the transition's middle.
    const std::int32_t step = net.UndoStep;
    p->MoveBy(0, -16);
    net.StretchArcs(0, -16);
    EXPECT_EQ(net.UndoStep, step + 2);
    EXPECT_EQ(net.Arcs(), (Arcs { bad1, bad2 }));
    EXPECT_EQ(host.routes, (std::vector<std::vector<std::int32_t>> { { 0, 0, 215, 80 } }));
    EXPECT_EQ(bad1->ArcFlags & 128, 128);
    net.Undo();
    net.Undo();
    EXPECT_EQ(net.Arcs().size(), 5u);
}

} // namespace
} // namespace morvane
