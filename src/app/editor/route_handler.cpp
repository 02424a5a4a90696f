// SPDX-License-Identifier: MIT
#include "route_handler.h"

#include "net_window.h"

namespace morvane {

void TRouteHandler::Leave()
{
    // The start marker belongs to this mode only.
    Window().HideArcMarker();
    Window().Flush();
}

bool TRouteHandler::Move(TPoint p, bool left)
{
    Window().UpdateArcMarker(p);
    return TArcHandler::Move(p, left);
}

void TRouteHandler::Release(Qt::KeyboardModifiers, TPoint p)
{
    Window().HideRubberLine();
    // Taken away before the new arc is drawn under it: inverted later, it would speck the arc.
    Window().HideArcMarker();
    Window().AutoRouteArc(State().DownPoint.x, State().DownPoint.y, p.x, p.y);
}

void TRouteHandler::RightHit()
{
    if (State().MarkerShown)
        Window().HideArcMarker();
}

} // namespace morvane
