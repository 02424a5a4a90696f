// SPDX-License-Identifier: MIT
#include "place_handler.h"

#include "editor_modes.h"
#include "net_window.h"
#include "resources.h"

#include "model/placing.h"

namespace morvane {

void TPlaceHandler::Enter()
{
    Window().viewport()->setCursor(
        resources::CursorById(Mode() == mdPlacePosition ? crPosition : crTransition));
    Doc().SetModeOfAll(mfAll, mcDeselect);
}

void TPlaceHandler::Release(Qt::KeyboardModifiers, TPoint p)
{
    if (Mode() == mdPlacePosition)
        PlacePosition(Doc(), p.x, p.y);
    else
        PlaceTransition(Doc(), p.x, p.y);
}

} // namespace morvane
