// SPDX-License-Identifier: MIT
#pragma once

#include "common/message_list.h"

#include <QListWidget>

#include <cstddef>

namespace morvane {

// The main window's message list box. The documents write their lines into Messages(); the box
// shows them after Sync(). A line's object is only a weak reference, so a line never keeps a
// deleted object alive or points into a closed window.
class TMessageListBox : public QListWidget
{
    Q_OBJECT
public:
    // The most lines the box lists; the rest are counted in one closing line.
    static constexpr std::size_t kMaxShownLines = 10000;

    explicit TMessageListBox(QWidget *parent = nullptr);

    TMessageList &Messages() { return m_messages; }
    const TMessageList &Messages() const { return m_messages; }

    // Shows the lines of Messages() as they are now.
    void Sync();
    void Clear();
    // The list's height when it shows that many whole lines.
    int HeightForLines(int lines) const;

private:
    TMessageList m_messages;
};

} // namespace morvane
