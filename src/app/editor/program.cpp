// SPDX-License-Identifier: MIT
#include "program.h"

#include "dialogs/error_message.h"
#include "dialogs/export_options.h"
#include "dialogs/matrix_editor.h"
#include "dialogs/name_generator.h"
#include "dialogs/net_properties.h"
#include "dialogs/options_dialog.h"
#include "dialogs/page_setup.h"
#include "gn_main.h"
#include "logo.h"
#include "paste_guard.h"
#include "session/autosave.h"
#include "session/desktop_list.h"
#include "session/recovery.h"
#include "session/session_end.h"
#include "settings/registry_persistence.h"

#include <QApplication>
#include <QFileInfo>
#include <QProxyStyle>
#include <QSessionManager>

#include <iostream>
#include <string>

namespace morvane {

namespace {

// Hints wait 240 ms before they show.
class THintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 240;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TProgram &Program()
{
    static TProgram program;
    return program;
}

const TMatrixSettings &MatrixSettings()
{
    static const TMatrixSettings defaults;
    return Program().Options ? Program().Options->MatrixSettings() : defaults;
}

void StartUp(bool showSplash)
{
    TProgram &p = Program();
    // 2. The main window (with the clipboard, the reopen history and the cursors).
    p.GN = new TGN;
    // 3, 4. The splash window, shown at once. Widgets live on the GUI thread only, so it is
    // shown from here rather than from a thread of its own; it is painted before start-up
    // goes on.
    p.Logo = new TLogo(p.GN);
    if (showSplash) {
        p.Logo->show();
        p.Logo->raise();
        QApplication::processEvents();
    }
    // 5. The main window answers the hints; hints come after 240 ms.
    qApp->installEventFilter(p.GN);
    // No text field pastes an empty clipboard.
    qApp->installEventFilter(new TPasteGuard(p.GN));
    if (!dynamic_cast<THintStyle *>(QApplication::style()))
        QApplication::setStyle(new THintStyle);
    // 6. The options dialog, and with it the options record and its defaults.
    p.Options = new TOptions(p.GN, p.GN);
    // 7. Options, window placement and reopen history.
    // A store that is there but not fit to read is left alone: the program starts with its
    // defaults and says why.
    std::string unread;
    LoadFromRegistry(rpOptions | rpWindow | rpReOpen, *p.GN, &unread);
    if (!unread.empty())
        std::cerr << "Settings not restored: " << unread << "\n";
    // 8. The other dialogs.
    p.ErrorMessage = new TErrorMessage(p.GN);
    p.ExportOptions = new TExportOptions(p.GN);
    p.NameGenerator = new TNameGenerator(p.GN);
    p.MatrixEditor = new TMatrixEditor(p.GN);
    p.NetProperties = new TNetProperties(p.GN);
    p.PageSetup = new TPageSetup(p.GN);
    // The nets an earlier run left unsaved, then the nets open at the last exit.
    p.Autosave = new TAutosave(*p.GN);
    OfferRecovery(*p.GN);
    RestoreDesktop(*p.GN);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, p.GN,
        [gn = p.GN](QSessionManager &manager) { CommitSession(*gn, manager); });
#endif
    // 9. Nothing to wait for: the splash stays until a click or a key.
}

void OpenFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString file = QFileInfo(path).absoluteFilePath();
        Program().GN->OpenNet(file);
        Program().GN->AddToReopen(file);
    }
}

void ShutDown()
{
    TProgram &p = Program();
    if (p.GN)
        qApp->removeEventFilter(p.GN);
    // The dialogs are the main window's children and go with it.
    delete p.GN;
    p = TProgram {};
}

} // namespace morvane
