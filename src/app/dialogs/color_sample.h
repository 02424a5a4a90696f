// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"

#include <QWidget>

namespace morvane {

// A circle showing an outline and a fill colour; a button release on it is reported.
class TColorSample : public QWidget
{
    Q_OBJECT
public:
    explicit TColorSample(QWidget *parent = nullptr);

    TColor Outline = clBlack;
    TColor FillColor = clWindow;

signals:
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The reference of a colour picked in the colour dialog.
TColor FromQColor(const QColor &c);

} // namespace morvane
