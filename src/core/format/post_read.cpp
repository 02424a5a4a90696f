// SPDX-License-Identifier: MIT
#include "format/post_read.h"

#include "model/drawing_objects.h"

namespace morvane {

void RunPostReadSteps(TDrawingObjects &net)
{
    net.RebuildConnections();
}

} // namespace morvane
