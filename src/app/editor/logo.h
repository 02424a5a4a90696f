// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;

namespace morvane {

// The splash window, also the About box: the program's picture, on top of everything, until a
// click or a key.
class TLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TLogo(QWidget *parent = nullptr);

    QLabel *Logo() const { return m_logo; }
    // Set at creation, cleared by the first paint.
    bool FirstShow = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Modal: the result is OK. Shown as a splash: merely hidden.
    void Dismiss();

    QLabel *m_logo;
};

} // namespace morvane
