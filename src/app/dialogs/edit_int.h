// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include <cstdint>

namespace morvane {

// A one-line edit holding an integer. It does not filter keystrokes: text that is not a decimal
// integer reads as 0.
class TEditInt : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)
public:
    explicit TEditInt(QWidget *parent = nullptr);

    std::int32_t Value() const;
    void SetValue(std::int32_t value);
};

} // namespace morvane
