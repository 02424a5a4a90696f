// SPDX-License-Identifier: MIT
#include "options/real_options.h"

#include "options/display_globals.h"
#include "support/globals_fixture.h"

namespace morvane {
namespace {

using OptionsTest = test::GlobalsTest;

TEST_F(OptionsTest, SetDefaultsDerivesEveryGlobalFromTheGridStep)
{
    auto &g = Globals();
    g.xGrid = 3; // stale values must be overwritten, not scaled from
    g.XPsize = 1;
    TRealOptions o;
    o.SetDefaults();
    EXPECT_EQ(g.xGrid, 8);
    EXPECT_EQ(g.xPageSize, 1680);
    EXPECT_EQ(g.yPageSize, 2376);
    EXPECT_EQ(g.XPsize, 32);
    EXPECT_EQ(g.YTsize, 80);
    EXPECT_EQ(g.Lsize, 20);
    EXPECT_EQ(g.hAsize, 10);
    EXPECT_EQ(g.wAsize, 2);
    EXPECT_EQ(g.xDist, 40);
    EXPECT_EQ(g.yDist, 16);
    EXPECT_EQ(g.bDist, 56);
    EXPECT_EQ(o.oVersion(), "0.8 Research");
}

TEST_F(OptionsTest, ZoomFrom8To16RescalesGlobalsAndResetsScaledOptions)
{
    auto &g = Globals();
    TRealOptions o;
    o.SetDefaults();
    o.SetoFnsize(12); // as if the options dialog had set it
    EXPECT_EQ(g.Fnsize, 12);
    o.SetotFnIndsize(9);

    g.xGrid = g.yGrid = 16; // the net window writes the globals first
    o.ChangeXGrid(16);
    o.ChangeYGrid(16);
    EXPECT_EQ(g.XPsize, 64);
    EXPECT_EQ(g.YPsize, 64);
    EXPECT_EQ(g.YTsize, 160);
    EXPECT_EQ(g.Lsize, 40);
    EXPECT_EQ(g.Fnsize, 20);
    EXPECT_EQ(o.oFnsize(), 10);
    EXPECT_EQ(g.hAsize, 20);
    EXPECT_EQ(g.wAsize, 4);
    EXPECT_EQ(g.xPageSize, 210 * 16);
    EXPECT_EQ(g.bDist, 112);
    // The transition index size keeps its own value and is only rescaled.
    EXPECT_EQ(o.otFnIndsize(), 9);
    EXPECT_EQ(g.tFnIndsize, 18);
    // Esize is in pixels and does not follow the zoom.
    EXPECT_EQ(g.Esize, 4);
}

TEST_F(OptionsTest, ChangeGridToTheSameStepKeepsCustomisedOptions)
{
    TRealOptions o;
    o.SetDefaults();
    o.SetoFnsize(12);
    o.ChangeXGrid(8);
    EXPECT_EQ(o.oFnsize(), 12);
    EXPECT_EQ(Globals().Fnsize, 12);
}

TEST_F(OptionsTest, ScaledGlobalsTruncateTowardZero)
{
    TRealOptions o;
    o.SetDefaults();
    Globals().xGrid = 3;
    o.ChangeXGrid(3);
    EXPECT_EQ(Globals().hAsize, 3);  // 10 * 3 / 8
    EXPECT_EQ(Globals().Fnsize, 3);  // 10 * 3 / 8
    EXPECT_EQ(Globals().FnIndsize, 3); // 8 * 3 / 8
}

TEST_F(OptionsTest, ColorTableInitialValues)
{
    const auto &ct = Globals().ColorTable;
    ASSERT_EQ(ct.size(), 25u);
    EXPECT_EQ(ct[0], 0xFF000005u);
    EXPECT_EQ(ct[2], 0x00808080u);
    EXPECT_EQ(ct[7], 0x000000FFu);
    EXPECT_EQ(ct[9], 0x00008000u);
    EXPECT_EQ(ct[17], 0x02FF8080u);
    EXPECT_EQ(ct[19], 0x00FF0000u);
}

} // namespace
} // namespace morvane
