// SPDX-License-Identifier: MIT
#pragma once

#include "pnml/pnml_net.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

class TDrawingObjects;

struct TPnmlImportCounts
{
    std::size_t Positions = 0, Transitions = 0, Arcs = 0, Pieces = 0, LaidOut = 0;
    // The drawing's extent in net pixels, for growing the page.
    std::int32_t Right = 0, Bottom = 0;
};

// Builds the net in an empty document: places become positions and transitions transitions
// (placed as the editor places them, at the node's centre scaled onto the grid), names become
// labels, arcs become chains of pieces through their bend points with the last piece arrowed;
// nodes without coordinates are laid out. Markings, inscriptions and other tools' data go to the
// descriptions (see pnml_notes.h). Lines for the report are appended to `report`.
TPnmlImportCounts BuildPnmlNet(
    TDrawingObjects &doc, const TPnmlNet &net, std::vector<std::string> &report);

struct TPnmlImport
{
    bool Ok = false;
    // Why nothing was imported.
    std::string Error;
    // What was imported, repaired or left out; the first line sums it up.
    std::vector<std::string> Report;
    TPnmlImportCounts Counts;
};

// Reads a PNML file (the net `netId`, or the first P/T net when empty) into an empty document.
TPnmlImport ImportPnmlFile(TDrawingObjects &doc, const std::string &path, const std::string &netId);

} // namespace morvane
