// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QObject>

namespace morvane {

// Refuses a paste into any text field of the program while the clipboard holds no data. The Qt
// series we build on crashes in its text controls when asked to paste an empty system clipboard
// (after a reboot, or under a virtual X server); a paste of nothing changes nothing, so refusing
// it loses nothing. Installed on the application at start-up.
class TPasteGuard : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Whether the clipboard (or the selection, where the system has one) holds any data.
    static bool HoldsData(QClipboard::Mode mode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace morvane
