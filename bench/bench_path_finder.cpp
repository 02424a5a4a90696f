// SPDX-License-Identifier: MIT
#include "routing/path_finder.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <vector>

// The plain transcription is test code; compiled here for the speed ratio.
#include "../tests/core/routing/plain_path_finder.cpp"

namespace morvane {
namespace {

struct TFill
{
    std::int32_t X1, Y1, X2, Y2;
    std::uint8_t Code;
};

struct TNet
{
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<TFill> Fills;
    TCellPoint Start;
    TCellPoint Target;
};

// 200 nodes with the default sizes (positions 4 x 4 steps, transitions 4 x 10, both with a label
// band of 2 steps above) and 300 arc pieces, scattered over the page; the route runs from near
// the top left corner to near the bottom right one.
// With `wall`, a horizontal arc across the whole page makes the first pass fail and the second
// cross it.
TNet MakeNet(std::int32_t width, std::int32_t height, bool wall)
{
    TNet net;
    net.Width = width;
    net.Height = height;
    std::mt19937 rng(1234);
    const auto pick = [&rng](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    };
    net.Start = { 3, 3 };
    net.Target = { width - 4, height - 4 };
    // Objects never cover the two ends.
    const auto add = [&net](const TFill &f) {
        const auto covers = [&f](TCellPoint p) {
            return p.X >= f.X1 && p.X <= f.X2 && p.Y >= f.Y1 && p.Y <= f.Y2;
        };
        if (covers(net.Start) || covers(net.Target))
            return false;
        net.Fills.push_back(f);
        return true;
    };
    for (int i = 0; i < 200;) {
        const std::int32_t x = pick(0, width - 5);
        const std::int32_t y = pick(2, height - 11);
        const std::int32_t bottom = i % 2 == 0 ? y + 4 : y + 10;
        i += add({ x, y - 2, x + 4, bottom, 1 });
    }
    for (int i = 0; i < 300;) {
        const std::int32_t x = pick(0, width - 1);
        const std::int32_t y = pick(0, height - 1);
        const int kind = pick(0, 19);
        if (kind < 9)
            i += add({ x, y, x + pick(3, 30), y, 2 });
        else if (kind < 18)
            i += add({ x, y, x, y + pick(3, 30), 3 });
        else
            i += add({ x, y, x + pick(2, 8), y + pick(2, 8), 4 });
    }
    if (wall)
        net.Fills.insert(net.Fills.begin(), { 0, height / 2, width - 1, height / 2, 2 });
    return net;
}

template <typename TFinder> void Fill(TFinder &finder, const TNet &net)
{
    finder.Clear();
    for (const TFill &f : net.Fills)
        finder.FillRect(f.X1, f.Y1, f.X2, f.Y2, f.Code);
}

std::int32_t PassesOf(const TPathFinder &finder)
{
    return finder.Pass();
}
std::int32_t PassesOf(const test::TPlainPathFinder &finder)
{
    return finder.Pass;
}
std::int32_t LengthOf(const TPathFinder &finder)
{
    return finder.PathLength();
}
std::int32_t LengthOf(const test::TPlainPathFinder &finder)
{
    return finder.PathLength;
}

template <typename TFinder>
void RouteAcrossPage(
    benchmark::State &state, std::int32_t width, std::int32_t height, bool wall = false)
{
    const TNet net = MakeNet(width, height, wall);
    TFinder finder(width, height);
    Fill(finder, net);
    if (!finder.FindPath(net.Start.X, net.Start.Y, net.Target.X, net.Target.Y)) {
        state.SkipWithError("the layout has no route");
        return;
    }
    for (auto _ : state) {
        Fill(finder, net);
        benchmark::DoNotOptimize(
            finder.FindPath(net.Start.X, net.Start.Y, net.Target.X, net.Target.Y));
    }
    state.counters["passes"] = PassesOf(finder);
    state.counters["steps"] = LengthOf(finder);
}

void BM_PathFinderDefaultPage(benchmark::State &state)
{
    RouteAcrossPage<TPathFinder>(state, 210, 297);
}
void BM_PathFinderA1Page(benchmark::State &state)
{
    RouteAcrossPage<TPathFinder>(state, 2376, 3364);
}
void BM_PathFinderDefaultPageCrossing(benchmark::State &state)
{
    RouteAcrossPage<TPathFinder>(state, 210, 297, true);
}
void BM_PathFinderA1PageCrossing(benchmark::State &state)
{
    RouteAcrossPage<TPathFinder>(state, 2376, 3364, true);
}
void BM_PlainPathFinderDefaultPage(benchmark::State &state)
{
    RouteAcrossPage<test::TPlainPathFinder>(state, 210, 297);
}
void BM_PlainPathFinderA1Page(benchmark::State &state)
{
    RouteAcrossPage<test::TPlainPathFinder>(state, 2376, 3364);
}

BENCHMARK(BM_PathFinderDefaultPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PathFinderA1Page)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PathFinderDefaultPageCrossing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PathFinderA1PageCrossing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainPathFinderDefaultPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainPathFinderA1Page)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane
