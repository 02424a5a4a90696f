// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace morvane {

// The modal "ERROR" dialog: an error line and a hint.
class TErrorMessage : public QDialog
{
    Q_OBJECT
public:
    explicit TErrorMessage(QWidget *parent = nullptr);

    // Shows the dialog modally; afterwards the focus goes to errorControl, when given.
    void ShowError(
        const QString &errorText, const QString &hintText, QWidget *errorControl = nullptr);

    QString ErrorLine() const;
    QString HintLine() const;
    QPushButton *OkButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_error;
    QPlainTextEdit *m_hint;
    QPushButton *m_ok;
};

} // namespace morvane
