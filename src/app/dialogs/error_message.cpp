// SPDX-License-Identifier: MIT
#include "error_message.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace morvane {

TErrorMessage::TErrorMessage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("ErrorMessage");
    setWindowTitle("ERROR");
    setWindowFlags(
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setModal(true);

    auto *errorBox = new QGroupBox("ERROR", this);
    m_error = new QLabel(errorBox);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setWordWrap(true);
    (new QVBoxLayout(errorBox))->addWidget(m_error);

    auto *hintBox = new QGroupBox("HINT", this);
    m_hint = new QPlainTextEdit(hintBox);
    m_hint->setReadOnly(true);
    m_hint->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_hint->setFixedHeight(48);
    (new QVBoxLayout(hintBox))->addWidget(m_hint);

    m_ok = new QPushButton("OK", this);
    m_ok->setDefault(true);
    auto *help = new QPushButton("Help", this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(errorBox);
    layout->addWidget(hintBox);
    layout->addLayout(buttons);
    resize(300, 200);
}

void TErrorMessage::ShowError(
    const QString &errorText, const QString &hintText, QWidget *errorControl)
{
    m_error->setText(errorText);
    m_hint->clear();
    m_hint->appendPlainText(hintText);
    for (QTextBlock b = m_hint->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(f);
    }
    exec();
    if (errorControl)
        errorControl->setFocus();
}

QString TErrorMessage::ErrorLine() const
{
    return m_error->text();
}

QString TErrorMessage::HintLine() const
{
    return m_hint->toPlainText();
}

void TErrorMessage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ok->setFocus();
}

} // namespace morvane
