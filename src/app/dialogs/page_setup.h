// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace morvane {

// The page setup and preview dialog. Its controls come with printing.
class TPageSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TPageSetup(QWidget *parent = nullptr);
};

} // namespace morvane
