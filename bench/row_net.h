// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"

#include <memory>
#include <string>

namespace morvane::bench {

// `count` positions, transitions and arc pieces in turn, in rows of 100 every 48 pixels, their
// creation recorded in one undo step.
inline std::unique_ptr<TDrawingObjects> MakeRowNet(int count)
{
    auto doc = std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr);
    doc->CreateUndo(true);
    doc->BeginStep();
    for (int i = 0; i < count; ++i) {
        const int x = (i % 100) * 48, y = (i / 100) * 48;
        switch (i % 3) {
        case 0:
            doc->Add<TPosition>()->Place(x, y, "L" + std::to_string(i));
            break;
        case 1:
            doc->Add<TTransition>()->Place(x, y, "Z" + std::to_string(i));
            break;
        default:
            doc->Add<TArc>()->Place(x, y, "");
            break;
        }
    }
    return doc;
}

} // namespace morvane::bench
