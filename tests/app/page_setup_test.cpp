// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/page_setup.h"
#include "editor/net_window.h"
#include "editor/program.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

namespace morvane::test {
namespace {

// The middle of the dark pixels of a sheet, as fractions of its width and height.
QPointF InkMiddle(const QImage &sheet)
{
    int left = sheet.width(), top = sheet.height(), right = -1, bottom = -1;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qGray(sheet.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return { (left + right + 1) / 2.0 / sheet.width(), (top + bottom + 1) / 2.0 / sheet.height() };
}

class PageSetupTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        net = OpenSampleNet();
        ASSERT_NE(net, nullptr);
        dialog = Program().PageSetup;
        dialog->ChoosePrinter = [this](QPrinter &printer, int count) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Path("print.pdf"));
            printer.setPrintRange(range.isNull() ? QPrinter::AllPages : QPrinter::PageRange);
            printer.setFromTo(range.x(), range.y());
            sheets = count;
            return true;
        };
    }
    // The sheets of the printed PDF, and its first sheet rasterised.
    int Printed(QImage &sheet)
    {
        QProcess info;
        info.start("pdfinfo", { Path("print.pdf") });
        info.waitForFinished(60000);
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QProcess raster;
        raster.start("pdftoppm",
            { "-r", "72", "-gray", "-png", "-singlefile", Path("print.pdf"), Path("sheet") });
        raster.waitForFinished(60000);
        sheet = QImage(Path("sheet.png"));
        const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(text);
        return pages.hasMatch() ? pages.captured(1).toInt() : 0;
    }

    TNet *net = nullptr;
    TPageSetup *dialog = nullptr;
    QPoint range; // first and last sheet, none for all
    int sheets = 0;
};

TEST_F(PageSetupTest, OpensForTheActiveNetOnlyWithTheSheetAtZoomEleven)
{
    EXPECT_FALSE(dialog->ShowFor(nullptr));
    EXPECT_FALSE(dialog->isVisible());

    bool shown = false;
    AnswerModal([&](QWidget *modal) {
        shown = modal == dialog;
        EXPECT_EQ(dialog->bToggle->text(), "Hide Page &Setup");
        EXPECT_EQ(dialog->PageBitmap.size(), QSize(288, 408));
        EXPECT_EQ(dialog->HorzScrollRange(), 320);
        EXPECT_EQ(dialog->VertScrollRange(), 440);
        const TPoint topLeft = net->Net().TopLeftCorner();
        EXPECT_EQ(dialog->eWidth->text().toInt(), net->Net().BottomRightCorner().x - topLeft.x);
        // Another printer's paper: new physical sizes, and the sheet turned A3 landscape.
        const QString width = dialog->stPhysical[0]->text();
        EXPECT_TRUE(width.startsWith("Width : "));
        dialog->SetUpPrinter = [](QPrinter &printer) {
            printer.setPageSize(QPageSize(QPageSize::A3));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
        QTest::mouseClick(dialog->bPrinter, Qt::LeftButton);
        EXPECT_NE(dialog->stPhysical[0]->text(), width);
        EXPECT_EQ(dialog->PageBitmap.size(), QSize(577, 408));
        // The toggle hides and shows the side panel; the position's "&Custom" opens its edits.
        QTest::mouseClick(dialog->bToggle, Qt::LeftButton);
        EXPECT_EQ(dialog->bToggle->text(), "View Page &Setup");
        EXPECT_FALSE(dialog->pPageSetup->isVisible());
        QTest::mouseClick(dialog->bToggle, Qt::LeftButton);
        EXPECT_TRUE(dialog->pPageSetup->isVisible());
        EXPECT_FALSE(dialog->eLeft->isEnabled());
        dialog->rbCustomPos->click();
        EXPECT_TRUE(dialog->eLeft->isEnabled());
        dialog->rbAnchors[0]->click();
        EXPECT_FALSE(dialog->eLeft->isEnabled());

        // Right releases on the sheet zoom out down to 1, a left release zooms in again.
        for (int i = 0; i < 12; ++i)
            QTest::mouseRelease(dialog->Image, Qt::RightButton);
        EXPECT_EQ(dialog->xZoom(), 1);
        EXPECT_EQ(dialog->PageBitmap.size(), QSize(52, 37));
        QTest::mouseRelease(dialog->Image, Qt::LeftButton);
        EXPECT_EQ(dialog->yZoom(), 2);
        QTest::mouseClick(dialog->bClose, Qt::LeftButton);
    });
    Trigger("tbPrintPreview");
    EXPECT_TRUE(shown);
}

TEST_F(PageSetupTest, ThePrintLiesWhereThePreviewShowsItOnAsManySheetsAsItNeeds)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    dialog->NetWindow = net;
    dialog->InitPage();
    dialog->rbAnchors[5]->click(); // (Right,Center)
    dialog->eScale->setText("24");
    const QPointF preview = InkMiddle(dialog->PageBitmap);
    QTest::mouseClick(dialog->bPrint, Qt::LeftButton);
    QImage sheet;
    ASSERT_EQ(Printed(sheet), 1);
    const QPointF printed = InkMiddle(sheet);
    EXPECT_NEAR(printed.x(), preview.x(), 0.03);
    EXPECT_NEAR(printed.y(), preview.y(), 0.03);
    EXPECT_GT(printed.x(), 0.6) << "against the right edge";

    // The File menu prints with the same layout; at 64:8 the sample needs two sheets, and only
    // the second is asked for.
    dialog->rbAnchors[0]->click();
    dialog->eScale->setText("64");
    range = { 2, 2 };
    Trigger("miPrint");
    EXPECT_EQ(sheets, 2);
    ASSERT_EQ(Printed(sheet), 1);
    EXPECT_LT(InkMiddle(sheet).x(), 0.2) << "the net's right end, at the sheet's left";
}

} // namespace
} // namespace morvane::test
