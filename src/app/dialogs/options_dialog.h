// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"
#include "options/real_options.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace morvane {

class TColorPage;
class TEditInt;
class TRegistryClient;

// The options dialog. Creating it creates the options record with its defaults. Each page is
// built in a file of its own; the controls are named as the settings files and tests know them.
class TOptions : public QDialog
{
    Q_OBJECT
public:
    // The registry buttons load into and save from `registryClient` (the main window).
    explicit TOptions(TRegistryClient *registryClient, QWidget *parent = nullptr);
    ~TOptions() override;

    TRealOptions &Record() { return *m_record; }

    // Modal. On OK the settings are applied (SetCurrent) to the record and the active net
    // window; either way the active net takes the colour table's colours. True when closed
    // with OK.
    bool Execute();
    // Record to controls.
    void LoadCurrent();
    // Controls to record.
    void SetCurrent();
    // SetCurrent, then the active net window follows: its objects take the colours of the colour
    // table and the outlined flags, and it is shown at the grid step and page size set.
    void Apply();

    // Every setting of the pages, from the record, the display globals and the controls.
    TOptionSet Settings() const;
    // Shows `options` in the controls and applies them as OK does.
    void ApplySettings(const TOptionSet &options);

    // How default predicates are named and how the constants read: edited through the name
    // generator, kept and restored with the other settings.
    const TMatrixSettings &MatrixSettings() const { return m_matrices; }
    void SetMatrixSettings(const TMatrixSettings &settings) { m_matrices = settings; }

    QTabWidget *Pages() const { return m_pages; }
    TColorPage *ColorPage() const { return m_colorPage; }

    // General
    QCheckBox *cbEditorFiles = nullptr;
    QCheckBox *cbDesktop = nullptr;
    QCheckBox *cbAutosaveRegistry = nullptr;
    QCheckBox *eEditedFiles = nullptr;
    TEditInt *eAutoSaveInt = nullptr;
    QCheckBox *cbRegistry = nullptr;
    QCheckBox *cbDesctopFile = nullptr;
    QSpinBox *seHistoryDepth = nullptr;
    QLineEdit *eVGNDir = nullptr;
    QLineEdit *eTKNDir = nullptr;
    QPushButton *bLoad = nullptr;
    QPushButton *bLoadFromRegistry = nullptr;
    QPushButton *bSaveAs = nullptr;
    QPushButton *bSaveToRegistry = nullptr;
    QPushButton *bClearRegistry = nullptr;
    QCheckBox *cbLazy = nullptr;
    QCheckBox *cbShow = nullptr;
    // Display
    QComboBox *cbPageSize = nullptr;
    TEditInt *ePgWidth = nullptr;
    TEditInt *ePgHeight = nullptr;
    QRadioButton *rbLandscape = nullptr;
    QRadioButton *rbPortrete = nullptr;
    QCheckBox *cbSame = nullptr;
    QCheckBox *cbShowGrid = nullptr;
    QCheckBox *cbSnapToGrid = nullptr;
    TEditInt *exGrid = nullptr;
    TEditInt *eyGrid = nullptr;
    TEditInt *eEditBar = nullptr;
    // Positions
    TEditInt *exOffset = nullptr;
    TEditInt *eyOffset = nullptr;
    QCheckBox *cbOutlinedP = nullptr;
    QCheckBox *cbShowLabelP = nullptr;
    QCheckBox *cbPrintLabelP = nullptr;
    // Transitions
    TEditInt *exOffsetT = nullptr;
    TEditInt *eyOffsetT = nullptr;
    QCheckBox *cbOutlinedT = nullptr;
    QCheckBox *cbShowLabelT = nullptr;
    QCheckBox *cbPrintLabelT = nullptr;
    // Arcs
    QCheckBox *cbShowPathMarker = nullptr;
    TEditInt *emWidth = nullptr;
    TEditInt *emHeight = nullptr;
    QCheckBox *cbOutlinedA = nullptr;
    // Confirmations
    QCheckBox *cbExitConf = nullptr;
    QCheckBox *cbOverrideConf = nullptr;
    QCheckBox *cbSaveConf = nullptr;
    QCheckBox *cbAskForStopSimulation = nullptr;
    QCheckBox *cbDeleteObjConf = nullptr;

    void bLoadFromRegistryClick();
    void bSaveToRegistryClick();
    void bClearRegistryClick();
    // Read and write a settings file; problems reading it go to the main window's message list.
    void LoadFile(const QString &path);
    bool SaveFile(const QString &path);
    // Writes the list entry's page size into the record at once, in the chosen orientation.
    void cbPageSizeChange(int entry);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *MakeGeneralPage();
    QWidget *MakeDisplayPage();
    QWidget *MakeLabelPage(bool transitions);
    QWidget *MakeArcsPage();
    QWidget *MakeConfirmationsPage();
    void FormActivate();
    // The active net's objects take their colours from the colour table and their outlined
    // flags from the display globals, and the window repaints at the grid step in force.
    void RefreshActiveNet();
    void OrientationClicked();
    void ReportProblems(const std::vector<std::string> &problems);
    void FitToText();
    void bFontClick(bool transitions);
    void bLoadClick();
    void bSaveAsClick();

    std::unique_ptr<TRealOptions> m_record;
    TRegistryClient *m_registryClient;
    QTabWidget *m_pages = nullptr;
    TColorPage *m_colorPage = nullptr;
    TMatrixSettings m_matrices;
};

} // namespace morvane
