// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

namespace morvane {

// The base of the property dialogs: carries the error to report (text, hint and the control to
// focus afterwards) and rolls up to its caption bar instead of minimising.
class TPropertyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPropertyForm(QWidget *parent = nullptr);

    static constexpr int kRolledUpHeight = 14;

    int StoredHeight() const { return m_storedHeight; }
    // Takes the designed height; call once the form is laid out.
    void StoreHeight() { m_storedHeight = height(); }
    // What the minimise command does: the designed height, or the caption bar only.
    void ToggleRollUp();

    QString ErrorText;
    QString HintText;
    QPointer<QWidget> ErrorControl;

protected:
    void changeEvent(QEvent *event) override;

private:
    int m_storedHeight = 0;
};

} // namespace morvane
