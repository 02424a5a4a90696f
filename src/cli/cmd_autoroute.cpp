// SPDX-License-Identifier: MIT
// morvane-cli autoroute FILE X1 Y1 X2 Y2 [...] [-o OUT]: the editor's arc-routing command.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "format/net_writer.h"
#include "routing/auto_route.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>

namespace morvane::cli {

namespace {

int RunAutoroute(const std::vector<std::string> &args)
{
    TOptionParser parser("autoroute");
    parser.Value("o").Parse(args);
    const auto &rest = parser.Positional(5, SIZE_MAX, "a file and groups of four page coordinates");
    if ((rest.size() - 1) % 4 != 0)
        throw TUsageError("the page coordinates come in groups of four");
    const std::string out = parser.Text("o");
    RefuseOverwritingInput(rest[0], out);
    std::vector<std::int32_t> p(rest.size() - 1);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = WholeNumber(rest[i + 1], "a page coordinate", INT32_MIN, INT32_MAX);
    TLoadedNet loaded;
    if (!LoadWholeNet(rest[0], loaded))
        return kExitBadInput;
    TDrawingObjects &net = loaded.Net();
    bool allMade = true;
    for (std::size_t i = 0; i < p.size(); i += 4) {
        const auto start = std::chrono::steady_clock::now();
        const TAutoRouteResult r = AutoRouteArc(net, p[i], p[i + 1], p[i + 2], p[i + 3]);
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.3f ms", took.count());
        std::cout << "arc " << i / 4 + 1 << ": ";
        if (r.Made())
            std::cout << r.Pieces.size() << " pieces (" << ms << ")\n";
        else
            std::cout << "none could be made (" << ms << ")\n";
        for (const TPieceEnds &e : r.Pieces)
            std::cout << "  " << e.x1 << ' ' << e.y1 << ' ' << e.x2 << ' ' << e.y2 << '\n';
        allMade = allMade && r.Made();
    }
    if (!out.empty()) {
        if (const int code = ReportWritten(SaveNetFile(out, net)); code != kExitOk)
            return code;
    }
    return allMade ? kExitOk : kExitFound;
}

const CommandRegistrar registrar("autoroute",
    "autoroute FILE X1 Y1 X2 Y2 [X1 Y1 X2 Y2 ...] [-o OUT]",
    "Runs the editor's arc-routing command (stubs, legs, merging) for each press and release "
    "point pair in net pixels, one arc after another; prints each arc's pieces and time and "
    "with -o writes the net (exit 1: some arc could not be made).",
    RunAutoroute);

} // namespace
} // namespace morvane::cli
