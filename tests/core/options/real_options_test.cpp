// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "options/display_globals.h"
#include "options/real_options.h"

namespace morvane {
namespace {

using OptionsTest = test::GlobalsTest;

// Every scaled global at grid steps 8, 16 and 3 (scaled values truncate toward zero).
TEST_F(OptionsTest, ScaledGlobalsFollowTheGridStep)
{
    struct Row
    {
        const char *name;
        std::int32_t TDisplayGlobals::*field;
        std::int32_t at8, at16, at3;
    };
    using G = TDisplayGlobals;
    const Row rows[] = { { "xPageSize", &G::xPageSize, 1680, 3360, 630 },
        { "yPageSize", &G::yPageSize, 2376, 4752, 891 }, { "XPsize", &G::XPsize, 32, 64, 12 },
        { "YPsize", &G::YPsize, 32, 64, 12 }, { "XTsize", &G::XTsize, 32, 64, 12 },
        { "YTsize", &G::YTsize, 80, 160, 30 }, { "Lsize", &G::Lsize, 20, 40, 7 },
        { "hAsize", &G::hAsize, 10, 20, 3 }, { "wAsize", &G::wAsize, 2, 4, 0 },
        { "Fnsize", &G::Fnsize, 12, 20, 3 }, { "FnIndsize", &G::FnIndsize, 8, 16, 3 },
        { "tFnsize", &G::tFnsize, 10, 20, 3 }, { "tFnIndsize", &G::tFnIndsize, 9, 18, 3 },
        { "xDist", &G::xDist, 40, 80, 15 }, { "yDist", &G::yDist, 16, 32, 6 },
        { "bDist", &G::bDist, 56, 112, 21 }, { "Esize", &G::Esize, 4, 4, 4 } };
    auto &g = Globals();
    g.xGrid = 3; // stale values must be overwritten, not scaled from
    g.XPsize = 1;
    TRealOptions o;
    o.SetDefaults();
    o.SetoFnsize(12); // customised: kept while the step stays, reset by a zoom
    o.SetotFnIndsize(9); // customised: kept through zooms
    for (std::int32_t step : { 8, 16, 3 }) {
        g.xGrid = g.yGrid = step; // the net window writes the globals first
        o.ChangeXGrid(step);
        o.ChangeYGrid(step);
        for (const Row &r : rows)
            EXPECT_EQ(g.*r.field,
                step == 8        ? r.at8
                    : step == 16 ? r.at16
                                 : r.at3)
                << r.name << " at " << step;
    }
}

} // namespace
} // namespace morvane
