// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

namespace morvane {

// Place-arc mode: a rubber line follows the held button and the release adds one straight
// piece between the snapped press and release points. The routing mode shares the rubber line.
class TArcHandler : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    bool Move(TPoint p, bool left) override;
    void Release(Qt::KeyboardModifiers shift, TPoint p) override;
};

} // namespace morvane
