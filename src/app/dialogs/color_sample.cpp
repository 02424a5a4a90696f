// SPDX-License-Identifier: MIT
#include "color_sample.h"

#include "render/qt_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

TColorSample::TColorSample(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(33, 33);
}

void TColorSample::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QtCanvas::ToQColor(Outline, palette()), 2));
    p.setBrush(QtCanvas::ToQColor(FillColor, palette()));
    p.drawEllipse(rect().adjusted(2, 2, -2, -2));
}

void TColorSample::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button());
}

TColor FromQColor(const QColor &c)
{
    return RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

} // namespace morvane
