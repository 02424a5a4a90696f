// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace morvane {

class TGN;

// The lock a run holds on its session folder while it lives.
inline constexpr const char *kSessionLockName = "session.lock";

// What a recovery copy records beside it: which net it is a copy of (its file, or none, and its
// caption) and when it was written.
struct TRecoveryInfo
{
    QString Path;
    QString Caption;
    QDateTime Time;
};
QByteArray EncodeRecoveryInfo(const TRecoveryInfo &info);
std::optional<TRecoveryInfo> DecodeRecoveryInfo(const QByteArray &bytes);
// "<copy>.info".
QString InfoFileOf(const QString &copy);

// A copy left by a run that ended without closing its net.
struct TRecoveryEntry
{
    QString Copy;
    TRecoveryInfo Info;
    qint64 Size = 0;
};

// The copies in session folders that no living run holds, oldest first.
std::vector<TRecoveryEntry> FindRecoverable();
// Deletes the copy (and its session folder once it is empty).
void DiscardCopy(const TRecoveryEntry &entry);
// Opens the copy as a modified net: under its own file name unless a window already shows that
// file, else as a new net. The copy moves into this run's recovery folder.
void RestoreCopy(TGN &gn, const TRecoveryEntry &entry);

// What the user chose for the copies offered: restore or discard the listed ones, or keep all
// of them for the next start.
struct TRecoveryChoice
{
    enum Action { Keep, Restore, Discard } What = Keep;
    std::vector<std::size_t> Chosen;
};
// Answers the offer in place of the dialog (tests); an empty hook brings the dialog back.
using TRecoveryHook = std::function<TRecoveryChoice(const std::vector<TRecoveryEntry> &)>;
void SetRecoveryHook(TRecoveryHook hook);
// At start-up: offers the copies left by earlier runs, if there are any.
void OfferRecovery(TGN &gn);

} // namespace morvane
