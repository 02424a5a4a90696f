// SPDX-License-Identifier: MIT
// Keys and wheel of a net window: pointer moves by grid steps, Insert and Space as held buttons,
// scrolling with Alt and with the wheel, zoom on the keypad and the object information.
#include "editor_modes.h"
#include "gn_main.h"
#include "net_window.h"

#include "options/display_globals.h"

#include <QCursor>
#include <QKeyEvent>
#include <QScrollBar>

namespace morvane {

QPoint TNet::PointerClient() const
{
    return viewport()->mapFromGlobal(QCursor::pos());
}

void TNet::MovePointer(QPoint client, Qt::KeyboardModifiers shift, bool snap)
{
    if (snap) {
        // Snapped in net pixels, so that the pointer lands on the net's grid lines.
        const TPoint p = NetPoint(client);
        client = { SnapX(p.x) - HorzPosition(), SnapY(p.y) - VertPosition() };
    }
    const QRect area(0, 0, viewport()->width(), viewport()->height());
    if (!area.contains(client))
        return;
    QCursor::setPos(viewport()->mapToGlobal(client));
    if (shift & Qt::ShiftModifier)
        FormMouseMove(m_state.Buttons, shift, client);
}

void TNet::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    const int factor = (shift & Qt::ControlModifier) ? 4 : 1;
    if (shift & Qt::AltModifier) {
        QScrollBar *h = horizontalScrollBar(), *v = verticalScrollBar();
        switch (key) {
        case Qt::Key_Clear:
            SetHorzPosition(h->maximum() / 2);
            SetVertPosition(v->maximum() / 2);
            break;
        case Qt::Key_PageUp:
            SetVertPosition(0);
            break;
        case Qt::Key_PageDown:
            SetVertPosition(v->maximum());
            break;
        case Qt::Key_Home:
            SetHorzPosition(0);
            break;
        case Qt::Key_End:
            SetHorzPosition(h->maximum());
            break;
        case Qt::Key_Left:
            SetHorzPosition(SnapX(h->value() - h->singleStep() * factor));
            break;
        case Qt::Key_Right:
            SetHorzPosition(SnapX(h->value() + h->singleStep() * factor));
            break;
        case Qt::Key_Up:
            SetVertPosition(SnapY(v->value() - v->singleStep() * factor));
            break;
        case Qt::Key_Down:
            SetVertPosition(SnapY(v->value() + v->singleStep() * factor));
            break;
        default:
            break;
        }
        return;
    }
    const QPoint c = PointerClient();
    const int right = viewport()->width() - 1, bottom = viewport()->height() - 1;
    const std::int32_t gx = Globals().xGrid * factor, gy = Globals().yGrid * factor;
    switch (key) {
    case Qt::Key_Insert:
        m_state.KeyDrag = true;
        FormMouseDown(Qt::LeftButton, shift, c);
        break;
    case Qt::Key_Space:
        // Only the right button is released by the key's release; a left press here would
        // leave the button held and a drag running.
        FormMouseDown(Qt::RightButton, shift, c);
        break;
    case Qt::Key_Escape:
        m_main.SetMode(mdEdit);
        break;
    case Qt::Key_Clear:
        MovePointer({ right / 2 - 3, bottom / 2 - 3 }, {}, false);
        break;
    case Qt::Key_PageUp:
        MovePointer({ SnapX(c.x()), 0 }, {}, false);
        break;
    case Qt::Key_PageDown:
        MovePointer({ SnapX(c.x()), bottom }, {}, false);
        break;
    case Qt::Key_Home:
        MovePointer({ 0, SnapY(c.y()) }, {}, false);
        break;
    case Qt::Key_End:
        MovePointer({ right, SnapY(c.y()) }, {}, false);
        break;
    case Qt::Key_Left:
        MovePointer({ c.x() - gx, c.y() }, shift, true);
        break;
    case Qt::Key_Right:
        MovePointer({ c.x() + gx, c.y() }, shift, true);
        break;
    case Qt::Key_Up:
        MovePointer({ c.x(), c.y() - gy }, shift, true);
        break;
    case Qt::Key_Down:
        MovePointer({ c.x(), c.y() + gy }, shift, true);
        break;
    case Qt::Key_I: {
        const TPoint p = NetPoint(c);
        ShowObjectInfo(p.x, p.y);
        break;
    }
    case Qt::Key_Plus:
        if (shift & Qt::KeypadModifier)
            Zoom(1, true);
        break;
    case Qt::Key_Minus:
        if (shift & Qt::KeypadModifier)
            Zoom(-1, true);
        break;
    default:
        break;
    }
}

void TNet::FormKeyUp(int key, Qt::KeyboardModifiers shift)
{
    switch (key) {
    case Qt::Key_Insert:
        m_state.KeyDrag = false;
        FormMouseUp(Qt::LeftButton, shift, PointerClient());
        break;
    case Qt::Key_Space:
        FormMouseUp(Qt::RightButton, shift, PointerClient());
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (shift & Qt::ShiftModifier)
            FormMouseMove(m_state.Buttons, shift, PointerClient());
        break;
    default:
        break;
    }
}

void TNet::FormMouseWheel(int delta, Qt::KeyboardModifiers shift)
{
    const int steps = delta / 50;
    const int factor = (shift & Qt::ControlModifier) ? 4 : 1;
    SetVertPosition(SnapY(VertPosition() - steps * verticalScrollBar()->singleStep() * factor));
}

void TNet::keyPressEvent(QKeyEvent *event)
{
    // A held Insert or Space is one held button, not a run of presses.
    if (event->isAutoRepeat() && (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Space))
        return;
    m_keysDown.insert(event->key());
    FormKeyDown(event->key(), event->modifiers());
}

void TNet::keyReleaseEvent(QKeyEvent *event)
{
    // A release whose press went elsewhere (Space closing a dialog) is not this window's.
    if (!event->isAutoRepeat() && m_keysDown.remove(event->key()))
        FormKeyUp(event->key(), event->modifiers());
}

bool TNet::event(QEvent *event)
{
    // Keys the window interprets itself take precedence over the menu shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Escape:
        case Qt::Key_Insert:
        case Qt::Key_Clear:
            event->accept();
            return true;
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            if (key->modifiers() & Qt::KeypadModifier) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QAbstractScrollArea::event(event);
}

} // namespace morvane
