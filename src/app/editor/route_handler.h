// SPDX-License-Identifier: MIT
#pragma once

#include "arc_handler.h"

namespace morvane {

// Arc-routing mode: a marker shows where an arc would leave the node under the pointer, and the
// release routes a new arc from the press point to the release point.
class TRouteHandler final : public TArcHandler
{
public:
    using TArcHandler::TArcHandler;
    void Leave() override;
    bool Move(TPoint p, bool left) override;
    void Release(Qt::KeyboardModifiers shift, TPoint p) override;
    void RightHit() override;
};

} // namespace morvane
