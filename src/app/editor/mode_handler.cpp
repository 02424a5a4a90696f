// SPDX-License-Identifier: MIT
#include "mode_handler.h"

#include "gn_main.h"
#include "net_window.h"

namespace morvane {

TPointerState &TModeHandler::State()
{
    return m_net.m_state;
}

TDrawingObjects &TModeHandler::Doc()
{
    return m_net.Net();
}

std::uint16_t TModeHandler::Mode()
{
    return m_net.Main().EditorMode();
}

void TModeHandler::AutoScroll(bool left)
{
    QTimer &timer = m_net.Interval();
    // The timer only replays moves while the button is held; idle it costs a tick a millisecond
    // for nothing.
    if (m_net.AutoScrollStep() && (left || (State().Buttons & Qt::LeftButton)))
        timer.start();
    else
        timer.stop();
}

} // namespace morvane
