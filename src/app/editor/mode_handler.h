// SPDX-License-Identifier: MIT
#pragma once

#include "pointer_state.h"

#include <Qt>

namespace morvane {

class TDrawingObject;
class TDrawingObjects;
class TNet;

// The pointer handling of one group of editor modes. The net window keeps the view and the
// interaction state and forwards the pointer to the handler of the current mode; keys reach it
// as the pointer actions they stand for.
class TModeHandler
{
public:
    explicit TModeHandler(TNet &net)
        : m_net(net)
    {
    }
    virtual ~TModeHandler() = default;
    TModeHandler(const TModeHandler &) = delete;
    TModeHandler &operator=(const TModeHandler &) = delete;

    // The main window switched to or away from one of the handler's modes.
    virtual void Enter() { }
    virtual void Leave() { }
    // The left button went down at the state's DownPoint.
    virtual void Press(Qt::KeyboardModifiers shift) { (void)shift; }
    // The pointer moved to p (net pixels) with the left button held when `left`; answers
    // whether the view scrolled.
    virtual bool Move(TPoint p, bool left)
    {
        (void)p, (void)left;
        return false;
    }
    // The left button came up at p.
    virtual void Release(Qt::KeyboardModifiers shift, TPoint p) { (void)shift, (void)p; }
    // A right click found an object.
    virtual void RightHit() { }
    // The window's scale changed.
    virtual void Zoomed() { }

protected:
    TNet &Window() { return m_net; }
    TPointerState &State();
    TDrawingObjects &Doc();
    std::uint16_t Mode();
    // Starts or stops the timer that replays moves while the pointer rests in the scroll margin.
    void AutoScroll(bool left);

private:
    TNet &m_net;
};

} // namespace morvane
