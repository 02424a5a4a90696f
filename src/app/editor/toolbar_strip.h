// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace morvane {

// The strip of tool bar bands under the menu: the bands stand side by side while they fit and
// wrap onto further rows when the window is narrower.
class TToolbarStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TToolbarStrip(QWidget *parent = nullptr);

    void AddBand(QWidget *band);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Places the visible bands for the width; answers the height used.
    int Arrange(int width, bool apply) const;

    QList<QWidget *> m_bands;
};

} // namespace morvane
