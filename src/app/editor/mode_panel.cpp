// SPDX-License-Identifier: MIT
#include "mode_panel.h"

#include "gn_main.h"

#include <QPainter>

namespace morvane {

TModePanel::TModePanel(TGN &main, QWidget *parent)
    : QWidget(parent)
    , m_main(main)
{
    setObjectName("ModePanel");
    setFixedWidth(104);
    setMinimumHeight(18);
}

void TModePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_main.DrawModePanel(p, rect());
}

} // namespace morvane
