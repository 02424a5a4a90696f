// SPDX-License-Identifier: MIT
#include "autosave.h"

#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/save_guard.h"
#include "recovery.h"

#include "format/atomic_file.h"
#include "format/net_writer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace morvane {

TAutosave::TAutosave(TGN &gn)
    : QObject(&gn)
    , m_gn(gn)
{
    m_timer.setInterval(60 * 1000);
    connect(&m_timer, &QTimer::timeout, this, &TAutosave::Tick);
    m_timer.start();
}

TAutosave::~TAutosave()
{
    if (m_session.isEmpty())
        return;
    // Copies left here belong to nets that were not closed: the next run offers them.
    m_lock.reset();
    QDir().rmdir(m_session);
}

QString TAutosave::RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery";
}

QString TAutosave::SessionFolder()
{
    if (!m_session.isEmpty())
        return m_session;
    const QString folder = QString("%1/%2-%3")
                               .arg(RecoveryFolder())
                               .arg(QCoreApplication::applicationPid())
                               .arg(QDateTime::currentMSecsSinceEpoch());
    if (!QDir().mkpath(folder))
        return {};
    auto lock = std::make_unique<QLockFile>(folder + "/" + kSessionLockName);
    if (!lock->tryLock(0))
        return {};
    m_lock = std::move(lock);
    m_session = folder;
    return m_session;
}

void TAutosave::Tick()
{
    const TOptionSet options = CurrentOptions();
    if (!options.EditedFiles || options.AutoSaveInterval <= 0) {
        m_minutes = 0;
        return;
    }
    if (++m_minutes < options.AutoSaveInterval)
        return;
    m_minutes = 0;
    SaveAll();
}

void TAutosave::SaveAll()
{
    for (TNet *net : m_gn.NetWindows()) {
        if (net->IsModified())
            SaveNet(*net);
        else
            Forget(*net);
    }
}

void TAutosave::SaveNet(TNet &net)
{
    QString copy = m_copies.value(&net);
    if (copy.isEmpty()) {
        const QString folder = SessionFolder();
        if (folder.isEmpty())
            return;
        copy = QString("%1/net%2.vgn").arg(folder).arg(m_nextNumber++);
    }
    // The copy first: a copy without its record is still offered, under its own name.
    const TRecoveryInfo info { net.FilePath(), net.Caption(), QDateTime::currentDateTimeUtc() };
    if (!WriteFileAtomically(copy.toStdString(), WriteNetToString(net.Net()))
        || !WriteFileAtomically(
            InfoFileOf(copy).toStdString(), EncodeRecoveryInfo(info).toStdString()))
        return;
    m_copies.insert(&net, copy);
}

void TAutosave::Forget(TNet &net)
{
    const QString copy = m_copies.take(&net);
    if (copy.isEmpty())
        return;
    QFile::remove(copy);
    QFile::remove(InfoFileOf(copy));
}

} // namespace morvane
