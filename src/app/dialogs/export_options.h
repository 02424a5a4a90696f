// SPDX-License-Identifier: MIT
#pragma once

#include "export/formal_components.h"
#include "export/generate_name.h"
#include "format/write_result.h"

#include <QDialog>
#include <QFileDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace morvane {

class TNet;

// The dialog behind "Export...": the active net as a picture (bitmap, JPEG, SVG or PDF, or a
// LaTeX picture), as a PNML P/T net for other net tools, or as its formal description (plain
// text or LaTeX), into a file chosen with a save dialog. Every number is checked before anything is
// drawn or written.
class TExportOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TExportOptions(QWidget *parent = nullptr);

    // Shows the dialog modally for the net window; true when it closed with OK.
    bool ShowFor(TNet *netWindow);
    // The "Export" button: checks the numbers, asks for the file, writes it. True when the click
    // ran to its end (written, or the save dialog cancelled); false when a number was wrong or
    // the file could not be written, which was shown to the user.
    bool ExportClick();
    void NameCreationClick();
    void UseForAllClick();

    // Asks for the output file: the suggested path, the filters and the one to select; answers
    // the chosen path, empty when cancelled. A save dialog unless a test replaces it.
    std::function<QString(const QString &suggested, const QString &filters, const QString &filter)>
        ChooseFile;

    // One file-name rule per page of the graphic structure, in the order BMP, JPG, WMF, TeX, PNML.
    std::array<TGenerateName, 5> Generators;
    TGenerateName *CurrentGenerator = nullptr;
    TNet *NetWindow = nullptr;
    QString FileName;
    std::int32_t ExtentLeft = 0, ExtentTop = 0, ExtentRight = 0, ExtentBottom = 0;
    std::int32_t ExtentWidth = 0, ExtentHeight = 0;
    std::int32_t MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;

    QTabWidget *pcPages = nullptr; // "&Graphic structure", "&Formal description"
    QTabWidget *pcGraphic = nullptr; // BMP, JPEG, WMF, LaTeX, PNML
    QTabWidget *pcFormal = nullptr; // TXT, LaTeX
    QComboBox *cbBmpColors = nullptr;
    QLineEdit *eBmpThickness = nullptr;
    QComboBox *cbJpegColors = nullptr;
    QLineEdit *eJpegThickness = nullptr;
    QSpinBox *seCompression = nullptr;
    QRadioButton *rbSvg = nullptr;
    QRadioButton *rbPdf = nullptr;
    QLineEdit *eUnitSize = nullptr;
    QLineEdit *eFontSize = nullptr;
    QLineEdit *eLaTeXThickness = nullptr;
    QCheckBox *cbTriangle = nullptr;
    QLineEdit *eLeft = nullptr;
    QLineEdit *eTop = nullptr;
    QLineEdit *eRight = nullptr;
    QLineEdit *eBottom = nullptr;
    QLineEdit *eUseForAll = nullptr;
    QSpinBox *seMul = nullptr;
    QSpinBox *seDiv = nullptr;
    QSpinBox *seScale = nullptr;
    QPushButton *bExport = nullptr;
    // How predicates without a stored name are named and how constants read; kept by the caller.
    TMatrixSettings MatrixSettings;

private:
    QWidget *MakeGraphicPage();
    QWidget *MakeSidePanel(QWidget *parent);
    QWidget *MakeFormalPage();
    void ChooseVectorFormat();
    // The generator of the active graphic format page.
    TGenerateName &PageGenerator();
    // Reads the edits as the export needs them; shows the first wrong one and answers false.
    bool ReadNumbers();
    bool Write(const QString &path);
    bool WriteGraphic(const std::string &path);
    bool Report(const TWriteResult &result);

    // The formal description's settings: the checked component boxes and MatrixSettings.
    TFormalSettings FormalSettings() const;

    TGenerateName m_textGenerator { 0, "", "txt", "NoNameT" };
    std::vector<std::pair<QCheckBox *, std::int32_t>> m_componentBoxes;
    std::int32_t m_penWidth = 1;
    std::int32_t m_fontSize = 12;
};

} // namespace morvane
