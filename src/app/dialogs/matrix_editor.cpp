// SPDX-License-Identifier: MIT
#include "matrix_editor.h"

#include "editor/program.h"
#include "error_message.h"
#include "name_generator.h"
#include "options_dialog.h"

#include "common/text.h"
#include "model/drawing_objects.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace morvane {

namespace {

QPushButton *Button(const char *name, const char *caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

bool SameTexts(const TStringList &a, const TStringList &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const TStringItem &x, const TStringItem &y) { return x.Text == y.Text; });
}

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

TMatrixEditor::TMatrixEditor(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("MatrixEditor");
    auto *layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(this);
    m_grid->setObjectName("sgMatrix");
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setDefaultSectionSize(96);
    connect(m_grid, &QTableWidget::itemChanged, this, &TMatrixEditor::CellEdited);
    layout->addWidget(m_grid, 1);

    m_fill = Button("bFill", "&Fill");
    m_fill->setToolTip("Every cell without a predicate of its own takes the mask's name");
    m_true = Button("bTrue", "&True");
    m_true->setToolTip("The selected cells become the constant True");
    m_false = Button("bFalse", "&False");
    m_false->setToolTip("The selected cells become the constant False");
    auto *clear = Button("bClear", "C&lear");
    clear->setToolTip("The selected cells go back to their defaults");
    m_mask = Button("bMask", "&Mask...");
    m_trueText = Button("bTrueText", "True te&xt...");
    m_falseText = Button("bFalseText", "False t&ext...");
    connect(m_fill, &QPushButton::clicked, this, &TMatrixEditor::FillClick);
    connect(m_true, &QPushButton::clicked, this, [this] { ConstantClick(true); });
    connect(m_false, &QPushButton::clicked, this, [this] { ConstantClick(false); });
    connect(clear, &QPushButton::clicked, this, &TMatrixEditor::ClearClick);
    connect(m_mask, &QPushButton::clicked, this, [this] { NamesClick(1); });
    connect(m_trueText, &QPushButton::clicked, this, [this] { NamesClick(2); });
    connect(m_falseText, &QPushButton::clicked, this, [this] { NamesClick(3); });
    auto *cells = new QHBoxLayout;
    for (QPushButton *b : { m_fill, m_true, m_false, clear })
        cells->addWidget(b);
    cells->addStretch();
    for (QPushButton *b : { m_mask, m_trueText, m_falseText })
        cells->addWidget(b);
    layout->addLayout(cells);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bbCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 300);
}

bool TMatrixEditor::Execute(TDrawingObjects &net, TTransition &transition, TMatrixKind kind)
{
    m_kind = kind;
    m_work = std::make_shared<TTransition>();
    m_work->InIndex = transition.InIndex;
    m_work->OutIndex = transition.OutIndex;
    m_work->Predicates = transition.Predicates;
    m_work->Capacities = transition.Capacities;
    m_work->CharFn = transition.CharFn;
    const bool predicates = kind == TMatrixKind::Predicates;
    setWindowTitle(QString(predicates ? "Predicates of %1" : "Capacities of %1")
                       .arg(Q(transition.selfLabel())));
    for (QPushButton *b : { m_fill, m_true, m_false, m_mask, m_trueText, m_falseText })
        b->setVisible(predicates);
    m_grid->clearSelection();
    Show();
    m_grid->setCurrentCell(0, 0);
    const bool accepted = exec() == QDialog::Accepted;
    std::shared_ptr<TTransition> work = std::move(m_work);
    m_work.reset();
    if (!accepted)
        return false;
    if (SameTexts(work->Predicates, transition.Predicates)
        && SameTexts(work->Capacities, transition.Capacities))
        return false;
    // Cells of positions that are no longer connected go when the user edits the matrix.
    PruneVanishedCells(*work);
    net.BeginStep();
    transition.Record(ukChanged);
    transition.Predicates = std::move(work->Predicates);
    transition.Capacities = std::move(work->Capacities);
    transition.CharFn = std::move(work->CharFn);
    return true;
}

void TMatrixEditor::Show()
{
    if (!m_work)
        return;
    const TTransitionMatrices m = DecodeMatrices(*m_work, MatrixSettings());
    m_showing = true;
    m_grid->setRowCount(int(m.Inputs.size()));
    m_grid->setColumnCount(int(m.Outputs.size()));
    QStringList rows, columns;
    for (const std::string &label : m.Inputs)
        rows << Q(label);
    for (const std::string &label : m.Outputs)
        columns << Q(label);
    m_grid->setVerticalHeaderLabels(rows);
    m_grid->setHorizontalHeaderLabels(columns);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const QColor text = palette().color(QPalette::Text);
    for (std::size_t r = 0; r < m.Inputs.size(); ++r)
        for (std::size_t c = 0; c < m.Outputs.size(); ++c) {
            QTableWidgetItem *item = m_grid->item(int(r), int(c));
            if (!item) {
                item = new QTableWidgetItem;
                m_grid->setItem(int(r), int(c), item);
            }
            bool stored = false;
            if (m_kind == TMatrixKind::Predicates) {
                const TPredicateCell &cell = m.Predicate(r, c);
                stored = cell.Stored;
                item->setText(Q(PredicateText(cell, MatrixSettings())));
                item->setToolTip(Q(cell.Definition));
            } else {
                const TCapacityCell &cell = m.Capacity(r, c);
                stored = cell.Stored;
                item->setText(Q(IntToStrInf(cell.Capacity)));
            }
            QFont font = m_grid->font();
            font.setItalic(!stored);
            item->setFont(font);
            item->setForeground(stored ? text : grey);
            item->setData(Qt::UserRole, stored);
        }
    m_showing = false;
}

void TMatrixEditor::CellEdited(QTableWidgetItem *item)
{
    if (m_showing || !m_work)
        return;
    const auto row = std::size_t(item->row()), column = std::size_t(item->column());
    const std::string text = item->text().trimmed().toStdString();
    if (m_kind == TMatrixKind::Predicates) {
        if (text.empty()) {
            ClearPredicate(*m_work, row, column);
        } else {
            TPredicateCell cell = ParsePredicateText(text, MatrixSettings());
            // A renamed predicate keeps its definition.
            if (cell.Value == TPredicateValue::Named)
                cell.Definition
                    = DecodeMatrices(*m_work, MatrixSettings()).Predicate(row, column).Definition;
            SetPredicate(*m_work, row, column, cell);
        }
    } else if (text.empty()) {
        ClearCapacity(*m_work, row, column);
    } else {
        const std::optional<std::int32_t> capacity = StrToIntInf(text);
        if (!capacity || (*capacity < 0 && !SameAsciiText(text, "inf"))) {
            Show();
            if (TErrorMessage *error = Program().ErrorMessage)
                error->ShowError(
                    "Error defining capacity !", "Capacity must be natural number or inf.", m_grid);
            return;
        }
        SetCapacity(*m_work, row, column, *capacity);
    }
    Show();
}

void TMatrixEditor::FillClick()
{
    if (m_work && FillPredicatesFromMask(*m_work, MatrixSettings()))
        Show();
}

void TMatrixEditor::ConstantClick(bool value)
{
    if (!m_work)
        return;
    TPredicateCell cell;
    cell.Stored = true;
    cell.Value = value ? TPredicateValue::True : TPredicateValue::False;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
        SetPredicate(*m_work, std::size_t(index.row()), std::size_t(index.column()), cell);
    Show();
}

void TMatrixEditor::ClearClick()
{
    if (!m_work)
        return;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes()) {
        const auto row = std::size_t(index.row()), column = std::size_t(index.column());
        if (m_kind == TMatrixKind::Predicates)
            ClearPredicate(*m_work, row, column);
        else
            ClearCapacity(*m_work, row, column);
    }
    Show();
}

void TMatrixEditor::NamesClick(int kind)
{
    TOptions *options = Program().Options;
    TNameGenerator *generator = Program().NameGenerator;
    if (!options || !generator)
        return;
    TMatrixSettings settings = options->MatrixSettings();
    std::string &text = kind == 1 ? settings.Mask
        : kind == 2               ? settings.TrueText
                                  : settings.FalseText;
    if (!generator->EditText(kind, text))
        return;
    options->SetMatrixSettings(settings);
    Show();
}

} // namespace morvane
