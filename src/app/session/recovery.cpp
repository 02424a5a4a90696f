// SPDX-License-Identifier: MIT
#include "recovery.h"

#include "autosave.h"
#include "dialogs/recovery_dialog.h"
#include "editor/file_names.h"
#include "editor/gn_main.h"
#include "editor/logo.h"
#include "editor/net_window.h"
#include "editor/program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <algorithm>

namespace morvane {

namespace {

TRecoveryHook &RecoveryHook()
{
    static TRecoveryHook hook;
    return hook;
}

} // namespace

QByteArray EncodeRecoveryInfo(const TRecoveryInfo &info)
{
    QJsonObject o;
    o["path"] = info.Path;
    o["caption"] = info.Caption;
    o["time"] = info.Time.toString(Qt::ISODateWithMs);
    return QJsonDocument(o).toJson();
}

std::optional<TRecoveryInfo> DecodeRecoveryInfo(const QByteArray &bytes)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    TRecoveryInfo info { o["path"].toString(), o["caption"].toString(),
        QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs) };
    if (info.Caption.isEmpty() || !info.Time.isValid())
        return std::nullopt;
    return info;
}

QString InfoFileOf(const QString &copy)
{
    return copy + ".info";
}

std::vector<TRecoveryEntry> FindRecoverable()
{
    std::vector<TRecoveryEntry> entries;
    const QDir root(TAutosave::RecoveryFolder());
    for (const QFileInfo &session : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // A living run holds its folder; a run that died left a stale lock, which gives way.
        QLockFile lock(session.filePath() + "/" + kSessionLockName);
        if (!lock.tryLock(0))
            continue;
        const QFileInfoList copies
            = QDir(session.filePath()).entryInfoList({ "*.vgn" }, QDir::Files);
        // A run that died before it wrote anything left only its folder.
        if (copies.isEmpty())
            QDir(session.filePath()).removeRecursively();
        for (const QFileInfo &copy : copies) {
            QFile infoFile(InfoFileOf(copy.filePath()));
            std::optional<TRecoveryInfo> info;
            if (infoFile.open(QIODevice::ReadOnly))
                info = DecodeRecoveryInfo(infoFile.readAll());
            // Killed between the copy and its record: the copy alone, named by its file.
            if (!info)
                info = TRecoveryInfo { {}, copy.fileName(), copy.lastModified().toUTC() };
            entries.push_back({ copy.filePath(), *info, copy.size() });
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
        [](const TRecoveryEntry &a, const TRecoveryEntry &b) { return a.Info.Time < b.Info.Time; });
    return entries;
}

void DiscardCopy(const TRecoveryEntry &entry)
{
    QFile::remove(entry.Copy);
    QFile::remove(InfoFileOf(entry.Copy));
    QDir session = QFileInfo(entry.Copy).dir();
    if (session.entryList({ "*.vgn" }, QDir::Files).isEmpty())
        session.removeRecursively();
}

void RestoreCopy(TGN &gn, const TRecoveryEntry &entry)
{
    TNet *net = gn.OpenNet(entry.Copy);
    const QString path = entry.Info.Path;
    const std::vector<TNet *> nets = gn.NetWindows();
    const bool clash = path.isEmpty() || std::any_of(nets.begin(), nets.end(), [&](TNet *other) {
        return other != net && other->FilePath() == path;
    });
    if (clash) {
        net->SetFileName({});
        net->SetFilePath({});
        net->SetCaption(QString("Noname%1.vgn").arg(nets.size()));
    } else {
        net->SetFileName(FileNameOf(path));
        net->SetFilePath(path);
    }
    net->MarkModified();
    // The old copy goes only once this run holds one of its own.
    TAutosave *autosave = Program().Autosave;
    if (!autosave)
        return;
    autosave->SaveNet(*net);
    if (!autosave->CopyOf(*net).isEmpty())
        DiscardCopy(entry);
}

void SetRecoveryHook(TRecoveryHook hook)
{
    RecoveryHook() = std::move(hook);
}

void OfferRecovery(TGN &gn)
{
    const std::vector<TRecoveryEntry> entries = FindRecoverable();
    if (entries.empty())
        return;
    // The splash window stays on top: it makes way for the question.
    if (!RecoveryHook() && Program().Logo)
        Program().Logo->hide();
    const TRecoveryChoice choice
        = RecoveryHook() ? RecoveryHook()(entries) : TRecoveryDialog(&gn).Choose(entries);
    for (std::size_t i : choice.Chosen) {
        if (i >= entries.size())
            continue;
        if (choice.What == TRecoveryChoice::Restore)
            RestoreCopy(gn, entries[i]);
        else if (choice.What == TRecoveryChoice::Discard)
            DiscardCopy(entries[i]);
    }
}

} // namespace morvane
