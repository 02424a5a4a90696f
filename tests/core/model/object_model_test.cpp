// SPDX-License-Identifier: MIT
#include "common/count_object.h"
#include "model/drawing_objects.h"
#include "support/globals_fixture.h"

namespace morvane {
namespace {

using ObjectModelTest = test::GlobalsTest;

struct Split
{
    std::string label, base, index;
};

TEST_F(ObjectModelTest, LabelSplitsIntoBaseAndIndex)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    const Split cases[] = {
        {"L12", "L", "12"}, {"Z3a", "Z", "3a"}, {"ab", "a", "b"},  {"abc", "ab", "c"},
        {"a", "a", ""},     {"12", "1", "2"},   {"", "", ""},      {"ab1", "ab", "1"},
        {"L1x2", "L", "1x2"}, {"Поз1", "Поз", "1"}, {"Яб", "Я", "б"},
    };
    for (const auto &c : cases) {
        p->SetselfLabel(c.label);
        EXPECT_EQ(p->GetBase(), c.base) << c.label;
        EXPECT_EQ(p->GetIndex(), c.index) << c.label;
    }
}

TEST_F(ObjectModelTest, SettingBaseAndIndexKeepsTheOtherPart)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->SetselfLabel("L12");
    p->SetBase("Pos");
    EXPECT_EQ(p->selfLabel(), "Pos12");
    EXPECT_EQ(p->PrefixLength(), 3);
    p->SetIndex("7");
    EXPECT_EQ(p->selfLabel(), "Pos7");
    EXPECT_EQ(p->GetIndex(), "7");
}

TEST_F(ObjectModelTest, CoordinatesKeepTheGridRectangleThroughSettleAndZoom)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->Place(13, -13, "L1");
    EXPECT_EQ(p->Left(), 13);
    EXPECT_EQ(p->GridLeft, 1);
    EXPECT_EQ(p->GridTop, -1); // truncation toward zero
    EXPECT_EQ(p->Right(), 13 + 32);
    EXPECT_EQ(p->GridRight, 5);
    p->Settle();
    EXPECT_EQ(p->Left(), 8);
    EXPECT_EQ(p->Top(), -8);
    ASSERT_TRUE(doc.SetxBaseUnit(16));
    EXPECT_EQ(p->Left(), 16);
    EXPECT_EQ(p->GridLeft, 1);
    EXPECT_EQ(p->Right(), 80);
    EXPECT_EQ(p->Width(), 64);
    EXPECT_EQ(p->Top(), -8); // the vertical unit did not change
}

TEST_F(ObjectModelTest, ABaseUnitBelowOneIsRefused)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->Place(40, 48, "L1");
    EXPECT_FALSE(doc.SetxBaseUnit(0));
    EXPECT_FALSE(doc.SetyBaseUnit(-4));
    EXPECT_EQ(doc.xBaseUnit(), 8);
    EXPECT_EQ(p->Left(), 40);
    p->SetLeft(41); // would have divided by the refused unit
    EXPECT_EQ(p->GridLeft, 5);
}

TEST_F(ObjectModelTest, KindListsFollowTheComponentList)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p1 = doc.Add<TPosition>();
    auto t1 = doc.Add<TTransition>();
    auto a1 = doc.Add<TArc>();
    auto p2 = doc.Add<TPosition>();
    EXPECT_EQ(doc.Positions(), (std::vector<TPosition *>{p1.get(), p2.get()}));
    EXPECT_EQ(doc.Transitions().size(), 1u);
    EXPECT_EQ(doc.Arcs().size(), 1u);

    auto held = doc.Remove(p1.get());
    EXPECT_EQ(held, p1);
    EXPECT_EQ(p1->Owner(), nullptr);
    EXPECT_EQ(doc.Positions(), (std::vector<TPosition *>{p2.get()}));
    EXPECT_EQ(doc.IndexOf(t1.get()), 0);
    EXPECT_EQ(doc.IndexOf(p2.get()), 2);
    EXPECT_EQ(doc.IndexOf(p1.get()), -1);

    doc.Insert(p1); // back at the end of the component order
    EXPECT_EQ(doc.IndexOf(p1.get()), 3);
    EXPECT_EQ(doc.Positions(), (std::vector<TPosition *>{p2.get(), p1.get()}));

    doc.Clear();
    EXPECT_EQ(doc.Count(), 0u);
    EXPECT_TRUE(doc.Positions().empty() && doc.Arcs().empty() && doc.Transitions().empty());
    EXPECT_EQ(a1->Owner(), nullptr);
}

TEST_F(ObjectModelTest, RemovalKeepsOrderAcrossManyObjects)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    std::vector<std::shared_ptr<TPosition>> ps;
    for (int i = 0; i < 50; ++i)
        ps.push_back(doc.Add<TPosition>());
    for (int i = 0; i < 50; i += 3)
        doc.Remove(ps[i].get());
    std::vector<TPosition *> expected;
    for (int i = 0; i < 50; ++i)
        if (i % 3 != 0)
            expected.push_back(ps[i].get());
    EXPECT_EQ(doc.Positions(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(doc.Object(i), expected[i]);
}

struct Host : TDocumentHost
{
    TCountObject pos, tr;
    TCountObject &PositionCounter() override { return pos; }
    TCountObject &TransitionCounter() override { return tr; }
};

TEST_F(ObjectModelTest, LabelCountersAreTheNetWindowsCounters)
{
    Host host;
    TDrawingObjects doc(&host, nullptr, nullptr);
    doc.SetPosCounter(7);
    EXPECT_EQ(host.pos.Next(), 8);
    EXPECT_EQ(doc.PosCounter(), 8);
    EXPECT_EQ(doc.TrCounter(), 0);

    TDrawingObjects loose(nullptr, nullptr, nullptr);
    loose.Add<TPosition>();
    loose.Add<TPosition>();
    loose.SetPosCounter(40);
    EXPECT_EQ(loose.PosCounter(), 2);
}

TEST_F(ObjectModelTest, HitTestCodes)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto arc = doc.Add<TArc>();
    arc->SetLeft(0);
    arc->SetTop(0);
    arc->SetRight(80);
    arc->SetBottom(0);
    arc->UpdateExtent();
    EXPECT_EQ(arc->HitTest(2, 3), 8);
    EXPECT_EQ(arc->What, 1);
    EXPECT_EQ(arc->HitTest(78, -4), 8);
    EXPECT_EQ(arc->What, 2);
    EXPECT_EQ(arc->HitTest(40, 4), 1);
    EXPECT_EQ(arc->What, 0);
    EXPECT_EQ(arc->HitTest(40, 5), 0);

    auto t = doc.Add<TTransition>();
    t->Place(100, 100, "Z1"); // 32 x 80
    EXPECT_EQ(t->HitTest(116, 180), 2);
    EXPECT_EQ(t->HitTest(120, 176), 2);
    EXPECT_EQ(t->HitTest(121, 176), 1);
    EXPECT_EQ(t->HitTest(116, 184), 2); // the handle reaches below the bar
    EXPECT_EQ(t->HitTest(116, 185), 0);
    EXPECT_EQ(t->HitTest(99, 150), 0);
}

TEST_F(ObjectModelTest, AttachXChoosesTheSideFacingThePoint)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->Place(40, 40, "L1"); // 40..72, middle 56
    std::int32_t x = 100;
    EXPECT_EQ(p->AttachX(x, 8), 80);
    x = 0;
    EXPECT_EQ(p->AttachX(x, 8), 32);
    x = 56;
    EXPECT_EQ(p->AttachX(x, 8), 56);
    auto t = doc.Add<TTransition>();
    t->Place(40, 40, "Z1");
    x = 100;
    EXPECT_EQ(t->AttachX(x, 8), 64);
    x = 0;
    EXPECT_EQ(t->AttachX(x, 8), 48);
}

TEST_F(ObjectModelTest, TransitionEditGrowsTheBarButNotBelowItsSize)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto t = doc.Add<TTransition>();
    t->Place(0, 0, "Z1");
    t->Edit(5, 24);
    EXPECT_EQ(t->Height(), 104);
    EXPECT_EQ(t->Bottom(), 104);
    EXPECT_EQ(t->Mode, omEdited);
    t->Edit(0, -200);
    EXPECT_EQ(t->Height(), 80);
    EXPECT_EQ(t->Right(), 32);
}

TEST_F(ObjectModelTest, ArcEditMovesTheGrabbedEnd)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto a = doc.Add<TArc>();
    a->Place(16, 16, "");
    EXPECT_EQ(a->Right(), 48);
    EXPECT_EQ(a->Height(), 0);
    a->What = 2;
    a->Edit(-32, 40);
    EXPECT_EQ(a->Right(), 16);
    EXPECT_EQ(a->Bottom(), 56);
    EXPECT_EQ(a->Width(), 0);
    EXPECT_EQ(a->Height(), 40);
    a->What = 1;
    a->Edit(8, 0);
    EXPECT_EQ(a->Left(), 24);
    EXPECT_EQ(a->Width(), 8);
}

TEST_F(ObjectModelTest, CopyCarriesTheCommonStateIntoTheTargetsGrid)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    TDrawingObjects clip(nullptr, nullptr, nullptr);
    ASSERT_TRUE(clip.SetxBaseUnit(16));
    auto p = doc.Add<TPosition>();
    p->Place(40, 48, "L3");
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
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->SetLeft(2147483647);
    p->SetWidth(100);
    p->MoveBy(10, 0);
    EXPECT_LT(p->Left(), 0);
    ASSERT_TRUE(doc.SetxBaseUnit(64)); // GridLeft * 64 wraps as well
}

} // namespace
} // namespace morvane
