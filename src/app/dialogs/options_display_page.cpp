// SPDX-License-Identifier: MIT
// The options dialog's "&Display" page.
#include "options_controls.h"
#include "options_dialog.h"

#include "options/page_sizes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>

namespace morvane {

using namespace options_controls;

QWidget *TOptions::MakeDisplayPage()
{
    auto *page = new QWidget;
    page->setObjectName("Display");
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);

    auto *pageSize = new QGroupBox("Page Size", page);
    {
        auto *l = new QGridLayout(pageSize);
        l->setVerticalSpacing(2);
        cbPageSize = new QComboBox(pageSize);
        cbPageSize->setObjectName("cbPageSize");
        for (const char *caption : kPageSizeCaptions)
            cbPageSize->addItem(caption);
        cbPageSize->setMaxVisibleItems(12);
        l->addWidget(cbPageSize, 0, 0, 1, 4);
        l->addWidget(new QLabel("User Defined", pageSize), 1, 0, 1, 3);
        ePgWidth = IntEdit("ePgWidth", pageSize);
        ePgHeight = IntEdit("ePgHeight", pageSize);
        auto *sizes = new QGridLayout;
        EditRow(sizes, 0, "&W:", ePgWidth, "mm", pageSize);
        EditRow(sizes, 1, "&H:", ePgHeight, "mm", pageSize);
        l->addLayout(sizes, 2, 0, 2, 2, Qt::AlignTop);
        l->addWidget(new QLabel("Orientation", pageSize), 1, 2, 1, 2);
        rbLandscape = Radio("rbLandscape", "&Landscape", false, pageSize);
        rbPortrete = Radio("rbPortrete", "&Portrete", true, pageSize);
        l->addWidget(rbLandscape, 2, 2, 1, 2);
        l->addWidget(rbPortrete, 3, 2, 1, 2);
        cbSame = CheckBox("cbSame", "= Print &area", true, pageSize);
        l->addWidget(cbSame, 4, 0, 1, 4);
        l->setRowStretch(5, 1);
    }
    row->addWidget(pageSize, 3);

    auto *editor = new QGroupBox("Visual Editor", page);
    {
        auto *l = new QGridLayout(editor);
        l->setVerticalSpacing(2);
        cbShowGrid = CheckBox("cbShowGrid", "Show &grid", true, editor);
        cbSnapToGrid = CheckBox("cbSnapToGrid", "&Snap to grid", true, editor);
        l->addWidget(cbShowGrid, 0, 0, 1, 3);
        l->addWidget(cbSnapToGrid, 1, 0, 1, 3);
        exGrid = IntEdit("exGrid", editor);
        eyGrid = IntEdit("eyGrid", editor);
        eEditBar = IntEdit("eEditBar", editor);
        EditRow(l, 2, "Grid  &X size", exGrid, "p", editor);
        EditRow(l, 3, "Grid  &Y size", eyGrid, "p", editor);
        EditRow(l, 4, "&Edit Bar", eEditBar, "p", editor);
        l->setRowStretch(5, 1);
    }
    row->addWidget(editor, 2);

    connect(cbPageSize, &QComboBox::activated, this, &TOptions::cbPageSizeChange);
    connect(rbLandscape, &QRadioButton::clicked, this, &TOptions::OrientationClicked);
    connect(rbPortrete, &QRadioButton::clicked, this, &TOptions::OrientationClicked);
    return page;
}

} // namespace morvane
