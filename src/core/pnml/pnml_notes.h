// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace morvane {

// What PNML carries and the net model has no field for is kept in the description of a position
// or transition, one line per item, each line starting with "pnml ":
//
//   pnml id=<id>                 the node's PNML id (written back when it is still unique)
//   pnml marking=<text>          a place's initial marking
//   pnml in <label>=<text>       a transition: inscription of the arc from position <label>
//   pnml out <label>=<text>      a transition: inscription of the arc to position <label>
//   pnml tool=<xml>              another tool's <toolspecific> block, on one line
//
// Lines of any other form are the user's own text and are left alone. Export reads the same
// lines back, so editing them changes what is exported.
struct TPnmlNotes
{
    std::string Id;
    std::string Marking;
    std::vector<std::pair<std::string, std::string>> In, Out; // position label, inscription
    std::vector<std::string> Tools;
};

// Appends the notes' lines to a description (after its own text, if any).
void AppendPnmlNotes(std::string &description, const TPnmlNotes &notes);
// Reads the notes' lines of a description.
TPnmlNotes ParsePnmlNotes(const std::string &description);

} // namespace morvane
