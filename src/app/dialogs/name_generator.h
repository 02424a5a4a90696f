// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace morvane {

// The predicate name generator dialog. Its faces come with the exporters.
class TNameGenerator : public QDialog
{
    Q_OBJECT
public:
    explicit TNameGenerator(QWidget *parent = nullptr);
};

} // namespace morvane
