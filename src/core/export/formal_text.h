// SPDX-License-Identifier: MIT
#pragma once

#include "export/formal_components.h"
#include "format/write_result.h"

#include <string>

namespace morvane {

class TDrawingObjects;

// The formal description as plain text, for mail, diffs and version control: per transition its
// description, "Z1 = ⟨{L1, L2}, {L3}⟩", its index matrices as aligned tables with the input
// positions as rows and the output positions as columns, and its type, as far as the components
// chosen. UTF-8, lines ended by CR LF. The connections are recomputed first, as for the LaTeX
// description.
std::string FormalDescriptionText(TDrawingObjects &net, const TFormalSettings &formal = {});

// Writes FormalDescriptionText to `path`, whole or not at all.
TWriteResult WriteFormalDescriptionText(
    TDrawingObjects &net, const std::string &path, const TFormalSettings &formal = {});

} // namespace morvane
