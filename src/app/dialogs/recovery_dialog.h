// SPDX-License-Identifier: MIT
#pragma once

#include "session/recovery.h"

#include <QDialog>

class QTreeWidget;

namespace morvane {

// Lists the copies of nets that an earlier run left unsaved (name, time, size), each checked;
// Restore opens the checked ones, Discard deletes them, Close keeps all for the next start.
class TRecoveryDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TRecoveryDialog(QWidget *parent = nullptr);

    // Shows the dialog modally with the entries.
    TRecoveryChoice Choose(const std::vector<TRecoveryEntry> &entries);
    // The list and what the user chose so far, without showing the dialog.
    void SetEntries(const std::vector<TRecoveryEntry> &entries);
    TRecoveryChoice Choice() const;
    QTreeWidget *List() const { return m_list; }

private:
    QTreeWidget *m_list = nullptr;
    TRecoveryChoice::Action m_action = TRecoveryChoice::Keep;
};

} // namespace morvane
