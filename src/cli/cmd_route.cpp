// SPDX-License-Identifier: MIT
// morvane-cli route FILE X1 Y1 X2 Y2: the path finder's corner cells between two page points.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "routing/path_finder.h"

#include <cstdint>
#include <iostream>

namespace morvane::cli {

namespace {

int RunRoute(const std::vector<std::string> &args)
{
    TOptionParser p("route");
    p.Parse(args);
    const auto &a = p.Positional(5, 5, "a file and four page coordinates");
    std::int32_t c[4];
    for (std::size_t i = 0; i < 4; ++i)
        c[i] = WholeNumber(a[i + 1], "a page coordinate", INT32_MIN, INT32_MAX);
    TLoadedNet loaded;
    if (!LoadWholeNet(a[0], loaded))
        return kExitBadInput;
    TDrawingObjects &net = loaded.Net();
    if (!net.Route(c[0], c[1], c[2], c[3])) {
        std::cout << "no route\n";
        return kExitFound;
    }
    // Corner cells from the target back to the start, as the path finder keeps them.
    for (const auto &cell : net.PathFinder->Path())
        std::cout << cell.X << ' ' << cell.Y << '\n';
    return kExitOk;
}

const CommandRegistrar registrar("route", "route FILE X1 Y1 X2 Y2",
    "Asks the path finder for a route between two page points of the net and prints its "
    "corner cells from the target back to the start; adds no stubs (exit 1: no route).",
    RunRoute);

} // namespace
} // namespace morvane::cli
