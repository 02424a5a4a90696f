// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace morvane {

class TGN;

// Panel 0 of the status bar: the main window draws the mode's glyph and name into it.
class TModePanel : public QWidget
{
    Q_OBJECT
public:
    TModePanel(TGN &main, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TGN &m_main;
};

} // namespace morvane
