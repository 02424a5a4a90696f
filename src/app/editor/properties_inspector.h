// SPDX-License-Identifier: MIT
#pragma once

#include "model/object_attributes.h"

#include <QGroupBox>
#include <QPointer>

#include <memory>
#include <vector>

class QComboBox;
class QFrame;
class QPlainTextEdit;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace morvane {

class TDrawingObject;
class TNet;

// The docked "Properties" panel: a selector of the net's nodes, a grid of the current object's
// attributes edited in place, and one line of help for the current row. The current object is the
// one selected object, else the one clicked last, else the net itself.
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

    // Shows the current object of the net window (empty without one). Called whenever an edit,
    // a selection, an undo or a change of the active window may have changed what it shows.
    void Follow(TNet *net);
    TDrawingObject *Inspected() const { return m_object.lock().get(); }
    // What a value typed into a row does; a refused text is reported and changes nothing.
    bool Edit(int row, const QString &text);
    // The "..." button: the colour dialog or a multi-line editor for the current row.
    void EditInDialog();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Fill(TDrawingObject *obj);
    void FillSelector();
    void CurrentRowChanged();
    void SelectorPicked(int index);

    QPointer<TNet> m_net;
    std::weak_ptr<TDrawingObject> m_object;
    bool m_showsNet = false;
    std::vector<TAttributeRow> m_rows;
    bool m_filling = false;

    QFrame *m_top;
    QComboBox *m_selector;
    QTableWidget *m_grid;
    QPlainTextEdit *m_help;
    QFrame *m_wizard;
    QToolButton *m_wizardButton;
};

} // namespace morvane
