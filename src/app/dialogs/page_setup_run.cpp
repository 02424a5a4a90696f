// SPDX-License-Identifier: MIT
// What the page setup dialog does: the preview, its zoom, the printer and printing.
#include "dialogs/error_message.h"
#include "dialogs/options_dialog.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "page_setup.h"
#include "render/net_print.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace morvane {

namespace {

TPrintLook Look()
{
    TPrintLook look;
    if (Program().Options) {
        const TOptionSet settings = Program().Options->Settings();
        look.PositionLabels = settings.PrintLabelP;
        look.TransitionLabels = settings.PrintLabelT;
    }
    return look;
}

std::int32_t Number(const QLineEdit *edit)
{
    return edit->text().toInt();
}

} // namespace

bool TPageSetup::ShowFor(TNet *netWindow)
{
    if (!netWindow)
        return false;
    NetWindow = netWindow;
    pPageSetup->show();
    bToggle->setText("Hide Page &Setup");
    InitPage();
    return exec() == QDialog::Accepted;
}

void TPageSetup::InitPage()
{
    ReadPrinter();
    eScale->setText("8");
    const TDrawingObjects &net = NetWindow->Net();
    const TPoint topLeft = net.TopLeftCorner(), bottomRight = net.BottomRightCorner();
    SetExtentTopLeft(topLeft.x, topLeft.y);
    SetExtentBottomRight(bottomRight.x, bottomRight.y);
    eWidth->setText(QString::number(ExtentWidth));
    eHeight->setText(QString::number(ExtentHeight));
    PageWidthMM = 210;
    PageHeightMM = 297;
    SetxZoom(m_xZoom);
    SetyZoom(m_yZoom);
    PaintPreview();
}

void TPageSetup::SetExtentTopLeft(std::int32_t left, std::int32_t top)
{
    ExtentLeft = left;
    ExtentTop = top;
    ExtentWidth = ExtentRight - ExtentLeft;
    ExtentHeight = ExtentBottom - ExtentTop;
}

void TPageSetup::SetExtentBottomRight(std::int32_t right, std::int32_t bottom)
{
    ExtentRight = right;
    ExtentBottom = bottom;
    ExtentWidth = ExtentRight - ExtentLeft;
    ExtentHeight = ExtentBottom - ExtentTop;
}

void TPageSetup::ReadPrinter()
{
    const QRect page = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    const QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    PhysWidth = page.width();
    PhysHeight = page.height();
    PhysXMargin = page.left() - paper.left();
    PhysYMargin = page.top() - paper.top();
    stPhysical[0]->setText("Width : " + QString::number(PhysWidth));
    stPhysical[1]->setText("Height : " + QString::number(PhysHeight));
    stPhysical[2]->setText("X Margin : " + QString::number(PhysXMargin));
    stPhysical[3]->setText("Y Margin : " + QString::number(PhysYMargin));
}

int TPageSetup::SheetWidthMM() const
{
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? PageHeightMM
                                                                           : PageWidthMM;
}

int TPageSetup::SheetHeightMM() const
{
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? PageWidthMM
                                                                           : PageHeightMM;
}

void TPageSetup::SetxZoom(int zoom)
{
    m_xZoom = zoom;
    const int width = (SheetWidthMM() * zoom) >> 3;
    PageBitmap = QImage(width, PageBitmap.isNull() ? 1 : PageBitmap.height(), QImage::Format_RGB32);
    m_sheet->setFixedWidth(width + 32);
}

void TPageSetup::SetyZoom(int zoom)
{
    m_yZoom = zoom;
    const int height = (SheetHeightMM() * zoom) >> 3;
    PageBitmap = QImage(std::max(PageBitmap.width(), 1), height, QImage::Format_RGB32);
    m_sheet->setFixedHeight(height + 32);
}

int TPageSetup::HorzScrollRange() const
{
    return m_sheet->width();
}

int TPageSetup::VertScrollRange() const
{
    return m_sheet->height();
}

TPrintSetup TPageSetup::Setup() const
{
    return SetupFor(NetWindow);
}

TPrintSetup TPageSetup::SetupFor(TNet *netWindow) const
{
    TPrintSetup s;
    s.PaperWidth = PageWidthMM;
    s.PaperHeight = PageHeightMM;
    s.Landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    s.MarginLeft = Number(eMarginLeft);
    s.MarginTop = Number(eMarginTop);
    s.MarginRight = Number(eMarginRight);
    s.MarginBottom = Number(eMarginBottom);
    for (std::size_t i = 0; i < rbAnchors.size(); ++i)
        if (rbAnchors[i]->isChecked())
            s.Anchor = TPrintAnchor(i);
    if (rbCustomPos->isChecked()) {
        s.Anchor = TPrintAnchor::Custom;
        s.CustomLeft = Number(eLeft);
        s.CustomTop = Number(eTop);
    }
    s.Scale = Number(eScale);
    if (rbFullPage->isChecked())
        s.Sizing = TPrintSizing::FullPage;
    if (rbCustomSize->isChecked()) {
        s.Sizing = TPrintSizing::Custom;
        s.CustomWidth = Number(eWidth);
        s.CustomHeight = Number(eHeight);
        s.KeepAspect = cbAspect->isChecked();
        if (netWindow)
            s.CustomStep = netWindow->Net().xBaseUnit();
    }
    return s;
}

void TPageSetup::PaintPreview()
{
    PageBitmap.fill(palette().color(QPalette::Window));
    if (NetWindow && Program().Options) {
        const double perMmX = m_xZoom / 8.0, perMmY = m_yZoom / 8.0;
        const TPrintLayout layout = DrawPrintSheet(NetWindow->Net(), Program().Options->Record(),
            Setup(), Look(), PageBitmap, perMmX, perMmY);
        if (!layout.Pages.empty()) {
            // The picture's bounds on the first sheet.
            const TPrintPage &page = layout.Pages.front();
            QPainter p(&PageBitmap);
            p.setPen(QPen(Qt::black, 0, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(page.OriginX * perMmX, page.OriginY * perMmY,
                layout.Picture.Width * perMmX, layout.Picture.Height * perMmY));
        }
    }
    Image->setPixmap(QPixmap::fromImage(PageBitmap));
}

void TPageSetup::ZoomInClick()
{
    SetxZoom(m_xZoom + 1);
    SetyZoom(m_yZoom + 1);
    PaintPreview();
}

void TPageSetup::ZoomOutClick()
{
    if (m_xZoom < 2 || m_yZoom < 2)
        return;
    SetxZoom(m_xZoom - 1);
    SetyZoom(m_yZoom - 1);
    PaintPreview();
}

bool TPageSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image && event->type() == QEvent::MouseButtonRelease) {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        if (button == Qt::LeftButton)
            ZoomInClick();
        else if (button == Qt::RightButton)
            ZoomOutClick();
    }
    return QDialog::eventFilter(watched, event);
}

void TPageSetup::ToggleClick()
{
    if (bToggle->text().startsWith('H')) {
        bToggle->setText("View Page &Setup");
        pPageSetup->hide();
    } else {
        bToggle->setText("Hide Page &Setup");
        pPageSetup->show();
    }
}

void TPageSetup::PrinterClick()
{
    const bool confirmed = SetUpPrinter
        ? SetUpPrinter(*m_printer)
        : QPageSetupDialog(m_printer.get(), this).exec() == QDialog::Accepted;
    if (!confirmed)
        return;
    ReadPrinter();
    // The sheet takes the printer's paper, upright; it may also have turned.
    const QSizeF paper = m_printer->pageLayout().pageSize().size(QPageSize::Millimeter);
    PageWidthMM = int(std::lround(std::min(paper.width(), paper.height())));
    PageHeightMM = int(std::lround(std::max(paper.width(), paper.height())));
    SetxZoom(m_xZoom);
    SetyZoom(m_yZoom);
    PaintPreview();
}

void TPageSetup::CustomClick()
{
    const bool custom = rbCustomPos->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *> { lLeft, eLeft, lTop, eTop })
        w->setEnabled(custom);
}

bool TPageSetup::RunPrintDialog(int sheets)
{
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(sheets, 1));
    return dialog.exec() == QDialog::Accepted;
}

std::string TPageSetup::PrintClick()
{
    return Print(NetWindow);
}

std::string TPageSetup::PrintNetWindow(TNet *netWindow)
{
    return Print(netWindow);
}

std::string TPageSetup::Print(TNet *netWindow)
{
    if (!netWindow || !Program().Options)
        return {};
    const TPrintSetup setup = SetupFor(netWindow);
    TRealOptions &options = Program().Options->Record();
    const TPrintLayout layout = LayOutNetPrint(netWindow->Net(), options, setup);
    std::string error = layout.Error;
    if (error.empty()) {
        m_printer->setFromTo(0, 0);
        const int sheets = int(layout.Pages.size());
        if (!(ChoosePrinter ? ChoosePrinter(*m_printer, sheets) : RunPrintDialog(sheets)))
            return {};
        const bool range = m_printer->printRange() == QPrinter::PageRange;
        error = PrintNet(netWindow->Net(), options, setup, Look(), *m_printer,
            range ? m_printer->fromPage() : 0, range ? m_printer->toPage() : 0);
    }
    if (!error.empty())
        Program().ErrorMessage->ShowError(
            "Cannot print the net", QString::fromStdString(error) + ".", nullptr);
    return error;
}

} // namespace morvane
