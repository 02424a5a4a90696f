// SPDX-License-Identifier: MIT
#include "options_dialog.h"

#include "edit_int.h"
#include "settings/registry_persistence.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morvane {

namespace {

QCheckBox *CheckBox(const char *name, const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QPushButton *Button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TOptions::TOptions(TRegistryClient *registryClient, QWidget *parent)
    : QDialog(parent)
    , m_record(std::make_unique<TRealOptions>())
    , m_registryClient(registryClient)
{
    setObjectName("Options");
    setWindowTitle("Options");
    // The dialog is laid out for a small dialog font.
    QFont dialogFont("Liberation Sans");
    dialogFont.setPixelSize(11);
    setFont(dialogFont);
    m_record->SetDefaults();

    m_pages = new QTabWidget(this);
    // Seven pages side by side in a 472 pixel wide dialog.
    m_pages->setUsesScrollButtons(false);
    m_pages->setStyleSheet("QTabBar::tab { padding: 3px 6px; }");
    m_pages->addTab(MakeGeneralPage(), "&General");
    for (const char *caption :
        { "&Display", "&Colors", "&Positions", "&Transitions", "A&rcs", "Confirmations" }) {
        auto *page = new QWidget(m_pages);
        page->setObjectName(QString(caption).remove('&'));
        m_pages->addTab(page, caption);
    }
    m_pages->setCurrentIndex(1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Help);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto *apply = Button("bbApply", "&Apply", this);
    buttons->addButton(apply, QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    setFixedSize(472, 278);
}

TOptions::~TOptions() = default;

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
        l->setVerticalSpacing(0);
        l->addWidget(new QLabel("on exit", autosave), 0, 0, 1, 2);
        l->addWidget(CheckBox("cbEditorFiles", "&Editor Files", false, autosave), 1, 0, 1, 2);
        l->addWidget(CheckBox("cbDesktop", "&Desktop", false, autosave), 2, 0, 1, 2);
        cbAutosaveRegistry = CheckBox("cbAutosaveRegistry", "Registry", true, autosave);
        l->addWidget(cbAutosaveRegistry, 3, 0, 1, 2);
        l->addWidget(new QLabel("at runtime", autosave), 4, 0, 1, 2);
        l->addWidget(CheckBox("eEditedFiles", "Edited &Files", true, autosave), 5, 0, 1, 2);
        auto *interval = new TEditInt(autosave);
        interval->setObjectName("eAutoSaveInt");
        interval->SetValue(0);
        interval->setMaximumWidth(40);
        auto *minutes = new QLabel("&min", autosave);
        minutes->setBuddy(interval);
        l->addWidget(interval, 6, 0);
        l->addWidget(minutes, 6, 1);
    }
    grid->addWidget(autosave, 0, 0, 2, 1);

    auto *history = new QGroupBox("Reopen History", page);
    {
        auto *l = new QGridLayout(history);
        l->setVerticalSpacing(0);
        l->addWidget(new QLabel("Save in", history), 0, 0);
        l->addWidget(CheckBox("cbRegistry", "Registry", true, history), 1, 0);
        l->addWidget(CheckBox("cbDesctopFile", "Desktop file", false, history), 2, 0, 1, 2);
        auto *depth = new QSpinBox(history);
        depth->setObjectName("seHistoryDepth");
        depth->setRange(0, 16);
        depth->setValue(5);
        auto *depthLabel = new QLabel("Depth", history);
        depthLabel->setBuddy(depth);
        l->addWidget(depthLabel, 0, 1);
        l->addWidget(depth, 1, 1);
    }
    grid->addWidget(history, 0, 1);

    auto *dirs = new QGroupBox("Directories", page);
    {
        auto *l = new QGridLayout(dirs);
        l->setVerticalSpacing(2);
        int row = 0;
        for (auto [name, caption] :
            { std::pair { "eVGNDir", "VGN files " }, std::pair { "eTKNDir", "TKN files" } }) {
            auto *edit = new QLineEdit(dirs);
            edit->setObjectName(name);
            l->addWidget(new QLabel(caption, dirs), row, 0);
            l->addWidget(edit, row, 1);
            l->addWidget(Button("", "Browse...", dirs), row, 2);
            ++row;
        }
    }
    grid->addWidget(dirs, 1, 1, 1, 2, Qt::AlignTop);

    auto *load = new QGroupBox("Load", page);
    {
        auto *l = new QVBoxLayout(load);
        l->setSpacing(2);
        l->addWidget(Button("bLoad", "From  file...", load));
        bLoadFromRegistry = Button("bLoadFromRegistry", "From &Registry", load);
        l->addWidget(bLoadFromRegistry);
    }
    grid->addWidget(load, 0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);

    auto *save = new QGroupBox("Save", page);
    {
        auto *l = new QVBoxLayout(save);
        l->setSpacing(2);
        l->addWidget(Button("bSaveAs", "&To file...", save));
        bSaveToRegistry = Button("bSaveToRegistry", "To Re&gistry", save);
        l->addWidget(bSaveToRegistry);
        bClearRegistry = Button("bClearRegistry", "C&lear Registry", save);
        l->addWidget(bClearRegistry);
        cbLazy = CheckBox("cbLazy", "Lazy", false, save);
        l->addWidget(cbLazy);
    }
    grid->addWidget(save, 0, 3);

    auto *hint = new QGroupBox("Hint", page);
    {
        auto *l = new QVBoxLayout(hint);
        l->setSpacing(2);
        l->addWidget(CheckBox("cbShow", "Show", false, hint));
        l->addWidget(Button("bDelays", "Delays...", hint));
    }
    grid->addWidget(hint, 1, 3, Qt::AlignTop);

    connect(bLoadFromRegistry, &QPushButton::clicked, this, &TOptions::bLoadFromRegistryClick);
    connect(bSaveToRegistry, &QPushButton::clicked, this, &TOptions::bSaveToRegistryClick);
    connect(bClearRegistry, &QPushButton::clicked, this, &TOptions::bClearRegistryClick);
    return page;
}

bool TOptions::Execute()
{
    return exec() == QDialog::Accepted;
}

void TOptions::SetCurrent()
{
    // The display pages and their values come with the dialog's own change; until then the
    // record keeps what it holds.
}

void TOptions::bLoadFromRegistryClick()
{
    if (m_registryClient)
        LoadFromRegistry(rpOptions | rpWindow | rpReOpen, *m_registryClient);
}

void TOptions::bSaveToRegistryClick()
{
    if (!m_registryClient)
        return;
    try {
        SaveToRegistry(cbLazy->isChecked(), *m_registryClient);
    } catch (const std::exception &e) {
        QMessageBox::critical(this, "Morvane", QString::fromStdString(e.what()));
    }
}

void TOptions::bClearRegistryClick()
{
    try {
        ClearRegistry();
    } catch (const std::exception &e) {
        QMessageBox::critical(this, "Morvane", QString::fromStdString(e.what()));
    }
}

} // namespace morvane
