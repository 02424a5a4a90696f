// SPDX-License-Identifier: MIT
#include "page_setup.h"

namespace morvane {

TPageSetup::TPageSetup(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("PageSetup");
    setWindowTitle("Page Setup");
    resize(480, 360);
}
} // namespace morvane
