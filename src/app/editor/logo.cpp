// SPDX-License-Identifier: MIT
#include "logo.h"

#include "resources.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace morvane {

TLogo::TLogo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Logo");
    setWindowTitle("Morvane");
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    m_logo = new QLabel(this);
    m_logo->setObjectName("Logo");
    m_logo->setPixmap(resources::SplashPicture());
    m_logo->setFixedSize(m_logo->pixmap().size());
    m_logo->move(0, 0);
    m_logo->installEventFilter(this);
    setFixedSize(m_logo->size());

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TLogo::Dismiss()
{
    if (isModal() || testAttribute(Qt::WA_ShowModal))
        done(QDialog::Accepted);
    else
        hide();
}

bool TLogo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_logo && event->type() == QEvent::MouseButtonPress) {
        Dismiss();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLogo::mousePressEvent(QMouseEvent *)
{
    Dismiss();
}

void TLogo::keyPressEvent(QKeyEvent *)
{
    Dismiss();
}

void TLogo::paintEvent(QPaintEvent *event)
{
    FirstShow = false;
    QDialog::paintEvent(event);
}

} // namespace morvane
