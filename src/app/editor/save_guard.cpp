// SPDX-License-Identifier: MIT
#include "save_guard.h"

#include "dialogs/options_dialog.h"
#include "gn_main.h"
#include "net_window.h"
#include "program.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace morvane {

namespace {

TAskHook &AskHook()
{
    static TAskHook hook;
    return hook;
}

bool AnySelected(TNet &net)
{
    for (const auto &obj : net.Net().Objects())
        if (obj->Mode == omSelected)
            return true;
    return false;
}

} // namespace

TOptionSet CurrentOptions()
{
    if (TOptions *options = Program().Options)
        return options->Settings();
    return {};
}

void SetAskHook(TAskHook hook)
{
    AskHook() = std::move(hook);
}

QMessageBox::StandardButton Ask(QWidget *parent, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault)
{
    if (AskHook())
        return AskHook()(text, buttons);
    QMessageBox box(QMessageBox::Question, "Morvane", text, buttons, parent);
    box.setDefaultButton(byDefault);
    return QMessageBox::StandardButton(box.exec());
}

bool SaveThroughDialog(TGN &gn, TNet &net)
{
    QFileDialog *dialog = gn.SaveDialog();
    // Whether to replace a file is asked below, and only when the user wants to be asked.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    // A saved net suggests its own file; a new one its caption, in the folder used last.
    dialog->selectFile(net.FileName().isEmpty() ? net.Caption() : net.FileName());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    const QString path = dialog->selectedFiles().first();
    if (QFileInfo::exists(path) && CurrentOptions().OverrideConf
        && Ask(&gn, QString("%1 already exists.\nDo you want to replace it?").arg(path),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return false;
    return gn.SaveNetAs(net, path);
}

bool ConfirmClose(TGN &gn, TNet &net)
{
    if (!net.IsModified() || !CurrentOptions().SaveConf)
        return true;
    // The user sees the net the question is about.
    for (QMdiSubWindow *sub : gn.MdiArea()->subWindowList())
        if (sub->widget() == &net)
            gn.MdiArea()->setActiveSubWindow(sub);
    switch (Ask(&gn, QString("Save changes to %1?").arg(net.Caption()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveThroughDialog(gn, net);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool ConfirmExit(TGN &gn, bool askExit)
{
    const TOptionSet options = CurrentOptions();
    if (askExit && options.ExitConf
        && Ask(&gn, "Exit Morvane?", QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return false;
    const std::vector<TNet *> nets = gn.NetWindows();
    if (options.EditorFiles)
        for (TNet *net : nets)
            // A net that cannot be written is asked about below.
            if (net->IsModified() && !net->FilePath().isEmpty())
                gn.SaveNetAs(*net, net->FilePath());
    for (TNet *net : nets)
        if (!ConfirmClose(gn, *net))
            return false;
    return true;
}

bool ConfirmDelete(TGN &gn, TNet &net)
{
    return !CurrentOptions().DeleteObjConf || !AnySelected(net)
        || Ask(&gn, "Delete the selected objects?", QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace morvane
