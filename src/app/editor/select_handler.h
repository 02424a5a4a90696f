// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

namespace morvane {

// Edit and drag-edit modes: selecting by click or rubber band, dragging the selection, and
// editing one object by its handles.
class TSelectHandler final : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    void Press(Qt::KeyboardModifiers shift) override;
    bool Move(TPoint p, bool left) override;
    void Release(Qt::KeyboardModifiers shift, TPoint p) override;

private:
    void PressOnGroup(Qt::KeyboardModifiers shift);
    void PressOnSingle();
    void SelectionRelease(Qt::KeyboardModifiers shift);
    void DragRelease();
};

} // namespace morvane
