// SPDX-License-Identifier: MIT
#include "options_dialog.h"

#include "color_page.h"
#include "edit_int.h"
#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "options_controls.h"
#include "settings/registry_persistence.h"

#include "format/atomic_file.h"
#include "options/option_file.h"
#include "options/page_sizes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <fstream>
#include <iterator>

namespace morvane {

namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr std::streamsize kLargestSettingsFile = 1 << 20;

} // namespace

TOptions::TOptions(TRegistryClient *registryClient, QWidget *parent)
    : QDialog(parent)
    , m_record(std::make_unique<TRealOptions>())
    , m_registryClient(registryClient)
{
    setObjectName("Options");
    setWindowTitle("Options");
    m_record->SetDefaults();

    m_pages = new QTabWidget(this);
    // Seven pages side by side: the tabs take no more room than their captions need.
    m_pages->setUsesScrollButtons(false);
    m_pages->setStyleSheet("QTabBar::tab { padding: 3px 6px; }");
    m_colorPage = new TColorPage(m_pages);
    m_colorPage->SchemeSwitched = [this] { RefreshActiveNet(); };
    m_pages->addTab(MakeGeneralPage(), "&General");
    m_pages->addTab(MakeDisplayPage(), "&Display");
    m_pages->addTab(m_colorPage, "&Colors");
    m_pages->addTab(MakeLabelPage(false), "&Positions");
    m_pages->addTab(MakeLabelPage(true), "&Transitions");
    m_pages->addTab(MakeArcsPage(), "A&rcs");
    m_pages->addTab(MakeConfirmationsPage(), "Confirmations");
    m_pages->setCurrentIndex(1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Help);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto *apply = options_controls::Button("bbApply", "&Apply", this);
    buttons->addButton(apply, QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &TOptions::Apply);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    FitToText();
}

TOptions::~TOptions() = default;

void TOptions::FitToText()
{
    // The designed client size, or more where the captions need it in the current font.
    layout()->activate();
    setFixedSize(layout()->totalMinimumSize().expandedTo(QSize(472, 278)));
}

void TOptions::showEvent(QShowEvent *event)
{
    FitToText();
    FormActivate();
    QDialog::showEvent(event);
}

void TOptions::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        FitToText();
    QDialog::changeEvent(event);
}

bool TOptions::Execute()
{
    const bool ok = exec() == QDialog::Accepted;
    if (ok)
        Apply();
    else
        RefreshActiveNet(); // colour table edits hold even when cancelled
    return ok;
}

void TOptions::FormActivate()
{
    m_colorPage->Activate();
    LoadCurrent();
}

void TOptions::LoadCurrent()
{
    const TRealOptions &r = *m_record;
    cbShowGrid->setChecked(r.oShowGrid());
    cbSnapToGrid->setChecked(r.oSnapToGrid());
    cbOutlinedA->setChecked(r.oOutlinedA());
    cbOutlinedP->setChecked(r.oOutlinedP());
    cbOutlinedT->setChecked(r.oOutlinedT());
    cbPageSize->setCurrentIndex(0);
    m_colorPage->SchemeBox()->setCurrentText(m_colorPage->Scheme());
    exGrid->SetValue(r.oxGrid());
    eyGrid->SetValue(r.oyGrid());
    exOffset->SetValue(0);
    eyOffset->SetValue(r.oLsize());
    exOffsetT->SetValue(0);
    eyOffsetT->SetValue(r.oLsize());
    ePgWidth->SetValue(r.oxPageSize());
    ePgHeight->SetValue(r.oyPageSize());
    eEditBar->SetValue(r.oEsize());
    seHistoryDepth->setValue(Globals().HistoryDepth);
}

void TOptions::SetCurrent()
{
    TRealOptions &r = *m_record;
    const TDisplayGlobals &g = Globals();
    r.SetoShowGrid(cbShowGrid->isChecked());
    r.SetoSnapToGrid(cbSnapToGrid->isChecked());
    r.SetoOutlinedA(cbOutlinedA->isChecked());
    r.SetoOutlinedP(cbOutlinedP->isChecked());
    r.SetoOutlinedT(cbOutlinedT->isChecked());
    // A new grid step rescales every size measured in grid steps, as a zoom does.
    r.ChangeXGrid(exGrid->Value() == 0 ? 8 : exGrid->Value());
    r.ChangeYGrid(eyGrid->Value() == 0 ? 8 : eyGrid->Value());
    r.SetoLsize(eyOffsetT->Value());
    r.SetoFnsize(g.PositionFont.Size);
    r.SetoFnIndsize(g.PositionFont.Size * 8 / 10);
    r.SetotFnsize(g.TransitionFont.Size);
    r.SetotFnIndsize(g.TransitionFont.Size * 8 / 10);
    r.SetoxPageSize(ePgWidth->Value());
    r.SetoyPageSize(ePgHeight->Value());
    r.SetoEsize(eEditBar->Value());
    Globals().HistoryDepth = seHistoryDepth->value();
}

void TOptions::Apply()
{
    SetCurrent();
    if (TGN *gn = Program().GN)
        gn->KeepHistoryDepth();
    RefreshActiveNet();
}

void TOptions::RefreshActiveNet()
{
    TGN *gn = Program().GN;
    TNet *net = gn ? gn->ActiveNet() : nullptr;
    if (!net)
        return;
    net->Net().ApplyDefaultColors();
    net->Net().ApplyOutlinedFlags();
    // The window's zoom is its grid step: it follows the step set here, and repaints with the
    // page size and colours in force.
    const TDisplayGlobals &g = Globals();
    if (m_record->oxGrid() >= g.zMin && m_record->oxGrid() <= g.zMax)
        net->Zoom(m_record->oxGrid(), false);
    else
        net->Redraw();
}

TOptionSet TOptions::Settings() const
{
    const TRealOptions &r = *m_record;
    const TDisplayGlobals &g = Globals();
    TOptionSet s;
    s.EditorFiles = cbEditorFiles->isChecked();
    s.Desktop = cbDesktop->isChecked();
    s.AutosaveRegistry = cbAutosaveRegistry->isChecked();
    s.EditedFiles = eEditedFiles->isChecked();
    s.AutoSaveInterval = eAutoSaveInt->Value();
    s.HistoryInRegistry = cbRegistry->isChecked();
    s.HistoryInDesktopFile = cbDesctopFile->isChecked();
    s.HistoryDepth = g.HistoryDepth;
    s.VGNDir = eVGNDir->text().toStdString();
    s.TKNDir = eTKNDir->text().toStdString();
    s.Lazy = cbLazy->isChecked();
    s.ShowHints = cbShow->isChecked();
    s.PageWidth = r.oxPageSize();
    s.PageHeight = r.oyPageSize();
    s.Landscape = rbLandscape->isChecked();
    s.SameAsPrintArea = cbSame->isChecked();
    s.ShowGrid = r.oShowGrid();
    s.SnapToGrid = r.oSnapToGrid();
    s.GridX = r.oxGrid();
    s.GridY = r.oyGrid();
    s.EditBar = r.oEsize();
    s.Scheme = m_colorPage->Scheme().toStdString();
    s.CustomColors = m_colorPage->CustomTable();
    s.PositionFont = g.PositionFont;
    s.OutlinedP = r.oOutlinedP();
    s.ShowLabelP = cbShowLabelP->isChecked();
    s.PrintLabelP = cbPrintLabelP->isChecked();
    s.LabelOffset = r.oLsize();
    s.TransitionFont = g.TransitionFont;
    s.OutlinedT = r.oOutlinedT();
    s.ShowLabelT = cbShowLabelT->isChecked();
    s.PrintLabelT = cbPrintLabelT->isChecked();
    s.ShowPathMarker = cbShowPathMarker->isChecked();
    s.MarkerWidth = emWidth->Value();
    s.MarkerHeight = emHeight->Value();
    s.OutlinedA = r.oOutlinedA();
    s.ExitConf = cbExitConf->isChecked();
    s.OverrideConf = cbOverrideConf->isChecked();
    s.SaveConf = cbSaveConf->isChecked();
    s.AskForStopSimulation = cbAskForStopSimulation->isChecked();
    s.DeleteObjConf = cbDeleteObjConf->isChecked();
    s.Matrices = m_matrices;
    return s;
}

void TOptions::ApplySettings(const TOptionSet &s)
{
    const auto text = [](const std::string &t) { return QString::fromStdString(t); };
    cbEditorFiles->setChecked(s.EditorFiles);
    cbDesktop->setChecked(s.Desktop);
    cbAutosaveRegistry->setChecked(s.AutosaveRegistry);
    eEditedFiles->setChecked(s.EditedFiles);
    eAutoSaveInt->SetValue(s.AutoSaveInterval);
    cbRegistry->setChecked(s.HistoryInRegistry);
    cbDesctopFile->setChecked(s.HistoryInDesktopFile);
    seHistoryDepth->setValue(s.HistoryDepth);
    eVGNDir->setText(text(s.VGNDir));
    eTKNDir->setText(text(s.TKNDir));
    cbLazy->setChecked(s.Lazy);
    cbShow->setChecked(s.ShowHints);
    ePgWidth->SetValue(s.PageWidth);
    ePgHeight->SetValue(s.PageHeight);
    (s.Landscape ? rbLandscape : rbPortrete)->setChecked(true);
    cbSame->setChecked(s.SameAsPrintArea);
    cbShowGrid->setChecked(s.ShowGrid);
    cbSnapToGrid->setChecked(s.SnapToGrid);
    exGrid->SetValue(s.GridX);
    eyGrid->SetValue(s.GridY);
    eEditBar->SetValue(s.EditBar);
    m_colorPage->SetScheme(text(s.Scheme), s.CustomColors);
    Globals().PositionFont = s.PositionFont;
    cbOutlinedP->setChecked(s.OutlinedP);
    cbShowLabelP->setChecked(s.ShowLabelP);
    cbPrintLabelP->setChecked(s.PrintLabelP);
    eyOffset->SetValue(s.LabelOffset);
    eyOffsetT->SetValue(s.LabelOffset);
    Globals().TransitionFont = s.TransitionFont;
    cbOutlinedT->setChecked(s.OutlinedT);
    cbShowLabelT->setChecked(s.ShowLabelT);
    cbPrintLabelT->setChecked(s.PrintLabelT);
    cbShowPathMarker->setChecked(s.ShowPathMarker);
    emWidth->SetValue(s.MarkerWidth);
    emHeight->SetValue(s.MarkerHeight);
    cbOutlinedA->setChecked(s.OutlinedA);
    cbExitConf->setChecked(s.ExitConf);
    cbOverrideConf->setChecked(s.OverrideConf);
    cbSaveConf->setChecked(s.SaveConf);
    cbAskForStopSimulation->setChecked(s.AskForStopSimulation);
    cbDeleteObjConf->setChecked(s.DeleteObjConf);
    m_matrices = s.Matrices;
    Apply();
}

void TOptions::cbPageSizeChange(int entry)
{
    const TPageExtent e
        = PageSizeUnits(entry, rbLandscape->isChecked(), { ePgWidth->Value(), ePgHeight->Value() });
    if (e.Width <= 0 || e.Height <= 0)
        return;
    m_record->SetoxPageSize(e.Width);
    m_record->SetoyPageSize(e.Height);
}

void TOptions::OrientationClicked()
{
    // The two edits lie the chosen way round, and so does the list's page.
    const std::int32_t w = ePgWidth->Value(), h = ePgHeight->Value();
    if ((w > h) != rbLandscape->isChecked() && w != h) {
        ePgWidth->SetValue(h);
        ePgHeight->SetValue(w);
    }
    cbPageSizeChange(cbPageSize->currentIndex());
}

void TOptions::bFontClick(bool transitions)
{
    TFontSpec &labelFont = transitions ? Globals().TransitionFont : Globals().PositionFont;
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(
        &ok, QFont(QString::fromStdString(labelFont.Name), labelFont.Size), this);
    if (ok)
        labelFont = { chosen.family().toStdString(), std::int32_t(chosen.pointSize()) };
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

void TOptions::bLoadClick()
{
    QFileDialog dialog(this, "Load Configuration file", {},
        "Object configuraion files (*.cfg);;Text configuration files (*.ini)");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        LoadFile(dialog.selectedFiles().first());
}

void TOptions::bSaveAsClick()
{
    QFileDialog dialog(this, "Save Configuration file", {},
        "Object configuraion files (*.cfg);;Text configuraion files (*.ini)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("cfg");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveFile(dialog.selectedFiles().first());
}

void TOptions::LoadFile(const QString &path)
{
    std::vector<std::string> problems;
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string text;
    if (in) {
        text.resize(std::size_t(kLargestSettingsFile) + 1);
        in.read(text.data(), kLargestSettingsFile + 1);
        text.resize(std::size_t(in.gcount()));
    }
    if (!in && !in.eof())
        problems.push_back("Cannot read the options file " + path.toStdString());
    else if (std::streamsize(text.size()) > kLargestSettingsFile)
        problems.push_back("Not an options file: " + path.toStdString());
    if (problems.empty()) {
        TOptionSet options = Settings();
        ReadOptionFile(text, options, problems);
        ApplySettings(options);
        LoadCurrent();
    }
    ReportProblems(problems);
}

bool TOptions::SaveFile(const QString &path)
{
    const TWriteResult written
        = WriteFileAtomically(path.toStdString(), WriteOptionFile(Settings()));
    if (!written)
        QMessageBox::critical(this, "Morvane", QString::fromStdString(written.Reason));
    return bool(written);
}

void TOptions::ReportProblems(const std::vector<std::string> &problems)
{
    TGN *gn = Program().GN;
    if (!gn || problems.empty())
        return;
    for (const std::string &line : problems)
        gn->Messages().Add(line);
    gn->ShowMessagePanel();
}

} // namespace morvane
