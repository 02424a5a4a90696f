// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

namespace morvane {

// The three transition-wizard modes: arming on entry, clearing the preview on leaving.
class TWizardHandler final : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    void Enter() override;
    void Leave() override;
};

} // namespace morvane
