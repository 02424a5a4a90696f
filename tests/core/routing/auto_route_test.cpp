// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"
#include "routing/auto_route.h"

namespace morvane {
namespace {

using AutoRouteTest = test::GlobalsTest;

// Position from x 80 to 112 (middle 96), transition from x 200 (middle line 216), one row.
TEST_F(AutoRouteTest, AnEndOnANodesMiddleColumnLeavesFromTheSideFacingTheOtherEnd)
{
    const struct
    {
        std::int32_t pressX, releaseX;
    } cases[] = { { 96, 216 }, { 100, 216 }, { 96, 210 } };
    for (const auto &c : cases) {
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        doc.Add<TPosition>()->Place(80, 80, "L1");
        doc.Add<TTransition>()->Place(200, 80, "Z1");
        const TAutoRouteResult r = AutoRouteArc(doc, c.pressX, 96, c.releaseX, 96);
        ASSERT_TRUE(r.Made()) << c.pressX << " " << c.releaseX;
        EXPECT_EQ(r.Pieces.front(), (TPieceEnds { 112, 96, 216, 96 })) << c.pressX;
    }
}

} // namespace
} // namespace morvane
