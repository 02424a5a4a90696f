// SPDX-License-Identifier: MIT
// The options dialog's "&General" page.
#include "options_controls.h"
#include "options_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace morvane {

using namespace options_controls;

QWidget *TOptions::MakeGeneralPage()
{
    auto *page = new QWidget;
    page->setObjectName("General");
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);

    auto *autosave = new QGroupBox("&Autosave", page);
    {
        auto *l = new QGridLayout(autosave);
        l->setVerticalSpacing(1);
        l->addWidget(new QLabel("on exit", autosave), 0, 0, 1, 2);
        cbEditorFiles = CheckBox("cbEditorFiles", "&Editor Files", false, autosave);
        cbDesktop = CheckBox("cbDesktop", "&Desktop", false, autosave);
        cbAutosaveRegistry = CheckBox("cbAutosaveRegistry", "Registry", true, autosave);
        l->addWidget(cbEditorFiles, 1, 0, 1, 2);
        l->addWidget(cbDesktop, 2, 0, 1, 2);
        l->addWidget(cbAutosaveRegistry, 3, 0, 1, 2);
        l->addWidget(new QLabel("at runtime", autosave), 4, 0, 1, 2);
        eEditedFiles = CheckBox("eEditedFiles", "Edited &Files", true, autosave);
        l->addWidget(eEditedFiles, 5, 0, 1, 2);
        eAutoSaveInt = IntEdit("eAutoSaveInt", autosave);
        eAutoSaveInt->SetValue(0);
        auto *minutes = new QLabel("&min", autosave);
        minutes->setBuddy(eAutoSaveInt);
        l->addWidget(eAutoSaveInt, 6, 0);
        l->addWidget(minutes, 6, 1);
        l->setRowStretch(7, 1);
    }
    grid->addWidget(autosave, 0, 0, 2, 1);

    auto *history = new QGroupBox("Reopen History", page);
    {
        auto *l = new QGridLayout(history);
        l->setVerticalSpacing(1);
        l->addWidget(new QLabel("Save in", history), 0, 0, 1, 2);
        cbRegistry = CheckBox("cbRegistry", "Registry", true, history);
        cbDesctopFile = CheckBox("cbDesctopFile", "Desktop file", false, history);
        l->addWidget(cbRegistry, 1, 0, 1, 2);
        l->addWidget(cbDesctopFile, 2, 0, 1, 2);
        seHistoryDepth = new QSpinBox(history);
        seHistoryDepth->setObjectName("seHistoryDepth");
        // The history keeps between 1 and 20 files.
        seHistoryDepth->setRange(1, 20);
        seHistoryDepth->setValue(5);
        auto *depthLabel = new QLabel("Depth", history);
        depthLabel->setBuddy(seHistoryDepth);
        l->addWidget(depthLabel, 3, 0);
        l->addWidget(seHistoryDepth, 3, 1, Qt::AlignLeft);
    }
    grid->addWidget(history, 0, 1);

    auto *loadAndHint = new QVBoxLayout;
    auto *load = new QGroupBox("Load", page);
    {
        auto *l = new QVBoxLayout(load);
        l->setSpacing(2);
        bLoad = Button("bLoad", "From  file...", load);
        bLoadFromRegistry = Button("bLoadFromRegistry", "From &Registry", load);
        l->addWidget(bLoad);
        l->addWidget(bLoadFromRegistry);
    }
    auto *hint = new QGroupBox("Hint", page);
    {
        auto *l = new QVBoxLayout(hint);
        l->setSpacing(2);
        cbShow = CheckBox("cbShow", "Show", false, hint);
        l->addWidget(cbShow);
        l->addWidget(Button("bDelays", "Delays...", hint));
    }
    loadAndHint->addWidget(load);
    loadAndHint->addWidget(hint);
    grid->addLayout(loadAndHint, 0, 2);

    auto *save = new QGroupBox("Save", page);
    {
        auto *l = new QVBoxLayout(save);
        l->setSpacing(2);
        bSaveAs = Button("bSaveAs", "&To file...", save);
        bSaveToRegistry = Button("bSaveToRegistry", "To Re&gistry", save);
        bClearRegistry = Button("bClearRegistry", "C&lear Registry", save);
        cbLazy = CheckBox("cbLazy", "Lazy", false, save);
        l->addWidget(bSaveAs);
        l->addWidget(bSaveToRegistry);
        l->addWidget(bClearRegistry);
        l->addWidget(cbLazy);
        l->addStretch(1);
    }
    grid->addWidget(save, 0, 3);

    auto *dirs = new QGroupBox("Directories", page);
    {
        auto *l = new QGridLayout(dirs);
        l->setVerticalSpacing(2);
        eVGNDir = new QLineEdit(dirs);
        eVGNDir->setObjectName("eVGNDir");
        eTKNDir = new QLineEdit(dirs);
        eTKNDir->setObjectName("eTKNDir");
        int row = 0;
        for (auto [edit, caption] :
            { std::pair { eVGNDir, "VGN files " }, std::pair { eTKNDir, "TKN files" } }) {
            l->addWidget(new QLabel(caption, dirs), row, 0);
            l->addWidget(edit, row, 1);
            l->addWidget(Button("", "Browse...", dirs), row, 2);
            ++row;
        }
    }
    grid->addWidget(dirs, 1, 1, 1, 3);
    grid->setRowStretch(2, 1);

    connect(bLoad, &QPushButton::clicked, this, &TOptions::bLoadClick);
    connect(bSaveAs, &QPushButton::clicked, this, &TOptions::bSaveAsClick);
    connect(bLoadFromRegistry, &QPushButton::clicked, this, &TOptions::bLoadFromRegistryClick);
    connect(bSaveToRegistry, &QPushButton::clicked, this, &TOptions::bSaveToRegistryClick);
    connect(bClearRegistry, &QPushButton::clicked, this, &TOptions::bClearRegistryClick);
    return page;
}

} // namespace morvane
