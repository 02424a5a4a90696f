// SPDX-License-Identifier: MIT
#include "message_list_box.h"

namespace morvane {

namespace {

constexpr int kLineHeight = 13;

} // namespace

TMessageListBox::TMessageListBox(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName("lbMessages");
    QFont f("Liberation Sans");
    f.setPixelSize(11);
    setFont(f);
    setUniformItemSizes(true);
}

// The documents may have cleared and refilled the list behind our back: show it anew.
void TMessageListBox::Sync()
{
    QListWidget::clear();
    for (std::size_t i = 0; i < m_messages.Count(); ++i) {
        auto *item = new QListWidgetItem(QString::fromStdString(m_messages[i].Text), this);
        item->setSizeHint({ 0, kLineHeight });
    }
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
