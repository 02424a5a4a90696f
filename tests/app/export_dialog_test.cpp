// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/error_message.h"
#include "dialogs/export_options.h"
#include "dialogs/options_dialog.h"
#include "editor/net_window.h"
#include "editor/program.h"

#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <pugixml.hpp>

namespace morvane::test {
namespace {

class ExportDialogTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        net = OpenSampleNet();
        ASSERT_NE(net, nullptr);
        dialog = Program().ExportOptions;
        dialog->NetWindow = net;
        dialog->FileName = net->FileName();
        dialog->ChooseFile
            = [this](const QString &suggested, const QString &, const QString &filter) {
                  suggestions << QFileInfo(suggested).fileName();
                  filters << filter;
                  return next;
              };
    }

    // Picks the pages, then clicks "Export" as the user does.
    void Export(int page, int format, const QString &file)
    {
        dialog->pcPages->setCurrentIndex(page);
        (page == 0 ? dialog->pcGraphic : dialog->pcFormal)->setCurrentIndex(format);
        next = file.isEmpty() ? QString() : Path(file);
        QTest::mouseClick(dialog->bExport, Qt::LeftButton);
    }

    TNet *net = nullptr;
    TExportOptions *dialog = nullptr;
    QString next;
    QStringList suggestions, filters;
};

QString RunTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

TEST_F(ExportDialogTest, EveryFormatWritesItsFile)
{
    struct Case
    {
        int page, format;
        const char *file;
        const char *contains;
    };
    const Case cases[] = {
        { 0, 3, "scheme.tex", "\\begin{picture}" },
        { 1, 0, "formal.txt", "Z1 = ⟨{L1}, {L2}⟩\r\nr1 =    | L2\r\n" },
        { 1, 1, "formal.tex", "\\langle" },
        { 0, 2, "net.svg", "<text" },
        { 0, 4, "net.pnml", "<place" },
    };
    for (const Case &c : cases) {
        Export(c.page, c.format, c.file);
        EXPECT_TRUE(ReadAll(Path(c.file)).contains(c.contains)) << c.file;
    }
    // The name comes from the rule used before; a second PNML export names its own kind.
    Export(0, 4, "");
    EXPECT_EQ(suggestions.last(), "sample.pnml");
    EXPECT_EQ(filters.last(), "PNML net (*.pnml)");
    EXPECT_EQ(QProcess::execute("xmllint",
                  { "--noout", "--relaxng", MORVANE_TEST_DATA "/pnml/grammar/ptnet.pntd",
                      Path("net.pnml") }),
        0);
    // Default predicates are named by the program's mask.
    Program().Options->SetMatrixSettings({ "p#{iI}#{oI}", "T", "F" });
    AnswerModal([this](QWidget *) {
        Export(1, 0, "masked.txt");
        dialog->reject();
    });
    Trigger("miExport");
    EXPECT_TRUE(ReadAll(Path("masked.txt")).contains("L1 | p12"));

    // The SVG has one circle per position, the first where the bitmap has it.
    const QByteArray bytes = ReadAll(Path("net.svg"));
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_buffer(bytes.constData(), std::size_t(bytes.size())));
    const auto circles = svg.select_nodes("//circle");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_STREQ(circles.first().node().attribute("cx").value(), "15.5");

    Export(0, 0, "net.bmp");
    const QImage bmp(Path("net.bmp"));
    ASSERT_FALSE(bmp.isNull());
    Export(0, 1, "net.jpg");
    EXPECT_EQ(QImage(Path("net.jpg")).size(), bmp.size());

    // The PDF holds the labels as text and rasterises to the bitmap's size.
    dialog->rbPdf->setChecked(true);
    Export(0, 2, "net.pdf");
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = RunTool("pdftotext", { Path("net.pdf"), "-" });
    for (const char *label : { "L", "Z" })
        EXPECT_TRUE(text.contains(label)) << text.toStdString();
    RunTool("pdftoppm", { "-r", "96", "-png", "-singlefile", Path("net.pdf"), Path("raster") });
    const QImage raster(Path("raster.png"));
    EXPECT_LE(std::abs(raster.width() - bmp.width()), 1);
    EXPECT_LE(std::abs(raster.height() - bmp.height()), 1);
}

TEST_F(ExportDialogTest, ScaleAndMarginsShapeThePictureAndTheZoomStays)
{
    const std::int32_t unit = net->Net().xBaseUnit();
    Export(0, 0, "at8.bmp");
    const QImage at8(Path("at8.bmp"));
    dialog->seScale->setValue(16);
    Export(0, 0, "at16.bmp");
    const QImage at16(Path("at16.bmp"));
    EXPECT_EQ(at16.width() - 1, 2 * (at8.width() - 1));
    EXPECT_EQ(net->Net().xBaseUnit(), unit);

    dialog->seScale->setValue(8);
    dialog->eUseForAll->setText("10");
    QTest::mouseClick(dialog->findChild<QPushButton *>("bUseForAll"), Qt::LeftButton);
    Export(0, 0, "margins.bmp");
    EXPECT_EQ(QImage(Path("margins.bmp")).size(), at8.size() + QSize(20, 20));
}

// A wrong number is shown and nothing changes: no file, the dialog stays open, the zoom stays.
TEST_F(ExportDialogTest, WrongNumbersAreShownBeforeAnythingIsWritten)
{
    const std::pair<QLineEdit *, int> wrong[] = { { dialog->eRight, 0 },
        { dialog->eBmpThickness, 0 }, { dialog->eFontSize, 3 }, { dialog->eUnitSize, 3 } };
    for (const auto &[edit, format] : wrong) {
        const QString kept = edit->text();
        edit->setText("1x");
        QString shown;
        AnswerModal([&shown](QWidget *modal) {
            shown = Program().ErrorMessage->ErrorLine();
            static_cast<QDialog *>(modal)->accept();
        });
        Export(0, format, "never.out");
        EXPECT_TRUE(shown.contains("'1x'")) << shown.toStdString();
        EXPECT_FALSE(QFile::exists(Path("never.out")));
        EXPECT_TRUE(suggestions.isEmpty());
        edit->setText(kept);
    }
}

TEST_F(ExportDialogTest, SuggestedNamesFollowTheRuleLastUsed)
{
    net->SetFileName({}); // a new net: the rules' default names
    dialog->FileName.clear();
    Export(0, 0, {}); // cancelled: nothing written
    Export(0, 1, {});
    Export(1, 0, {});
    EXPECT_EQ(suggestions, QStringList({ "NoNameT.TeX", "NoNameB.BMP", "NoNameT.txt" }));
    EXPECT_EQ(filters.value(0), "Windows or OS/2  bitmap (*.bmp)");
}

} // namespace
} // namespace morvane::test
