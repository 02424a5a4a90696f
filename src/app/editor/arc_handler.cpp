// SPDX-License-Identifier: MIT
#include "arc_handler.h"

#include "net_window.h"

#include "model/placing.h"

namespace morvane {

bool TArcHandler::Move(TPoint p, bool left)
{
    TPointerState &s = State();
    if (!left && !s.KeyDrag)
        return false;
    bool scrolled = false;
    const TPoint start { SnapX(s.DownPoint.x), SnapY(s.DownPoint.y) };
    Window().HideRubberLine();
    AutoScroll(left);
    if (Window().Interval().isActive()) {
        Window().ScrollBy(s.ScrollStep);
        scrolled = true;
    }
    Window().ShowRubberLine(start, { SnapX(p.x), SnapY(p.y) });
    return scrolled;
}

void TArcHandler::Release(Qt::KeyboardModifiers, TPoint p)
{
    Window().HideRubberLine();
    AddArcPiece(Doc(), State().DownPoint.x, State().DownPoint.y, p.x, p.y);
}

} // namespace morvane
