// SPDX-License-Identifier: MIT
#include "wizard_handler.h"

#include "editor_modes.h"
#include "net_window.h"
#include "resources.h"

namespace morvane {

void TWizardHandler::Enter()
{
    State().EditState = esWizardArmed;
    const std::uint16_t mode = Mode();
    Window().viewport()->setCursor(resources::CursorById(mode == mdLeftTransition ? crRTransWizard
            : mode == mdRightTransition                                           ? crLTransWizard
                                                                                  : crTransWizard));
    Doc().SetModeOfAll(mfAll, mcDeselect);
}

void TWizardHandler::Leave()
{
    State().EditState = esGroup;
    Window().WizardObjects().Clear();
    Window().Redraw();
}

} // namespace morvane
