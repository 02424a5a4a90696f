// SPDX-License-Identifier: MIT
// morvane-cli info FILE: the net's attributes and how many objects of each kind it has.
#include "command.h"
#include "net_io.h"
#include "option_parser.h"

#include <iostream>

namespace morvane::cli {

namespace {

void PrintInfo(TLoadedNet &loaded, std::ostream &out)
{
    TDrawingObjects &net = loaded.Net();
    out << "Name: " << net.NetName << '\n'
        << "Start: " << net.NetStart << '\n'
        << "Duration: " << net.NetDuration << '\n'
        << "Time step: " << net.NetTimeStep << '\n'
        << "x base unit: " << net.xBaseUnit() << '\n'
        << "y base unit: " << net.yBaseUnit() << '\n'
        << "Position counter: " << net.PosCounter() << '\n'
        << "Transition counter: " << net.TrCounter() << '\n'
        << "Positions: " << net.Positions().size() << '\n'
        << "Transitions: " << net.Transitions().size() << '\n'
        << "Arc pieces: " << net.Arcs().size() << '\n';
}

int RunInfo(const std::vector<std::string> &args)
{
    TOptionParser p("info");
    p.Parse(args);
    TLoadedNet loaded;
    const TLoadOutcome outcome
        = LoadNet(p.Positional(1, 1, "exactly one file").front(), loaded, std::cerr);
    if (outcome.Status == TLoadStatus::Unreadable) {
        std::cerr << "morvane-cli: " << outcome.Message << '\n';
        return kExitBadInput;
    }
    if (outcome.Status == TLoadStatus::Corrupted)
        std::cerr << outcome.Message << '\n';
    // What was read is shown even from a damaged file, as the editor shows it.
    PrintInfo(loaded, std::cout);
    return outcome.Status == TLoadStatus::Ok ? kExitOk : kExitBadInput;
}

const CommandRegistrar registrar("info", "info FILE",
    "Prints the net's attributes and its numbers of positions, "
    "transitions and arc pieces.",
    RunInfo);

} // namespace
} // namespace morvane::cli
