// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <string>
#include <vector>

namespace morvane {

class TDrawingObjects;

// Writes a net as a PNML P/T net on one page: positions as places and transitions as
// transitions with their labels as names and their centres as positions, every arc chain that
// joins a position and a transition as an arc through the chain's joints, markings and
// inscriptions from the descriptions (pnml_notes.h), and this program's own tool-specific blocks
// with the exact geometry, so that importing the file gives the same net back. Ids are the kept
// PNML ids where still unique, else made up. What could not be written is listed in `report`.
std::string PnmlText(TDrawingObjects &doc, std::vector<std::string> &report);
TWriteResult SavePnml(
    TDrawingObjects &doc, const std::string &path, std::vector<std::string> &report);

} // namespace morvane
