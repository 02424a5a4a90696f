// SPDX-License-Identifier: MIT
#pragma once

#include "pnml/pnml_net.h"

#include <cstddef>
#include <string>
#include <vector>

namespace morvane {

// Files above this size are refused before parsing; the parsed tree takes a few times the
// file's size in memory.
inline constexpr std::size_t kPnmlMaxBytes = std::size_t(256) << 20;
// Deeper pages are skipped (and reported); real nets nest a few levels.
inline constexpr int kPnmlMaxPageDepth = 64;
// Coordinates beyond this are taken for damage: the node is laid out as if it had none.
inline constexpr double kPnmlMaxCoordinate = 1e7;

struct TPnmlReadResult
{
    bool Ok = false;
    // Why nothing could be imported; empty when Ok.
    std::string Error;
    // What was read, repaired or left out, one line each, in reading order.
    std::vector<std::string> Report;
};

// Reads one net of a PNML document: the net with the id `netId`, or when it is empty the first
// P/T net (the first net when none says it is one). The other nets are listed in the report.
// Never expands entities other than the five predefined ones and character references.
TPnmlReadResult ReadPnml(const std::string &text, const std::string &netId, TPnmlNet &net);
// The same for a file; refuses files larger than kPnmlMaxBytes.
TPnmlReadResult ReadPnmlFile(const std::string &path, const std::string &netId, TPnmlNet &net);

} // namespace morvane
