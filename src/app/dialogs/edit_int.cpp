// SPDX-License-Identifier: MIT
#include "edit_int.h"

namespace morvane {

TEditInt::TEditInt(QWidget *parent)
    : QLineEdit(parent)
{
}

std::int32_t TEditInt::Value() const
{
    bool ok = false;
    const int v = text().trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}

void TEditInt::SetValue(std::int32_t value)
{
    setText(QString::number(value));
}

} // namespace morvane
