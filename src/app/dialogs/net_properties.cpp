// SPDX-License-Identifier: MIT
#include "net_properties.h"

namespace morvane {

TNetProperties::TNetProperties(QWidget *parent)
    : TPropertyForm(parent)
{
    setObjectName("NetProperties");
    setWindowTitle("Generalized Net Properties");
    resize(560, 420);
    StoreHeight();
}

bool TNetProperties::Execute(TDrawingObjects &net)
{
    Net = &net;
    return exec() == QDialog::Accepted;
}
} // namespace morvane
