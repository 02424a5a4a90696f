// SPDX-License-Identifier: MIT
#include "wizard_handler.h"

#include "editor_modes.h"
#include "gn_main.h"
#include "net_window.h"
#include "resources.h"

namespace morvane {

TTransitionWizard &TWizardHandler::Wizard()
{
    if (!m_wizard)
        m_wizard = std::make_unique<TTransitionWizard>(Doc(), Window().WizardObjects());
    return *m_wizard;
}

void TWizardHandler::Show()
{
    State().EditState = Wizard().State();
    // The preview is drawn anew as a whole, so no piece of an earlier one stays behind.
    Window().Redraw();
}

void TWizardHandler::Enter()
{
    const std::uint16_t mode = Mode();
    Window().viewport()->setCursor(resources::CursorById(mode == mdLeftTransition ? crRTransWizard
            : mode == mdRightTransition                                           ? crLTransWizard
                                                                                  : crTransWizard));
    Doc().SetModeOfAll(mfAll, mcDeselect);
    Wizard().Arm(mode == mdLeftTransition ? TWizardKind::Left
            : mode == mdRightTransition   ? TWizardKind::Right
                                          : TWizardKind::Both);
    State().EditState = esWizardArmed;
}

void TWizardHandler::Leave()
{
    State().EditState = esGroup;
    Wizard().Discard();
    Window().Redraw();
}

void TWizardHandler::Press(Qt::KeyboardModifiers)
{
    Wizard().Press(State().DownPoint);
    Show();
}

bool TWizardHandler::Move(TPoint p, bool left)
{
    if (!Wizard().HandleHeld())
        return false;
    if (Wizard().Move(p))
        Show();
    AutoScroll(left);
    return false;
}

void TWizardHandler::Release(Qt::KeyboardModifiers, TPoint)
{
    if (!Wizard().Release()) {
        Show();
        return;
    }
    State().EditState = esGroup;
    Window().Main().SetMode(mdEdit);
    Window().Redraw();
}

void TWizardHandler::Zoomed()
{
    Wizard().Rezoom();
}

} // namespace morvane
