// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace morvane {

class TGN;
class TNet;

// Keeps a copy of every modified net in a recovery folder of its own, never over the net's file:
// a program that is killed loses at most the changes since the last copy. While "Edited Files"
// is checked, the copies are written every "min" minutes of the options. Each run writes into
// a session folder that it holds locked, so a later run offers only the copies of runs that
// ended without closing their nets (see recovery.h).
class TAutosave : public QObject
{
    Q_OBJECT
public:
    explicit TAutosave(TGN &gn);
    // Takes away the session folder when no copy is left in it.
    ~TAutosave() override;

    // The folder holding one session folder per run: "recovery" in the per-user data folder.
    static QString RecoveryFolder();

    // One minute passed: the timer calls this.
    void Tick();
    // Writes a copy of every modified net and drops the copies of the nets that are clean again.
    void SaveAll();
    // Writes a copy of the net now (a restored net gets one at once).
    void SaveNet(TNet &net);
    // The net was closed deliberately (saved or discarded): its copy goes.
    void Forget(TNet &net);
    // The copy of the net, if one was written.
    QString CopyOf(const TNet &net) const { return m_copies.value(&net); }
    QTimer &Timer() { return m_timer; }

private:
    // The session folder, made and locked on first use; empty when it cannot be made.
    QString SessionFolder();

    TGN &m_gn;
    QTimer m_timer;
    int m_minutes = 0;
    int m_nextNumber = 1;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    QHash<const TNet *, QString> m_copies;
};

} // namespace morvane
