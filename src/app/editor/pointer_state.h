// SPDX-License-Identifier: MIT
#pragma once

#include "model/canvas.h"

#include <Qt>

#include <cstdint>

namespace morvane {

// Where a net window's pointer interaction stands; the mode handlers change it.
struct TPointerState
{
    // A TEditState.
    std::uint16_t EditState = 0;
    bool ConnectionsStale = false;
    bool MarkerShown = false;
    // Insert holds the left button down from the keyboard.
    bool KeyDrag = false;
    bool GroupSelection = false;
    TPoint DragOrigin;
    TPoint LastPoint;
    TPoint DownPoint;
    TPoint ScrollStep;
    Qt::MouseButtons Buttons;
    // Where the route's start marker was last looked for.
    TPoint WizardAnchor;
};

} // namespace morvane
