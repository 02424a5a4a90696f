// SPDX-License-Identifier: MIT
#pragma once
// A document with the counters and message list the reader needs, and the round trip every
// fuzz target ends with: whatever was read writes, reads back without a single error and writes
// to the same bytes.
#include "common/count_object.h"
#include "common/message_list.h"
#include "format/net_reader.h"
#include "format/net_writer.h"
#include "format/post_read.h"
#include "model/drawing_objects.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace morvane::fuzz {

struct TFuzzNet final : TDocumentHost
{
    TCountObject Positions, Transitions;
    TMessageList Messages;
    TDrawingObjects Net { this, &Messages, nullptr };

    TCountObject &PositionCounter() override { return Positions; }
    TCountObject &TransitionCounter() override { return Transitions; }

    void Read(std::string_view bytes)
    {
        ReadNet(bytes, Net, [this](const std::string &text, std::size_t offset) {
            Messages.Add(FormatRootError(text, offset));
        });
        RunPostReadSteps(Net);
    }
};

inline void RequireStableRoundTrip(TDrawingObjects &net)
{
    const std::string written = WriteNetToString(net);
    TFuzzNet again;
    const TReadResult read = ReadNet(written, again.Net, [](const std::string &, std::size_t) {
        std::abort(); // the writer never writes what the reader does not know
    });
    if (!read || !again.Messages.Empty())
        std::abort();
    RunPostReadSteps(again.Net);
    if (WriteNetToString(again.Net) != written)
        std::abort();
}

} // namespace morvane::fuzz
