// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "options/display_globals.h"
#include "options/real_options.h"

namespace morvane {
namespace {

using OptionsTest = test::GlobalsTest;

// Every scaled global at grid steps (x, y) of (8, 8), (16, 24) and (3, 5); scaled values truncate
// toward zero.
TEST_F(OptionsTest, ScaledGlobalsFollowTheGridStep)
{
    struct Row
    {
        const char *name;
        std::int32_t TDisplayGlobals::*field;
        std::int32_t at[3];
    };
    using G = TDisplayGlobals;
    const Row rows[] = { { "xPageSize", &G::xPageSize, { 1680, 3360, 630 } },
        { "XPsize", &G::XPsize, { 32, 64, 12 } }, { "XTsize", &G::XTsize, { 32, 64, 12 } },
        { "hAsize", &G::hAsize, { 10, 20, 3 } }, { "Fnsize", &G::Fnsize, { 12, 20, 3 } },
        { "FnIndsize", &G::FnIndsize, { 8, 16, 3 } }, { "tFnsize", &G::tFnsize, { 10, 20, 3 } },
        { "tFnIndsize", &G::tFnIndsize, { 9, 18, 3 } }, { "xDist", &G::xDist, { 40, 80, 15 } },
        { "yPageSize", &G::yPageSize, { 2376, 7128, 1485 } },
        { "YPsize", &G::YPsize, { 32, 96, 20 } }, { "YTsize", &G::YTsize, { 80, 240, 50 } },
        { "Lsize", &G::Lsize, { 20, 60, 12 } }, { "wAsize", &G::wAsize, { 2, 6, 1 } },
        { "yDist", &G::yDist, { 16, 48, 10 } }, { "bDist", &G::bDist, { 56, 168, 35 } },
        { "Esize", &G::Esize, { 4, 4, 4 } } };
    auto &g = Globals();
    g.xGrid = 3; // stale values must be overwritten, not scaled from
    g.XPsize = 1;
    TRealOptions o;
    o.SetDefaults();
    o.SetoFnsize(12); // customised: kept while the step stays, reset by a zoom
    o.SetotFnIndsize(9); // customised: kept through zooms
    const std::int32_t steps[3][2] = { { 8, 8 }, { 16, 24 }, { 3, 5 } };
    for (int i = 0; i < 3; ++i) {
        g.xGrid = steps[i][0]; // the net window writes the globals first
        g.yGrid = steps[i][1];
        o.ChangeXGrid(steps[i][0]);
        o.ChangeYGrid(steps[i][1]);
        for (const Row &r : rows)
            EXPECT_EQ(g.*r.field, r.at[i]) << r.name << " at step " << i;
    }
}

} // namespace
} // namespace morvane
