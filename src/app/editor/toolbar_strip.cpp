// SPDX-License-Identifier: MIT
#include "toolbar_strip.h"

#include <QEvent>

namespace morvane {

TToolbarStrip::TToolbarStrip(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TToolbarStrip::AddBand(QWidget *band)
{
    band->setParent(this);
    band->installEventFilter(this);
    m_bands.append(band);
    updateGeometry();
}

int TToolbarStrip::Arrange(int width, bool apply) const
{
    constexpr int kGap = 6;
    int x = 0, y = 0, rowHeight = 0;
    for (QWidget *band : m_bands) {
        if (band->isHidden())
            continue;
        const QSize s = band->sizeHint();
        if (x > 0 && x + s.width() > width) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        if (apply)
            band->setGeometry(x, y, std::min(s.width(), std::max(0, width - x)), s.height());
        x += s.width() + kGap;
        rowHeight = std::max(rowHeight, s.height());
    }
    return y + rowHeight;
}

int TToolbarStrip::heightForWidth(int width) const
{
    return Arrange(width, false);
}

QSize TToolbarStrip::sizeHint() const
{
    int w = 0;
    for (QWidget *band : m_bands)
        if (!band->isHidden())
            w += band->sizeHint().width();
    return { w, heightForWidth(width() > 0 ? width() : w) };
}

QSize TToolbarStrip::minimumSizeHint() const
{
    return { 0, heightForWidth(width()) };
}

void TToolbarStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Arrange(width(), true);
    if (heightForWidth(width()) != height())
        updateGeometry();
}

bool TToolbarStrip::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::LayoutRequest:
        Arrange(width(), true);
        updateGeometry();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace morvane
