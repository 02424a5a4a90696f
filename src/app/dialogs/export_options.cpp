// SPDX-License-Identifier: MIT
#include "export_options.h"

namespace morvane {

TExportOptions::TExportOptions(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("ExportOptions");
    setWindowTitle("Export Options");
    resize(420, 300);
}
} // namespace morvane
