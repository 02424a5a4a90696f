// SPDX-License-Identifier: MIT
#include "properties_inspector.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
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

} // namespace morvane
