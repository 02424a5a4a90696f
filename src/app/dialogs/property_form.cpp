// SPDX-License-Identifier: MIT
#include "property_form.h"

#include <QEvent>
#include <QTimer>

namespace morvane {

TPropertyForm::TPropertyForm(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    m_storedHeight = height();
}

void TPropertyForm::ToggleRollUp()
{
    const int target = height() != m_storedHeight ? m_storedHeight : kRolledUpHeight;
    // A layout would refuse a height below its minimum.
    setMinimumHeight(std::min(minimumHeight(), target));
    resize(width(), target);
}

void TPropertyForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        // The window manager minimised us already; undo that after it settles, then roll.
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            ToggleRollUp();
        });
    }
}

} // namespace morvane
