// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// One P/T net as read from a PNML document: pages flattened, reference nodes resolved, arcs
// joining a place and a transition. Coordinates are the document's own (node centres).

inline constexpr const char *kPnmlNamespace = "http://www.pnml.org/version-2009/grammar/pnml";
inline constexpr const char *kPtNetType = "http://www.pnml.org/version-2009/grammar/ptnet";
// The tool name of this program's own tool-specific blocks: they carry what PNML has no place
// for (exact pixel geometry, priorities, capacities, net times), so that a net survives a trip
// through PNML unchanged.
inline constexpr const char *kOwnTool = "Morvane";

struct TPnmlPoint
{
    double X = 0, Y = 0;
};

// This program's own geometry and attributes of a node, read from its tool-specific block.
struct TPnmlOwnNode
{
    bool Present = false;
    std::int32_t Left = 0, Top = 0, Height = 0, Priority = 0, Capacity = -1;
};

struct TPnmlNode
{
    std::string Id;
    bool IsPlace = true;
    std::string Name;
    bool HasPosition = false;
    TPnmlPoint Position;
    std::string Marking;
    // Other tools' blocks, each serialised on one line.
    std::vector<std::string> Tools;
    TPnmlOwnNode Own;
    // The page it was drawn on, numbered in reading order (0: outside any page).
    std::size_t Page = 0;
};

struct TPnmlArc
{
    std::string Id;
    std::size_t Source = 0, Target = 0; // indices into TPnmlNet::Nodes
    std::vector<TPnmlPoint> Bends;
    std::size_t Page = 0;
    std::string Inscription;
    // This program's exact end points, when the arc came from it.
    bool HasEnds = false;
    std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct TPnmlNet
{
    std::string Id;
    std::string Type;
    std::string Name;
    std::vector<TPnmlNode> Nodes;
    std::vector<TPnmlArc> Arcs;
    // Written by this program: coordinates are net pixels and the nodes carry their own geometry.
    bool Own = false;
    std::int32_t Start = 0, Duration = 256, TimeStep = 1;
};

} // namespace morvane
