// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"

#include <QMessageBox>
#include <QString>

#include <functional>

namespace morvane {

class TGN;
class TNet;

// The settings as the options dialog holds them; the defaults without the dialog.
TOptionSet CurrentOptions();

// Every question about the user's work goes through Ask. A hook set here answers in place of the
// message box (tests answer this way without a modal loop); an empty hook brings the box back.
using TAskHook = std::function<QMessageBox::StandardButton(
    const QString &text, QMessageBox::StandardButtons buttons)>;
void SetAskHook(TAskHook hook);
QMessageBox::StandardButton Ask(QWidget *parent, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault);

// Save: the save dialog with the net's name, then the net is written. False when the dialog was
// cancelled, an existing file was not to be replaced, or writing failed.
bool SaveThroughDialog(TGN &gn, TNet &net);

// Whether the net may go: a modified net asks "Save changes to <name>?" while "Ask for saving"
// is checked; Save saves it (a cancelled save keeps it), Discard lets it go, Cancel keeps it.
bool ConfirmClose(TGN &gn, TNet &net);

// Whether the program may end: asks first when "Exit" is checked (and `askExit`), saves the
// modified nets that have a file without asking when "Editor Files" is checked, then asks
// about each other modified net as ConfirmClose does.
bool ConfirmExit(TGN &gn, bool askExit);

// Whether the selected objects of the net may be deleted: asked while "Delete object" is
// checked and something is selected.
bool ConfirmDelete(TGN &gn, TNet &net);

} // namespace morvane
