// SPDX-License-Identifier: MIT
#include "session_end.h"

#include "autosave.h"
#include "editor/gn_main.h"
#include "editor/program.h"
#include "editor/save_guard.h"

#include <QSessionManager>

namespace morvane {

void CommitSession(TGN &gn, QSessionManager &manager)
{
#ifndef QT_NO_SESSIONMANAGER
    if (!manager.allowsInteraction()) {
        if (TAutosave *autosave = Program().Autosave)
            autosave->SaveAll();
        return;
    }
    const bool confirmed = ConfirmExit(gn, false);
    manager.release();
    if (!confirmed) {
        manager.cancel();
        return;
    }
    // Closed now, so that the end of the session does not ask again.
    gn.CloseConfirmed();
#else
    (void)gn, (void)manager;
#endif
}

} // namespace morvane
