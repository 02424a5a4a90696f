// SPDX-License-Identifier: MIT
// morvane-cli autoroute FILE X1 Y1 X2 Y2 [...] [-o OUT]: the editor's arc-routing command.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include "format/net_writer.h"
#include "routing/auto_route.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iostream>

namespace morvane::cli {

namespace {

// The processor time of this thread in milliseconds: the figure stays the same on a busy machine.
double CpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

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
        const double start = CpuMs();
        const TAutoRouteResult r = AutoRouteArc(net, p[i], p[i + 1], p[i + 2], p[i + 3]);
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.3f ms", CpuMs() - start);
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
    "point pair in net pixels, one arc after another; prints each arc's pieces and processor time "
    "and with -o writes the net (exit 1: some arc could not be made).",
    RunAutoroute);

} // namespace
} // namespace morvane::cli
