// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

namespace morvane {

// Place-position and place-transition modes: a release places the node at the snapped point.
class TPlaceHandler final : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    void Enter() override;
    void Release(Qt::KeyboardModifiers shift, TPoint p) override;
};

} // namespace morvane
