// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

namespace morvane {
namespace {

using ExtentTest = test::GlobalsTest;

TEST_F(ExtentTest, TopLeftMakesRoomForTheLabelAboveANode)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    EXPECT_EQ(doc.TopLeftCorner(), (TPoint { 0, 0 }));
    EXPECT_EQ(doc.BottomRightCorner(), (TPoint { 0, 0 }));

    auto p = doc.Add<TPosition>();
    p->Place(40, 48, "L1");
    Globals().Lsize = 40;
    EXPECT_EQ(doc.TopLeftCorner(), (TPoint { 40, 8 }));
    Globals().Lsize = 60;
    EXPECT_EQ(doc.TopLeftCorner(), (TPoint { 40, 0 })) << "a label above the page counts as 0";
    EXPECT_EQ(doc.BottomRightCorner(), (TPoint { 72, 80 }));
}

// Regression: the corner was taken from the first object and only replaced by objects whose
// top was higher than it, so a node whose label reached above an earlier arc lost its label.
TEST_F(ExtentTest, ALaterNodesLabelAboveAnEarlierArcCounts)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto a = doc.Add<TArc>();
    a->Place(16, 56, "");
    auto t = doc.Add<TTransition>();
    t->Place(104, 64, "Z1");
    EXPECT_EQ(doc.TopLeftCorner(), (TPoint { 16, 64 - 20 }));
}

TEST_F(ExtentTest, ArcsCountWithBothEndsWhicheverWayTheyRun)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->Place(80, 80, "L1");
    auto a = doc.Add<TArc>();
    a->SetLeft(160);
    a->SetTop(200);
    a->SetRight(24); // runs leftwards and upwards past everything else
    a->SetBottom(40);
    a->UpdateExtent();
    EXPECT_EQ(doc.TopLeftCorner(), (TPoint { 24, 40 }));
    EXPECT_EQ(doc.BottomRightCorner(), (TPoint { 160, 200 }));
}

} // namespace
} // namespace morvane
