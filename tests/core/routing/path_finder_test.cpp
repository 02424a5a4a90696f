// SPDX-License-Identifier: MIT
#include "core/routing/plain_path_finder.h"

#include "routing/path_finder.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace morvane {

void PrintTo(const TCellPoint &p, std::ostream *os)
{
    *os << "(" << p.X << "," << p.Y << ")";
}

namespace {

// A grid drawn as text: '.' free, '#' node, '-' '|' '/' horizontal, vertical and slanted arc
// pieces, 'S' the start, 'T' the target on a free cell, 't' the target on a vertical arc.
struct TScene
{
    explicit TScene(const std::vector<std::string> &rows)
        : Finder(static_cast<std::int32_t>(rows[0].size()), static_cast<std::int32_t>(rows.size()))
    {
        for (std::int32_t y = 0; y < Finder.GridHeight(); ++y) {
            for (std::int32_t x = 0; x < Finder.GridWidth(); ++x) {
                const char c = rows[y][x];
                const std::string codes = ".#-|/";
                if (c == 'S')
                    Start = { x, y };
                if (c == 'T' || c == 't')
                    Target = { x, y };
                const auto code = c == 't' ? 3 : codes.find(c);
                if (code != std::string::npos && code != 0)
                    Finder.FillRect(x, y, x, y, static_cast<std::uint8_t>(code));
            }
        }
    }

    bool Route() { return Finder.FindPath(Start.X, Start.Y, Target.X, Target.Y); }

    TPathFinder Finder;
    TCellPoint Start;
    TCellPoint Target;
};

TCellPoint P(std::int32_t x, std::int32_t y)
{
    return { x, y };
}

// Every cell the route passes, from the target to the start; fails the test on a slanted leg.
std::vector<TCellPoint> RouteCells(const TNode &path)
{
    if (path.Empty())
        return {};
    std::vector<TCellPoint> cells { path[0] };
    for (std::size_t i = 1; i < path.Count(); ++i) {
        const TCellPoint to = path[i];
        EXPECT_TRUE(to.X == cells.back().X || to.Y == cells.back().Y) << "slanted leg";
        while (cells.back() != to) {
            TCellPoint next = cells.back();
            next.X += (to.X > next.X) - (to.X < next.X);
            next.Y += (to.Y > next.Y) - (to.Y < next.Y);
            cells.push_back(next);
        }
    }
    return cells;
}

// Every move of the route enters its cell the way the wave may: free cells from any side,
// relaxed arcs only across. Between its ends the route keeps only its corners.
void ExpectCrossesArcsOnly(const TPathFinder &finder)
{
    const std::vector<TCellPoint> &points = finder.Path().Points();
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_NE(points[i - 1], points[i]) << "repeated point " << i;
        if (i + 1 < points.size()) {
            const bool inLine = (points[i - 1].X == points[i].X && points[i].X == points[i + 1].X)
                || (points[i - 1].Y == points[i].Y && points[i].Y == points[i + 1].Y);
            EXPECT_FALSE(inLine) << "point " << i << " inside a straight leg";
        }
    }
    const std::vector<TCellPoint> cells = RouteCells(finder.Path());
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(finder.PathLength()) + 1);
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        const std::uint8_t code = finder.Code(cells[i].X, cells[i].Y);
        const bool across = cells[i].Y == cells[i + 1].Y;
        EXPECT_TRUE(code == 0 || code == 7 || code == (across ? 6 : 5))
            << "code " << int(code) << " entered " << (across ? "across" : "upright") << " at "
            << cells[i].X << "," << cells[i].Y;
    }
}

// Whether a route is found, after how many relaxation passes, its points from the target to the
// start, and the codes of some cells afterwards.
TEST(PathFinder, HandMadeScenes)
{
    struct Case
    {
        const char *what;
        std::vector<std::string> rows;
        bool found;
        std::int32_t pass;
        std::vector<TCellPoint> path;
        std::vector<std::array<std::int32_t, 3>> codes = {}; // x, y, code
    };
    const std::vector<std::string> crossing { "..S...", "......", "------", "......", "....T." };
    const Case cases[] = {
        { "adjacent", { "....", ".ST.", "...." }, true, 0, { P(2, 1), P(1, 1) } },
        { "below", { "...", ".T.", ".S.", "..." }, true, 0, { P(1, 1), P(1, 2) } },
        // The tracers meet on the leg and commit there; the route still has no corner.
        { "corridor", { "########", "#S....T#", "########" }, true, 0, { P(6, 1), P(1, 1) } },
        { "a target on a vertical arc is entered from the side",
            { "....|...", "....|...", ".S..t...", "....|...", "....|..." }, true, 0,
            { P(4, 2), P(1, 2) }, { { 4, 2, 0 } } },
        { "a horizontal arc is crossed only after relaxing", crossing, true, 1,
            { P(4, 4), P(2, 4), P(2, 0) },
            { { 0, 2, 5 }, { 1, 2, 5 }, { 2, 2, 5 }, { 3, 2, 5 }, { 4, 2, 5 }, { 5, 2, 5 } } },
        // Wave labels alone lead from the target left along the relaxed arc below the start; the
        // route must cross arcs instead, here the vertical one right of the start.
        { "crossing instead of following", { "--|-.", ".S.|.", ".--T." }, true, 1,
            { P(3, 2), P(3, 1), P(1, 1) } },
        // The vertical arc is met from both sides while the walled-in target cannot be reached.
        { "met from both sides",
            { "S.......", "...|....", "...|....", "........", "..###...", "..#T#...", "..###..." },
            false, 2, {}, { { 3, 1, 9 }, { 3, 2, 9 } } },
        // The only way in runs along the arc: it may be crossed, never followed.
        { "never followed", { "###S###", "------T", "#######" }, false, 2, {},
            { { 3, 1, 5 }, { 4, 1, 2 } } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TScene scene(c.rows);
        ASSERT_EQ(scene.Route(), c.found);
        EXPECT_EQ(scene.Finder.Pass(), c.pass);
        if (c.found) {
            EXPECT_EQ(scene.Finder.Path().Points(), c.path);
            ExpectCrossesArcsOnly(scene.Finder);
        }
        for (const auto &[x, y, code] : c.codes)
            EXPECT_EQ(scene.Finder.Code(x, y), code) << x << "," << y;
    }

    // Without a relaxation pass the crossing has no route, and the last route stays.
    TScene capped(crossing);
    capped.Finder.SetMaxPasses(0);
    ASSERT_TRUE(capped.Finder.FindPath(0, 0, 1, 0));
    const TNode before = capped.Finder.Path();
    EXPECT_FALSE(capped.Route());
    EXPECT_EQ(capped.Finder.Pass(), 1);
    EXPECT_EQ(capped.Finder.Path(), before);
}

// Grids of random nodes and arc pieces, routed by the path finder and by the plain transcription
// of the same rules: every answer, route, label and code must agree. One path finder per size
// serves many grids, so stale codes or labels would show.
TEST(PathFinder, AgreesWithThePlainTranscriptionOnRandomGrids)
{
    std::mt19937 rng(20240611);
    const auto pick = [&rng](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    };
    int routes = 0;
    int relaxed = 0;
    for (int size = 0; size < 40; ++size) {
        const std::int32_t width = pick(2, 40);
        const std::int32_t height = pick(2, 40);
        TPathFinder finder(width, height);
        test::TPlainPathFinder plain(width, height);
        for (int grid = 0; grid < 10; ++grid) {
            SCOPED_TRACE(testing::Message() << width << "x" << height << " grid " << grid);
            finder.Clear();
            plain.Clear();
            const int pieces = pick(0, width * height / 8);
            for (int i = 0; i < pieces; ++i) {
                const std::int32_t x = pick(-2, width + 1);
                const std::int32_t y = pick(-2, height + 1);
                std::int32_t x2 = x, y2 = y;
                const std::int32_t kind = pick(0, 4);
                if (kind == 0) { // node
                    x2 += pick(-4, 4);
                    y2 += pick(-4, 4);
                } else if (kind == 1) { // horizontal arc
                    x2 += pick(-15, 15);
                } else if (kind == 2) { // vertical arc
                    y2 += pick(-15, 15);
                } else if (kind == 3) { // slanted arc
                    x2 += pick(1, 6);
                    y2 += pick(1, 6);
                }
                const auto code = static_cast<std::uint8_t>(kind == 0 || kind == 4 ? 1 : kind + 1);
                finder.FillRect(x, y, x2, y2, code);
                plain.FillRect(x, y, x2, y2, code);
            }
            const std::int32_t maxPasses = pick(0, 3) == 0 ? pick(0, 2) : 32767;
            finder.SetMaxPasses(maxPasses);
            plain.MaxPasses = maxPasses;
            // A second search on the same grid starts from the codes the first one relaxed.
            for (int search = 0; search < 2; ++search) {
                const std::int32_t sx = pick(-1, width), sy = pick(-1, height);
                const std::int32_t tx = pick(0, 9) == 0 ? sx : pick(-1, width);
                const std::int32_t ty = tx == sx ? sy : pick(-1, height);
                // Ends off the grid or on a node fail before the pass count is reset.
                const bool searched = finder.Code(sx, sy) != 1 && finder.Code(tx, ty) != 1;
                const bool found = finder.FindPath(sx, sy, tx, ty);
                ASSERT_EQ(found, plain.FindPath(sx, sy, tx, ty))
                    << sx << "," << sy << " " << tx << "," << ty;
                // The same cells, passed in the same order; the path finder drops the points
                // that are no corners.
                TNode expected;
                for (const auto &[x, y] : plain.Path)
                    expected.Add(x, y);
                ASSERT_EQ(RouteCells(finder.Path()), RouteCells(expected));
                if (sx == tx && sy == ty)
                    break; // the plain transcription relaxes in vain before giving up
                if (searched) {
                    ASSERT_EQ(finder.Pass(), plain.Pass);
                }
                routes += found;
                relaxed += found && plain.Pass > 0;
                if (found) {
                    ASSERT_EQ(finder.PathLength(), plain.PathLength);
                    ExpectCrossesArcsOnly(finder);
                }
                for (std::int32_t y = 0; y < height; ++y) {
                    for (std::int32_t x = 0; x < width; ++x) {
                        ASSERT_EQ(finder.Code(x, y), plain.Code(x, y)) << x << "," << y;
                        ASSERT_EQ(finder.Dist(x, y), plain.Dist(x, y)) << x << "," << y;
                    }
                }
            }
            for (int q = 0; q < 20; ++q) {
                const std::int32_t a = pick(-2, width + 1), b = pick(-2, width + 1);
                const std::int32_t row = pick(-1, height), c = pick(-2, width + 1);
                const std::int32_t y2 = pick(-2, height + 1);
                EXPECT_EQ(finder.FreeRunEnd(a, b, row, c, q % 2 == 0),
                    plain.FreeRunEnd(a, b, row, c, q % 2 == 0));
                EXPECT_EQ(finder.ScanToFree(a, c - a, row), plain.ScanToFree(a, c - a, row));
                EXPECT_EQ(finder.IsColumnBlocked(a, row, y2), plain.IsColumnBlocked(a, row, y2));
            }
        }
    }
    EXPECT_GT(routes, 150);
    EXPECT_GT(relaxed, 20);
}

} // namespace
} // namespace morvane
