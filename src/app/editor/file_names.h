// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace morvane {

// A net file's path without the extension of its file name. Dots in folder names (hidden
// folders, versioned folders) are part of the path, and a name without extension stays whole,
// so the XML description always lands beside the net.
QString FileNameOf(const QString &path);

} // namespace morvane
