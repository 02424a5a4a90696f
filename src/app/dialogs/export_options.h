// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace morvane {

// The export options dialog. Its pages come with the exporters.
class TExportOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TExportOptions(QWidget *parent = nullptr);
};

} // namespace morvane
