// SPDX-License-Identifier: MIT
#pragma once

#include "model/transition_matrices.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace morvane {

class TDrawingObjects;

enum class TMatrixKind : std::uint8_t { Predicates, Capacities };

// A transition's predicate or capacity matrix as a table: its input positions are the rows, its
// output positions the columns. Cells are typed in place; a cell without a value of its own shows
// the default (the mask's name, or inf) in grey italics. The edits go to a scratch copy of the
// transition's lists; OK writes them back as one undo step, Cancel drops them.
class TMatrixEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TMatrixEditor(QWidget *parent = nullptr);

    // Modal; true when the matrix was changed and written back.
    bool Execute(TDrawingObjects &net, TTransition &transition, TMatrixKind kind);

    QTableWidget *Grid() const { return m_grid; }

    // The buttons, as their clicks run them. Fill and the constants act on predicates only;
    // the constants and Clear on the selected cells.
    void FillClick();
    void ConstantClick(bool value);
    void ClearClick();
    // Kind 1, 2 or 3 of the name generator on the program's matrix settings.
    void NamesClick(int kind);

private:
    void Show();
    void CellEdited(QTableWidgetItem *item);

    TMatrixKind m_kind = TMatrixKind::Predicates;
    // The working copy: index lists and matrices of the transition being edited.
    std::shared_ptr<TTransition> m_work;
    bool m_showing = false;

    QTableWidget *m_grid;
    QPushButton *m_fill, *m_true, *m_false, *m_mask, *m_trueText, *m_falseText;
};

} // namespace morvane
