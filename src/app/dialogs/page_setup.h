// SPDX-License-Identifier: MIT
#pragma once

#include "print/print_layout.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace morvane {

class TNet;

// The page setup and preview dialog: a sheet of the page size at a preview zoom with the net
// drawn on it where it will print, the layout controls (place on the page, size and scale,
// margins in millimetres), the current printer's page size, and printing.
class TPageSetup : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(int xZoom READ xZoom WRITE SetxZoom)
    Q_PROPERTY(int yZoom READ yZoom WRITE SetyZoom)
public:
    explicit TPageSetup(QWidget *parent = nullptr);
    ~TPageSetup() override;

    // Shows the dialog modally for the net window; false at once without one, else whether it
    // closed with OK.
    bool ShowFor(TNet *netWindow);
    void InitPage();
    // The current printer's printable size and unprintable left and top edges, in device
    // pixels, into the four texts of "Physical page size".
    void ReadPrinter();
    // The sheet drawn anew: the net where it prints on the first sheet, its extent dotted.
    void PaintPreview();

    // Preview zoom in eighths: the sheet is its millimetres x zoom / 8 pixels.
    int xZoom() const { return m_xZoom; }
    int yZoom() const { return m_yZoom; }
    void SetxZoom(int zoom);
    void SetyZoom(int zoom);
    // The preview's scroll ranges: the sheet plus 32 pixels.
    int HorzScrollRange() const;
    int VertScrollRange() const;

    void ZoomInClick();
    void ZoomOutClick();
    void PrinterClick();
    void ToggleClick();
    void CustomClick();
    // "&Print...": the print dialog for the net window shown, then the print. Answers an error
    // text (shown to the user), empty when printed or cancelled.
    std::string PrintClick();
    // The main window's "&Print...": the same for a net window, with the layout as last set.
    std::string PrintNetWindow(TNet *netWindow);

    // The layout the controls give.
    TPrintSetup Setup() const;
    QPrinter &Printer() { return *m_printer; }

    // Asks for the printer, the sheets and whether to print to a file; true to print. The print
    // dialog unless a test replaces it.
    std::function<bool(QPrinter &printer, int sheets)> ChoosePrinter;
    // The printer setup dialog behind "P&rinter..."; true when confirmed.
    std::function<bool(QPrinter &printer)> SetUpPrinter;

    void SetExtentTopLeft(std::int32_t left, std::int32_t top);
    void SetExtentBottomRight(std::int32_t right, std::int32_t bottom);

    TNet *NetWindow = nullptr;
    QImage PageBitmap;
    std::int32_t PageWidthMM = 210, PageHeightMM = 297;
    std::int32_t PhysWidth = 0, PhysHeight = 0, PhysXMargin = 0, PhysYMargin = 0;
    std::int32_t ExtentLeft = 0, ExtentTop = 0, ExtentRight = 0, ExtentBottom = 0;
    std::int32_t ExtentWidth = 0, ExtentHeight = 0;

    QWidget *pTools = nullptr;
    QPushButton *bZoomIn = nullptr;
    QPushButton *bZoomOut = nullptr;
    QPushButton *bPrinter = nullptr;
    QPushButton *bPrint = nullptr;
    QPushButton *bToggle = nullptr;
    QPushButton *bClose = nullptr;
    QScrollArea *sbPreview = nullptr;
    QLabel *Image = nullptr;
    QWidget *pPageSetup = nullptr;
    QLabel *iPage = nullptr;
    // In the order LeftTop, CenterTop, RightTop, LeftCenter, ... RightBottom.
    std::array<QRadioButton *, 9> rbAnchors {};
    QRadioButton *rbCustomPos = nullptr;
    QLabel *lLeft = nullptr;
    QLabel *lTop = nullptr;
    QLineEdit *eLeft = nullptr;
    QLineEdit *eTop = nullptr;
    QRadioButton *rbCustomSize = nullptr;
    QLineEdit *eWidth = nullptr;
    QLineEdit *eHeight = nullptr;
    QCheckBox *cbAspect = nullptr;
    QRadioButton *rbFullPage = nullptr;
    QRadioButton *rbScale = nullptr;
    QLineEdit *eScale = nullptr;
    QGroupBox *gbMargins = nullptr;
    QLineEdit *eMarginLeft = nullptr;
    QLineEdit *eMarginTop = nullptr;
    QLineEdit *eMarginRight = nullptr;
    QLineEdit *eMarginBottom = nullptr;
    std::array<QLabel *, 4> stPhysical {}; // width, height, x margin, y margin

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *MakeTools();
    QWidget *MakePositionGroup();
    QWidget *MakeSizeGroup();
    QWidget *MakeMarginsGroup();
    QWidget *MakePhysicalGroup();
    QPixmap PageIcon() const;
    // The sheet as it lies: the page turned for a landscape printer.
    int SheetWidthMM() const;
    int SheetHeightMM() const;
    // A custom size is read in the pixels of the net window's zoom.
    TPrintSetup SetupFor(TNet *netWindow) const;
    std::string Print(TNet *netWindow);
    bool RunPrintDialog(int sheets);

    std::unique_ptr<QPrinter> m_printer;
    QWidget *m_sheet = nullptr; // the preview's scrolled area
    int m_xZoom = 0, m_yZoom = 0;
};

} // namespace morvane
