// SPDX-License-Identifier: MIT
#include "message_list_box.h"

#include <QStringList>
#include <QStyledItemDelegate>

#include <algorithm>

namespace morvane {

namespace {

constexpr int kLineHeight = 13;

// Every line is one text line high; one height for all keeps filling and scrolling cheap.
class TLineDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return { 0, kLineHeight };
    }
};

} // namespace

TMessageListBox::TMessageListBox(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName("lbMessages");
    QFont f("Liberation Sans");
    f.setPixelSize(11);
    setFont(f);
    setUniformItemSizes(true);
    setItemDelegate(new TLineDelegate(this));
}

// The documents may have cleared and refilled the list behind our back: show it anew, in one
// batch. A file can hold a million warnings; past kMaxShownLines one line tells how many more.
void TMessageListBox::Sync()
{
    QListWidget::clear();
    const std::size_t shown = std::min(m_messages.Count(), kMaxShownLines);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(shown) + 1);
    for (std::size_t i = 0; i < shown; ++i)
        texts << QString::fromStdString(m_messages[i].Text);
    if (m_messages.Count() > shown)
        texts << QString("... and %1 more messages").arg(m_messages.Count() - shown);
    addItems(texts);
}

int TMessageListBox::HeightForLines(int lines) const
{
    return lines * kLineHeight + 2 * frameWidth();
}

void TMessageListBox::Clear()
{
    m_messages.Clear();
    QListWidget::clear();
}

} // namespace morvane
