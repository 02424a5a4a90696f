// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"
#include "support/globals_fixture.h"

#include "format/net_writer.h"
#include "model/drawing_objects.h"
#include "routing/path_finder.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using CliRouteTest = test::GlobalsTest;

TEST_F(CliRouteTest, PrintsTheCornerCellsFromTargetToStartOrSaysNoRoute)
{
    test::TempDir dir;
    const std::string net = (dir.Path() / "net.vgn").string();
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    doc.Add<TPosition>()->Place(160, 160, "L1"); // blocks row 22 from column 20 to 24
    ASSERT_TRUE(SaveNetFile(net, doc));

    const test::CliRun run = test::RunCli({ "route", net, "80", "176", "320", "176" });
    ASSERT_EQ(run.Exit, 0) << run.Err;
    // The same search in process gives the expected cells.
    ASSERT_TRUE(doc.Route(80, 176, 320, 176));
    std::string expected;
    for (const auto &cell : doc.PathFinder->Path())
        expected += std::to_string(cell.X) + " " + std::to_string(cell.Y) + "\n";
    EXPECT_EQ(run.Out, expected);
    EXPECT_EQ(run.Out.substr(0, 6), "40 22\n");

    const test::CliRun same = test::RunCli({ "route", net, "80", "176", "84", "180" });
    EXPECT_EQ(same.Exit, 1);
    EXPECT_EQ(same.Out, "no route\n");

    // A negative coordinate is an argument, not an option: off the page, so no route.
    EXPECT_EQ(test::RunCli({ "route", net, "-8", "176", "320", "176" }).Exit, 1);
    EXPECT_EQ(test::RunCli({ "route", net, "80", "176", "x", "180" }).Exit, 64);
    EXPECT_EQ(test::RunCli({ "route", net }).Exit, 64);
    EXPECT_EQ(
        test::RunCli({ "route", (dir.Path() / "none.vgn").string(), "0", "0", "80", "80" }).Exit,
        2);
}

} // namespace
} // namespace morvane
