// SPDX-License-Identifier: MIT
#include "properties_inspector.h"

#include "dialogs/color_sample.h"
#include "dialogs/error_message.h"
#include "dialogs/matrix_editor.h"
#include "gn_main.h"
#include "net_window.h"
#include "program.h"
#include "render/qt_canvas.h"

#include "model/drawing_objects.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QInputDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace morvane {

namespace {

// Rows are separated by a sparse grey dotted line (solid under the current row); columns by a
// shadow and a highlight line, short in the middle columns so that they read as notches.
class TInspectorCellPainter : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *grid = static_cast<const QTableWidget *>(parent());
        const QPalette &pal = grid->palette();
        const QColor gridColor = pal.color(QPalette::Button);
        const QColor shadow = pal.color(QPalette::Dark);
        const QColor highlight = pal.color(QPalette::Light);
        const int left = option.rect.left(), top = option.rect.top();
        const int right = option.rect.right() + 1, bottom = option.rect.bottom() + 1;
        const int column = index.column(), columns = grid->columnCount();

        p->save();
        p->fillRect(QRect(QPoint(left, top), QPoint(right - 2, bottom)), gridColor);
        p->setClipRect(option.rect);
        p->setPen(pal.color(QPalette::ButtonText));
        p->drawText(
            QPoint(left + 2, top + 2 + option.fontMetrics.ascent()), index.data().toString());
        p->setClipping(false);

        if (index.row() == grid->currentRow()) {
            p->setPen(QPen(shadow, 1));
        } else {
            QPen dotted(QColor(128, 128, 128), 1);
            dotted.setDashPattern({ 1, 2 });
            p->setPen(dotted);
        }
        p->drawLine(left, bottom - 1, right - 2, bottom - 1);

        const int x = right - 1;
        auto separator = [&](int from, int to) {
            p->setPen(shadow);
            p->drawLine(x, from, x, to);
            p->setPen(highlight);
            p->drawLine(x + 1, from, x + 1, to);
        };
        if (column == 0) {
            separator(bottom - 1, top - 1);
        } else if (column < columns - 1) {
            p->setPen(gridColor);
            p->drawLine(x, bottom - 1, x, top - 1);
            p->drawLine(x + 1, bottom - 1, x + 1, top - 1);
            separator(bottom - 5, top + 4);
        }
        p->restore();
    }
};

} // namespace

TPropertiesInspector::TPropertiesInspector(QWidget *parent)
    : QGroupBox("Properties", parent)
{
    setObjectName("PropertiesInspector1");
    resize(153, 250);

    m_top = new QFrame(this);
    m_top->setObjectName("Top");
    m_top->setFrameShape(QFrame::NoFrame);
    m_selector = new QComboBox(m_top);
    m_selector->setObjectName("All");

    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName("InspectedProperties");
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setShowGrid(false);
    m_grid->setFrameShape(QFrame::NoFrame);
    m_grid->setItemDelegate(new TInspectorCellPainter(m_grid));
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = m_grid->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    m_grid->setPalette(pal);

    m_help = new QPlainTextEdit(this);
    m_help->setObjectName("ContextHelp");
    m_help->setReadOnly(true);

    m_wizard = new QFrame(this);
    m_wizard->setObjectName("Wizard");
    m_wizard->setFrameShape(QFrame::NoFrame);
    m_wizard->hide();
    m_wizardButton = new QToolButton(m_wizard);
    m_wizardButton->setObjectName("WizardButton");
    m_wizardButton->setText("...");
    m_wizardButton->setAutoRaise(true);

    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_filling && item->column() == 1)
            Edit(item->row(), item->text());
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { CurrentRowChanged(); });
    connect(m_selector, &QComboBox::activated, this, &TPropertiesInspector::SelectorPicked);
    connect(m_wizardButton, &QToolButton::clicked, this, &TPropertiesInspector::EditInDialog);

    setTabOrder(m_selector, m_grid);
    setTabOrder(m_grid, m_help);
    Layout();
}

void TPropertiesInspector::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    Layout();
}

void TPropertiesInspector::Layout()
{
    // Below the caption, across the whole width.
    const int y0 = contentsRect().top();
    const int w = width(), h = height() - y0;
    m_top->setGeometry(0, y0, w, 22);
    m_selector->setGeometry(0, 0, w, 18);
    m_help->setGeometry(0, y0 + h - 60, w, 60);
    m_grid->setGeometry(0, y0 + 22, w, std::max(0, h - m_top->height() - m_help->height()));
    const int columns = m_grid->columnCount();
    for (int c = 0; c + 1 < columns; ++c)
        m_grid->setColumnWidth(c, (w - 24) / (columns - 1));
    m_grid->setColumnWidth(columns - 1, 18);
    m_wizard->setGeometry(w - 20, y0 + 38, 18, 18);
    m_wizardButton->setGeometry(0, 0, 18, 18);
}

namespace {

TDrawingObject *CurrentObject(TNet &net)
{
    TDrawingObject *selected = nullptr;
    for (const auto &obj : net.Net().Objects()) {
        if (obj->Mode != omSelected)
            continue;
        if (selected) {
            selected = nullptr;
            break;
        }
        selected = obj.get();
    }
    if (selected)
        return selected;
    TDrawingObject *clicked = net.Selected();
    return net.Net().Owns(clicked) ? clicked : nullptr;
}

} // namespace

void TPropertiesInspector::Follow(TNet *net)
{
    // A value being typed stays until it is entered.
    if (m_grid->viewport()->isAncestorOf(QApplication::focusWidget()))
        return;
    if (m_net != net) {
        m_object.reset();
        m_showsNet = false;
    }
    m_net = net;
    if (!net) {
        m_object.reset();
        m_rows.clear();
        m_filling = true;
        m_grid->setRowCount(0);
        m_selector->clear();
        m_help->clear();
        m_wizard->hide();
        m_filling = false;
        return;
    }
    FillSelector();
    Fill(CurrentObject(*net));
}

void TPropertiesInspector::FillSelector()
{
    QStringList labels;
    for (const auto &obj : m_net->Net().Objects())
        if (obj->Kind() != okArc)
            labels << QString::fromStdString(obj->selfLabel());
    QStringList shown;
    for (int i = 0; i < m_selector->count(); ++i)
        shown << m_selector->itemText(i);
    if (shown == labels)
        return;
    m_selector->clear();
    m_selector->addItems(labels);
}

void TPropertiesInspector::Fill(TDrawingObject *obj)
{
    const bool same = obj ? Inspected() == obj : m_showsNet;
    m_object = WeakOf(obj);
    m_showsNet = !obj;
    TDrawingObjects &net = m_net->Net();
    m_filling = true;
    if (!same) {
        m_rows = AttributeRows(obj);
        m_grid->setRowCount(0);
        m_grid->setRowCount(int(m_rows.size()));
        for (int r = 0; r < int(m_rows.size()); ++r) {
            auto *name = new QTableWidgetItem(m_rows[std::size_t(r)].Name);
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // The narrow name column cuts long names short.
            name->setToolTip(name->text());
            m_grid->setItem(r, 0, name);
            auto *value = new QTableWidgetItem;
            value->setFlags(m_rows[std::size_t(r)].ReadOnly
                    ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            m_grid->setItem(r, 1, value);
            auto *spare = new QTableWidgetItem;
            spare->setFlags(Qt::ItemIsEnabled);
            m_grid->setItem(r, 2, spare);
        }
        const int index = obj ? m_selector->findText(QString::fromStdString(obj->selfLabel())) : -1;
        m_selector->setCurrentIndex(index);
    }
    for (int r = 0; r < int(m_rows.size()); ++r)
        m_grid->item(r, 1)->setText(
            QString::fromStdString(AttributeText(net, obj, m_rows[std::size_t(r)].Attribute)));
    m_filling = false;
    if (!same && !m_rows.empty())
        m_grid->setCurrentCell(0, 1);
    CurrentRowChanged();
}

bool TPropertiesInspector::Edit(int row, const QString &text)
{
    if (!m_net || row < 0 || row >= int(m_rows.size()))
        return false;
    TDrawingObject *obj = Inspected();
    if (!obj && !m_showsNet)
        return false;
    const TAttribute a = m_rows[std::size_t(row)].Attribute;
    const TEditRefusal refusal = SetAttribute(m_net->Net(), obj, a, text.toStdString());
    if (refusal.Refused()) {
        m_filling = true;
        m_grid->item(row, 1)->setText(QString::fromStdString(AttributeText(m_net->Net(), obj, a)));
        m_filling = false;
        if (TErrorMessage *error = Program().ErrorMessage)
            error->ShowError(QString::fromStdString(refusal.Error),
                QString::fromStdString(refusal.Hint), m_grid);
        return false;
    }
    m_net->Redraw();
    m_net->Main().UpdateUndoButtons();
    return true;
}

void TPropertiesInspector::EditInDialog()
{
    const int row = m_grid->currentRow();
    if (!m_net || row < 0 || row >= int(m_rows.size()))
        return;
    const TAttributeRow &r = m_rows[std::size_t(row)];
    const QString current = m_grid->item(row, 1)->text();
    if (IsColor(r.Attribute)) {
        const QColor picked = QColorDialog::getColor(
            QtCanvas::ToQColor(current.mid(1).toUInt(nullptr, 16), palette()), this, {});
        if (picked.isValid())
            Edit(row, QString::asprintf("$%08X", unsigned(FromQColor(picked))));
    } else if (IsMatrix(r.Attribute)) {
        auto *t = dynamic_cast<TTransition *>(Inspected());
        TMatrixEditor *editor = Program().MatrixEditor;
        if (!t || !editor)
            return;
        const TMatrixKind kind = r.Attribute == TAttribute::Predicates ? TMatrixKind::Predicates
                                                                       : TMatrixKind::Capacities;
        if (editor->Execute(m_net->Net(), *t, kind))
            m_net->Main().UpdateUndoButtons();
    } else if (IsLongText(r.Attribute)) {
        bool ok = false;
        const QString text = QInputDialog::getMultiLineText(this, r.Name, r.Name, current, &ok);
        if (ok)
            Edit(row, text);
    }
}

void TPropertiesInspector::CurrentRowChanged()
{
    const int row = m_grid->currentRow();
    const bool valid = row >= 0 && row < int(m_rows.size());
    const TAttribute a = valid ? m_rows[std::size_t(row)].Attribute : TAttribute::Label;
    m_help->setPlainText(valid ? AttributeHelp(a) : "");
    const bool button = valid
        && (IsMatrix(a) || (!m_rows[std::size_t(row)].ReadOnly && (IsColor(a) || IsLongText(a))));
    m_wizard->setVisible(button);
    if (button)
        m_wizard->move(m_wizard->x(), m_grid->y() + m_grid->rowViewportPosition(row));
}

void TPropertiesInspector::SelectorPicked(int index)
{
    if (!m_net || index < 0)
        return;
    const QString label = m_selector->itemText(index);
    int seen = 0;
    for (const auto &obj : m_net->Net().Objects()) {
        if (obj->Kind() == okArc)
            continue;
        if (seen++ == index && QString::fromStdString(obj->selfLabel()) == label) {
            m_net->Locate(*obj);
            Follow(m_net);
            return;
        }
    }
}

} // namespace morvane
