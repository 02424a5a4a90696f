// SPDX-License-Identifier: MIT
#pragma once

namespace morvane {

class TDrawingObjects;

// What Open does once a file was read (completely or not): recompute every connection from the
// geometry. That also rebuilds the transitions' index lists of positions from their arcs, so
// the lists as read are never looked at.
void RunPostReadSteps(TDrawingObjects &net);

} // namespace morvane
