// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"
#include "support/net_building.h"

#include "common/count_object.h"
#include "model/drawing_objects.h"

namespace morvane {
namespace {

class ObjectModelTest : public test::GlobalsTest
{
protected:
    TDrawingObjects doc { nullptr, nullptr, nullptr };
};

TEST_F(ObjectModelTest, LabelSplitsIntoBaseAndIndex)
{
    struct Split
    {
        std::string label, base, index;
    };
    auto p = doc.Add<TPosition>();
    const Split cases[] = { { "L12", "L", "12" }, { "Z3a", "Z", "3a" }, { "ab", "a", "b" },
        { "abc", "ab", "c" }, { "a", "a", "" }, { "12", "1", "2" }, { "", "", "" },
        { "ab1", "ab", "1" }, { "L1x2", "L", "1x2" }, { "Поз1", "Поз", "1" }, { "Яб", "Я", "б" } };
    for (const auto &c : cases) {
        p->SetselfLabel(c.label);
        EXPECT_EQ(p->GetBase(), c.base) << c.label;
        EXPECT_EQ(p->GetIndex(), c.index) << c.label;
    }
    // Setting one part keeps the other.
    p->SetselfLabel("L12");
    p->SetBase("Pos");
    EXPECT_EQ(p->selfLabel(), "Pos12");
    EXPECT_EQ(p->PrefixLength(), 3);
    p->SetIndex("7");
    EXPECT_EQ(p->selfLabel(), "Pos7");
}

TEST_F(ObjectModelTest, CoordinatesKeepTheGridRectangleThroughSettleAndZoom)
{
    auto p = test::PlaceNode<TPosition>(doc, 13, -13, "L1");
    EXPECT_EQ(p->Left(), 13);
    EXPECT_EQ(p->GridLeft, 1);
    EXPECT_EQ(p->GridTop, -1); // truncation toward zero
    EXPECT_EQ(p->GridRight, 5);
    p->Settle();
    EXPECT_EQ(p->Left(), 8);
    EXPECT_EQ(p->Top(), -8);
    ASSERT_TRUE(doc.SetxBaseUnit(16));
    EXPECT_EQ(p->Left(), 16);
    EXPECT_EQ(p->Right(), 80);
    EXPECT_EQ(p->Width(), 64);
    EXPECT_EQ(p->Top(), -8); // the vertical unit did not change

    // A base unit below one is refused.
    EXPECT_FALSE(doc.SetxBaseUnit(0));
    EXPECT_FALSE(doc.SetyBaseUnit(-4));
    EXPECT_EQ(doc.xBaseUnit(), 16);
    EXPECT_EQ(doc.yBaseUnit(), 8);
    p->SetLeft(33); // would have divided by the refused unit
    EXPECT_EQ(p->GridLeft, 2);
}

TEST_F(ObjectModelTest, KindListsFollowTheComponentList)
{
    std::vector<std::shared_ptr<TPosition>> ps;
    auto t1 = doc.Add<TTransition>();
    auto a1 = doc.Add<TArc>();
    for (int i = 0; i < 50; ++i)
        ps.push_back(doc.Add<TPosition>());
    EXPECT_EQ(doc.Transitions().size(), 1u);
    EXPECT_EQ(doc.Arcs().size(), 1u);
    for (int i = 0; i < 50; i += 3) {
        EXPECT_EQ(doc.Remove(ps[i].get()), ps[i]);
        EXPECT_EQ(ps[i]->Owner(), nullptr);
    }
    std::vector<TPosition *> expected;
    for (int i = 0; i < 50; ++i)
        if (i % 3 != 0)
            expected.push_back(ps[i].get());
    EXPECT_EQ(doc.Positions(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(doc.Object(i + 2), expected[i]);
    EXPECT_EQ(doc.IndexOf(ps[0].get()), -1);

    doc.Insert(ps[0]); // back at the end of the component order
    EXPECT_EQ(doc.IndexOf(ps[0].get()), std::ptrdiff_t(expected.size() + 2));
    EXPECT_EQ(doc.Positions().back(), ps[0].get());

    doc.Clear();
    EXPECT_EQ(doc.Count(), 0u);
    EXPECT_TRUE(doc.Positions().empty() && doc.Arcs().empty() && doc.Transitions().empty());
    EXPECT_EQ(a1->Owner(), nullptr);
}

TEST_F(ObjectModelTest, LabelCountersAreTheNetWindowsCounters)
{
    struct Host : TDocumentHost
    {
        TCountObject pos, tr;
        TCountObject &PositionCounter() override { return pos; }
        TCountObject &TransitionCounter() override { return tr; }
    } host;
    TDrawingObjects hosted(&host, nullptr, nullptr);
    hosted.SetPosCounter(7);
    EXPECT_EQ(host.pos.Next(), 8);
    EXPECT_EQ(hosted.PosCounter(), 8);
    EXPECT_EQ(hosted.TrCounter(), 0);

    // Without a host the counter is the number of objects of the kind.
    doc.Add<TPosition>();
    doc.Add<TPosition>();
    doc.SetPosCounter(40);
    EXPECT_EQ(doc.PosCounter(), 2);
}

TEST_F(ObjectModelTest, HitTestCodesAndGrabbedEnds)
{
    auto arc = test::AddPiece(doc, 0, 0, 80, 0);
    auto t = test::PlaceNode<TTransition>(doc, 100, 100, "Z1"); // 32 x 80
    struct Case
    {
        TDrawingObject *obj;
        std::int32_t x, y;
        std::uint16_t code, what;
    };
    const Case cases[] = { { arc.get(), 2, 3, 8, 1 }, { arc.get(), 78, -4, 8, 2 },
        { arc.get(), 40, 4, 1, 0 }, { arc.get(), 40, 5, 0, 0 }, { t.get(), 116, 180, 2, 0 },
        { t.get(), 120, 176, 2, 0 }, { t.get(), 121, 176, 1, 0 },
        { t.get(), 116, 184, 2, 0 }, // the handle reaches below the bar
        { t.get(), 116, 185, 0, 0 }, { t.get(), 99, 150, 0, 0 } };
    for (const Case &c : cases) {
        EXPECT_EQ(c.obj->HitTest(c.x, c.y), c.code) << c.x << "," << c.y;
        if (c.obj == arc.get() && c.code) {
            EXPECT_EQ(arc->What, c.what) << c.x << "," << c.y;
        }
    }
}

TEST_F(ObjectModelTest, AttachXChoosesTheSideFacingThePoint)
{
    auto p = test::PlaceNode<TPosition>(doc, 40, 40, "L1"); // 40..72, middle 56
    auto t = test::PlaceNode<TTransition>(doc, 40, 40, "Z1");
    struct Case
    {
        TDrawingObject *obj;
        std::int32_t x, attached;
    };
    for (const Case &c : { Case { p.get(), 100, 80 }, Case { p.get(), 0, 32 },
             Case { p.get(), 56, 56 }, Case { t.get(), 100, 64 }, Case { t.get(), 0, 48 } }) {
        std::int32_t x = c.x;
        EXPECT_EQ(c.obj->AttachX(x, 8), c.attached) << c.obj->ClassName() << " " << c.x;
    }
}

TEST_F(ObjectModelTest, EditGrowsTheTransitionBarAndMovesTheGrabbedArcEnd)
{
    auto t = test::PlaceNode<TTransition>(doc, 0, 0, "Z1");
    t->Edit(5, 24);
    EXPECT_EQ(t->Height(), 104);
    EXPECT_EQ(t->Mode, omEdited);
    t->Edit(0, -200); // not below its size
    EXPECT_EQ(t->Height(), 80);
    EXPECT_EQ(t->Right(), 32);

    auto a = test::PlaceNode<TArc>(doc, 16, 16);
    EXPECT_EQ(a->Right(), 48);
    EXPECT_EQ(a->Height(), 0);
    a->What = 2;
    a->Edit(-32, 40);
    EXPECT_EQ(a->Right(), 16);
    EXPECT_EQ(a->Bottom(), 56);
    EXPECT_EQ(a->Width(), 0);
    a->What = 1;
    a->Edit(8, 0);
    EXPECT_EQ(a->Left(), 24);
    EXPECT_EQ(a->Width(), 8);
}

TEST_F(ObjectModelTest, CopyCarriesTheCommonStateIntoTheTargetsGrid)
{
    TDrawingObjects clip(nullptr, nullptr, nullptr);
    ASSERT_TRUE(clip.SetxBaseUnit(16));
    auto p = test::PlaceNode<TPosition>(doc, 40, 48, "L3");
    p->FillColor = 0x123456;
    p->Priority = 5;
    p->Mode = omSelected;
    auto c = std::static_pointer_cast<TPosition>(p->Copy(&clip));
    EXPECT_EQ(c->Owner(), &clip);
    EXPECT_EQ(c->selfLabel(), "L3");
    EXPECT_EQ(c->Left(), 40);
    EXPECT_EQ(c->GridLeft, 2);
    EXPECT_EQ(c->FillColor, 0x123456u);
    EXPECT_EQ(c->Mode, omSelected);
    EXPECT_EQ(c->Priority, 0); // a copy carries only the common state and the fill
}

TEST_F(ObjectModelTest, HostileCoordinatesWrapInsteadOfOverflowing)
{
    auto p = doc.Add<TPosition>();
    p->SetLeft(2147483647);
    p->SetWidth(100);
    p->MoveBy(10, 0);
    EXPECT_LT(p->Left(), 0);
    ASSERT_TRUE(doc.SetxBaseUnit(64)); // GridLeft * 64 wraps as well
}

} // namespace
} // namespace morvane
