// SPDX-License-Identifier: MIT
#pragma once

#include "edit_int.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace morvane::options_controls {

// The named controls the options dialog's pages are built from.

inline QCheckBox *CheckBox(const char *name, const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

inline QRadioButton *Radio(const char *name, const QString &caption, bool checked, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setChecked(checked);
    return button;
}

inline QPushButton *Button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// An integer edit wide enough for five digits.
inline TEditInt *IntEdit(const char *name, QWidget *parent)
{
    auto *edit = new TEditInt(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    return edit;
}

// "caption [edit] unit" as one row of `grid`, the caption's accelerator leading to the edit.
inline void EditRow(QGridLayout *grid, int row, const QString &caption, QWidget *edit,
    const QString &unit, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, parent), row, 2);
}

} // namespace morvane::options_controls
