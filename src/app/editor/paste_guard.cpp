// SPDX-License-Identifier: MIT
#include "paste_guard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>

namespace morvane {

namespace {

// A text field, or the viewport of one (where its mouse events arrive).
bool IsTextField(const QObject *obj)
{
    for (int level = 0; obj && level < 2; ++level, obj = obj->parent())
        if (qobject_cast<const QLineEdit *>(obj) || qobject_cast<const QTextEdit *>(obj)
            || qobject_cast<const QPlainTextEdit *>(obj)
            || qobject_cast<const QAbstractSpinBox *>(obj) || qobject_cast<const QComboBox *>(obj))
            return true;
    return false;
}

// The clipboard a paste event would read, or nothing for an event that does not paste.
std::optional<QClipboard::Mode> PasteSource(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<const QKeyEvent *>(event);
        if (!key->matches(QKeySequence::Paste))
            return std::nullopt;
        // Ctrl+Shift+Insert pastes the selection where the system keeps one.
        const bool selection = key->key() == Qt::Key_Insert
            && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        return selection && QGuiApplication::clipboard()->supportsSelection()
            ? QClipboard::Selection
            : QClipboard::Clipboard;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection.
        if (static_cast<const QMouseEvent *>(event)->button() == Qt::MiddleButton
            && QGuiApplication::clipboard()->supportsSelection())
            return QClipboard::Selection;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

bool TPasteGuard::HoldsData(QClipboard::Mode mode)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(mode);
    return data && !data->formats().isEmpty();
}

bool TPasteGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (const auto source = PasteSource(event); source && IsTextField(watched))
        return !HoldsData(*source);
    return QObject::eventFilter(watched, event);
}

} // namespace morvane
