// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"
#include "support/globals_fixture.h"

#include "format/net_reader.h"
#include "format/net_writer.h"
#include "model/drawing_objects.h"
#include "routing/auto_route.h"
#include "routing/path_finder.h"

#include <sstream>

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

TEST_F(CliRouteTest, AutorouteAddsTheCoreCommandsPiecesArcAfterArcAndWritesTheNet)
{
    test::TempDir dir;
    const std::string in = (dir.Path() / "in.vgn").string(),
                      out = (dir.Path() / "out.vgn").string();
    auto build = [](TDrawingObjects &doc) {
        doc.Add<TPosition>()->Place(80, 80, "L1");
        doc.Add<TTransition>()->Place(240, 160, "Z1");
    };
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    build(doc);
    ASSERT_TRUE(SaveNetFile(in, doc));
    // The second arc must go round the first; the third lies in one cell of empty page.
    const std::int32_t p[] = { 100, 96, 244, 180, 100, 104, 244, 188, 402, 298, 404, 299 };
    std::vector<std::string> args { "autoroute", in };
    for (std::int32_t v : p)
        args.push_back(std::to_string(v));
    args.insert(args.end(), { "-o", out });
    const test::CliRun run = test::RunCli(args);
    EXPECT_EQ(run.Exit, 1) << run.Err;

    std::string expected;
    for (std::size_t i = 0; i < std::size(p); i += 4) {
        const TAutoRouteResult r = AutoRouteArc(doc, p[i], p[i + 1], p[i + 2], p[i + 3]);
        expected += r.Made() ? std::to_string(r.Pieces.size()) + " pieces" : "none could be made";
        for (const TPieceEnds &e : r.Pieces)
            expected += " " + std::to_string(e.x1) + " " + std::to_string(e.y1) + " "
                + std::to_string(e.x2) + " " + std::to_string(e.y2);
        expected += "|";
    }
    std::string printed;
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("arc ", 0) == 0)
            printed += (printed.empty() ? "" : "|")
                + line.substr(line.find(": ") + 2, line.find(" (") - line.find(": ") - 2);
        else
            printed += line.substr(1);
    }
    EXPECT_EQ(printed + "|", expected);

    TDrawingObjects written(nullptr, nullptr, nullptr);
    ASSERT_TRUE(ReadNetFile(out, written));
    EXPECT_EQ(written.Arcs().size(), doc.Arcs().size());
    EXPECT_EQ(test::RunCli({ "autoroute", in, "1", "2", "3" }).Exit, 64);
}

} // namespace
} // namespace morvane
