// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"
#include "support/net_building.h"

#include "model/drawing_objects.h"
#include "routing/path_finder.h"

namespace morvane {
namespace {

using RouteGridTest = test::GlobalsTest;

using test::AddPiece;

TEST_F(RouteGridTest, ObjectsMarkTheirCellsWithTheirCodes)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    doc.Add<TPosition>()->Place(80, 80, "L1"); // cells 10..14, raised by 20 div 8 = 2 rows
    AddPiece(doc, 200, 40, 200, 120); // vertical: code 3
    AddPiece(doc, 240, 40, 160, 40); // horizontal, right to left: code 2
    AddPiece(doc, 400, 400, 400, 400); // zero length: code 1
    doc.BuildRouteGrid();
    ASSERT_TRUE(doc.PathFinder);
    const TPathFinder &pf = *doc.PathFinder;
    EXPECT_EQ(pf.GridWidth(), 210);
    EXPECT_EQ(pf.GridHeight(), 297);
    EXPECT_EQ(pf.Code(10, 8), 1);
    EXPECT_EQ(pf.Code(14, 14), 1);
    EXPECT_EQ(pf.Code(10, 7), 0);
    EXPECT_EQ(pf.Code(15, 10), 0);
    EXPECT_EQ(pf.Code(25, 10), 3);
    EXPECT_EQ(pf.Code(25, 5), 3); // the crossing cell keeps the first code written
    EXPECT_EQ(pf.Code(20, 5), 2);
    EXPECT_EQ(pf.Code(50, 50), 1);
}

TEST_F(RouteGridTest, RouteInOneCellDoesNotSearch)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    EXPECT_FALSE(doc.Route(81, 81, 87, 86));
    EXPECT_FALSE(doc.PathFinder) << "no grid is made for a route that needs no search";
}

TEST_F(RouteGridTest, RouteGoesAroundANodeAndTheGridIsRebuiltEachTime)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    auto p = doc.Add<TPosition>();
    p->Place(160, 160, "L1"); // cells 20..24 wide, rows 18..24 with the label band
    ASSERT_TRUE(doc.Route(80, 176, 320, 176));
    const TNode &path = doc.PathFinder->Path();
    ASSERT_GE(path.Count(), 3u);
    EXPECT_EQ(path[0].X, 40);
    EXPECT_EQ(path[0].Y, 22);
    EXPECT_EQ(path[path.Count() - 1].X, 10);
    EXPECT_EQ(path[path.Count() - 1].Y, 22);
    for (const auto &cell : path)
        EXPECT_FALSE(cell.X >= 20 && cell.X <= 24 && cell.Y >= 18 && cell.Y <= 24);

    // With the node gone the same request runs straight.
    doc.Remove(p.get());
    ASSERT_TRUE(doc.Route(80, 176, 320, 176));
    for (const auto &cell : doc.PathFinder->Path())
        EXPECT_EQ(cell.Y, 22);
}

TEST_F(RouteGridTest, EndsOnANodeOrOffThePageGiveNoRouteAndThePageGrowsToTheDrawing)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    doc.Add<TPosition>()->Place(160, 160, "L1");
    EXPECT_FALSE(doc.Route(80, 176, 170, 170));
    EXPECT_FALSE(doc.Route(80, 176, 5000, 176));

    // A drawing wider than the page once stopped every route at the page's edge.
    doc.Add<TPosition>()->Place(4000, 160, "L2");
    EXPECT_TRUE(doc.Route(80, 176, 3960, 176));
    EXPECT_EQ(doc.PathFinder->GridWidth(), (4000 + 32) / 8 + 16);
    EXPECT_EQ(doc.PathFinder->GridHeight(), 297);
}

} // namespace
} // namespace morvane
