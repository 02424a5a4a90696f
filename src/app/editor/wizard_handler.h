// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

#include "model/transition_wizard.h"

#include <memory>

namespace morvane {

// The three transition-wizard modes: the anchor press, the handles that change the counts, the
// press elsewhere whose release creates the transition with its columns.
class TWizardHandler final : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    void Enter() override;
    void Leave() override;
    void Press(Qt::KeyboardModifiers shift) override;
    bool Move(TPoint p, bool left) override;
    void Release(Qt::KeyboardModifiers shift, TPoint p) override;
    void Zoomed() override;

private:
    // Made on first use: the handler exists before the window's documents do.
    TTransitionWizard &Wizard();
    // The window's interaction state follows the gesture's.
    void Show();

    std::unique_ptr<TTransitionWizard> m_wizard;
};

} // namespace morvane
