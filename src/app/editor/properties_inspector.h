// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QComboBox;
class QFrame;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;

namespace morvane {

// The docked "Properties" panel: a selector, a three-column grid and a help text. Nothing fills
// it yet; it is laid out and painted.
class TPropertiesInspector : public QGroupBox
{
    Q_OBJECT
public:
    explicit TPropertiesInspector(QWidget *parent = nullptr);

    QFrame *TopPanel() const { return m_top; }
    QComboBox *Selector() const { return m_selector; }
    QTableWidget *PropertiesGrid() const { return m_grid; }
    QPlainTextEdit *ContextHelp() const { return m_help; }
    QFrame *WizardPanel() const { return m_wizard; }

    // Places the children for the current size; runs on every resize.
    void Layout();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QFrame *m_top;
    QComboBox *m_selector;
    QTableWidget *m_grid;
    QPlainTextEdit *m_help;
    QFrame *m_wizard;
    QToolButton *m_wizardButton;
};

} // namespace morvane
