// SPDX-License-Identifier: MIT
#pragma once

#include "options/real_options.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QLineEdit;

namespace morvane {

class TEditInt;
class TRegistryClient;

// The options dialog. Creating it creates the options record with its defaults; the General page
// holds the registry controls that start-up and shut-down consult.
class TOptions : public QDialog
{
    Q_OBJECT
public:
    // The registry buttons load into and save from `registryClient` (the main window).
    explicit TOptions(TRegistryClient *registryClient, QWidget *parent = nullptr);
    ~TOptions() override;

    TRealOptions &Record() { return *m_record; }

    // Modal; true when closed with OK.
    bool Execute();
    // Copies the dialog's values into the record.
    void SetCurrent();

    QTabWidget *Pages() const { return m_pages; }
    QCheckBox *cbAutosaveRegistry = nullptr;
    QCheckBox *cbLazy = nullptr;
    QPushButton *bLoadFromRegistry = nullptr;
    QPushButton *bSaveToRegistry = nullptr;
    QPushButton *bClearRegistry = nullptr;

    void bLoadFromRegistryClick();
    void bSaveToRegistryClick();
    void bClearRegistryClick();

private:
    QWidget *MakeGeneralPage();

    std::unique_ptr<TRealOptions> m_record;
    TRegistryClient *m_registryClient;
    QTabWidget *m_pages = nullptr;
};

} // namespace morvane
