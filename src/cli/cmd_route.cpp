// SPDX-License-Identifier: MIT
// morvane-cli route FILE X1 Y1 X2 Y2: the path finder's corner cells between two page points.
#include "command.h"
#include "coordinates.h"
#include "net_io.h"

#include "routing/path_finder.h"

#include <iostream>

namespace morvane::cli {

namespace {

int RunRoute(const std::vector<std::string> &args)
{
    if (args.size() != 5)
        return UsageError("route", "route takes a file and four page coordinates");
    std::int32_t p[4];
    for (int i = 0; i < 4; ++i)
        if (!ParseCoordinate(args[std::size_t(i) + 1], p[i]))
            return UsageError(
                "route", "\"" + args[std::size_t(i) + 1] + "\" is not a whole number");
    TLoadedNet loaded;
    if (!LoadWholeNet(args[0], loaded))
        return kExitBadInput;
    TDrawingObjects &net = loaded.Net();
    if (!net.Route(p[0], p[1], p[2], p[3])) {
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
