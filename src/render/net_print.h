// SPDX-License-Identifier: MIT
#pragma once

#include "print/print_layout.h"

#include <string>

class QPagedPaintDevice;
class QPaintDevice;

namespace morvane {

class TDrawingObjects;
class TRealOptions;

// What paper shows of a net besides its objects.
struct TPrintLook
{
    bool PositionLabels = true; // the options' "Print Label" of positions
    bool TransitionLabels = true; // and of transitions
};

// The layout of the net's print: its extent measured at the drawing page's own scale (8 pixels a
// grid step where the zoom limits allow it), which is what a scale of 8:8 prints one step a
// millimetre from.
TPrintLayout LayOutNetPrint(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup);

// Prints the net onto a paged device (a printer or a PDF writer), sheets `first` to `last`
// (counted from 1; 0 for either end means from the first or to the last). The device gets the
// setup's paper and orientation, and its unprintable edges widen the margins. The net is drawn
// by the ordinary drawing code in the colour table's print colours, every object plainly (no
// selection, no handles, nothing inverted), labels as `look` says. The net itself is not
// changed. Answers an error text, empty when the sheets were printed.
std::string PrintNet(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup,
    const TPrintLook &look, QPagedPaintDevice &device, int first = 0, int last = 0);

// Draws sheet `page` (from 0) of the print on any device, the sheet's top-left corner at the
// device's (0, 0), `perMmX` x `perMmY` device units a millimetre: a preview. Draws nothing
// when the layout has no such sheet. Answers the layout.
TPrintLayout DrawPrintSheet(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup,
    const TPrintLook &look, QPaintDevice &device, double perMmX, double perMmY, int page = 0);

} // namespace morvane
