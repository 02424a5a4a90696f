// SPDX-License-Identifier: MIT
#pragma once

#include "common/count_object.h"
#include "common/message_list.h"
#include "format/net_reader.h"
#include "model/drawing_objects.h"

#include <iosfwd>
#include <string>

namespace morvane::cli {

// A net held the way a net window holds it: the document's PosCounter and TrCounter are the
// window's own two label counters, and reading warnings go to a message list.
class TLoadedNet final : public TDocumentHost
{
public:
    TLoadedNet() = default;
    TLoadedNet(const TLoadedNet &) = delete;
    TLoadedNet &operator=(const TLoadedNet &) = delete;

    TCountObject &PositionCounter() override { return m_positionCounter; }
    TCountObject &TransitionCounter() override { return m_transitionCounter; }

    TMessageList &Messages() { return m_messages; }
    TDrawingObjects &Net() { return m_net; }

private:
    // Declared before the document, which refers to them.
    TCountObject m_positionCounter;
    TCountObject m_transitionCounter;
    TMessageList m_messages;
    TDrawingObjects m_net { this, &m_messages, nullptr };
};

enum class TLoadStatus {
    Ok,
    // Reading ended early; the net holds what was read before.
    Corrupted,
    // The file could not be read; the net is empty.
    Unreadable,
};

struct TLoadOutcome
{
    TLoadStatus Status = TLoadStatus::Ok;
    // "Corrupted file: <reason>" or "cannot read <path>: <reason>"; empty when Ok.
    std::string Message;
};

// Reads `path` into `net` as the editor's Open does: warnings (the message list's lines, in
// reading order) are printed to `warnings` one per line, then the post-read steps run.
TLoadOutcome LoadNet(const std::string &path, TLoadedNet &net, std::ostream &warnings);

// LoadNet for the commands that judge or write a net: they refuse a damaged one, since half a
// net would pass for the whole. Warnings and any failure go to standard error; false on failure.
bool LoadWholeNet(const std::string &path, TLoadedNet &net);

} // namespace morvane::cli
