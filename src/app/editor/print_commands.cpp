// SPDX-License-Identifier: MIT
// The main window's print commands: both act on the active net window through the page setup.
#include "dialogs/page_setup.h"
#include "gn_main.h"
#include "program.h"

namespace morvane {

void TGN::miPrintPreviewClick()
{
    if (Program().PageSetup)
        Program().PageSetup->ShowFor(ActiveNet());
}

void TGN::miPrintClick()
{
    if (ActiveNet() && Program().PageSetup)
        Program().PageSetup->PrintNetWindow(ActiveNet());
}

} // namespace morvane
