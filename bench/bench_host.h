// SPDX-License-Identifier: MIT
#pragma once

#include "common/count_object.h"
#include "common/message_list.h"
#include "model/drawing_objects.h"

namespace morvane::bench {

// A document held as a net window holds it: its own label counters and a message list.
struct TBenchNet final : TDocumentHost
{
    TCountObject Positions, Transitions;
    TMessageList Messages;
    TDrawingObjects Net { this, &Messages, nullptr };

    TCountObject &PositionCounter() override { return Positions; }
    TCountObject &TransitionCounter() override { return Transitions; }
};

} // namespace morvane::bench
