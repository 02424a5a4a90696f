// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QSpinBox;
class QWidget;

namespace morvane {

// One modal dialog with four faces ("kinds"): 0 edits a file-name rule, 1 a predicate name mask,
// 2 and 3 the text of the constants True and False. The caller fills the edits before Execute
// and reads them after; they keep their contents between uses.
class TNameGenerator : public QDialog
{
    Q_OBJECT
public:
    explicit TNameGenerator(QWidget *parent = nullptr);

    // Applies the kind (caption, panel) and shows the dialog modally; true when closed with OK.
    bool Execute(int kind);
    int Kind() const { return m_kind; }
    // Applies the kind without showing the dialog.
    void SetKind(int kind);
    // Kind 1 edits a predicate name mask, kinds 2 and 3 the text of constant True or False: the
    // text is shown in the kind's edit and replaced by what it holds when the dialog is closed
    // with OK. True when it was.
    bool EditText(int kind, std::string &text);

    QSpinBox *seSubCount = nullptr;
    QLineEdit *eAddToName = nullptr;
    QLineEdit *eExtention = nullptr;
    QLineEdit *eMask = nullptr;
    QLineEdit *eConstant = nullptr;

    QWidget *pNameGen = nullptr;
    QWidget *pPredicateName = nullptr;
    QWidget *pConstants = nullptr;

private:
    QWidget *MakeNamePanel();
    QWidget *MakeMaskPanel();
    QWidget *MakeConstantPanel();

    int m_kind = 0;
};

} // namespace morvane
