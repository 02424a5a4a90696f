// SPDX-License-Identifier: MIT
#pragma once

namespace morvane {

class TDrawingObjects;

// What Open does once a file was read (completely or not): re-attach the transitions' index
// lists to positions by label and recompute every connection from the geometry.
void RunPostReadSteps(TDrawingObjects &net);

} // namespace morvane
