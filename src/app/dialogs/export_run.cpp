// SPDX-License-Identifier: MIT
// What the export options dialog does: the numbers checked first, the file chosen, the export
// run at the export scale; the net window's own zoom is never touched.
#include "dialogs/error_message.h"
#include "dialogs/name_generator.h"
#include "dialogs/options_dialog.h"
#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "export_options.h"
#include "pnml/pnml_export.h"
#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/net_picture.h"
#include "render/picture_limits.h"
#include "render/vector_picture.h"

#include "export/export_zoom.h"
#include "export/formal_text.h"
#include "export/latex_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>

namespace morvane {

namespace {

enum TGraphicPage { gpBmp, gpJpeg, gpVector, gpLaTeX, gpPnml };
enum TFormalPage { fpText, fpLaTeX };

const QString kFilters = "Windows or OS/2  bitmap (*.bmp);;JPEG image (*.jpg);;"
                         "Windows meta file (*.wmf);;LaTeX (*.tex);;Enhanced meta file (*.emf);;"
                         "All (*.*);;SVG picture (*.svg);;PDF document (*.pdf);;Text (*.txt);;"
                         "PNML net (*.pnml)";

QString FilterAt(int index)
{
    return kFilters.split(";;").value(index);
}

const int kBmpDepths[] = { 1, 4, 8, 15, 16, 24 };

TRealOptions &Options()
{
    return Program().Options->Record();
}

} // namespace

bool TExportOptions::ShowFor(TNet *netWindow)
{
    NetWindow = netWindow;
    if (NetWindow)
        FileName = NetWindow->FileName();
    return exec() == QDialog::Accepted;
}

TGenerateName &TExportOptions::PageGenerator()
{
    return Generators[std::size_t(std::clamp(pcGraphic->currentIndex(), 0, int(gpPnml)))];
}

void TExportOptions::NameCreationClick()
{
    CurrentGenerator = &PageGenerator();
    TNameGenerator *dialog = Program().NameGenerator;
    dialog->eExtention->setText(QString::fromStdString(CurrentGenerator->Extension));
    if (!dialog->Execute(0))
        return;
    CurrentGenerator->AddToName = dialog->eAddToName->text().toStdString();
    CurrentGenerator->Cut = dialog->seSubCount->value();
    CurrentGenerator->Extension = dialog->eExtention->text().toStdString();
}

bool TExportOptions::ReadNumbers()
{
    const auto fail = [](QLineEdit *edit, const QString &what) {
        Program().ErrorMessage->ShowError(
            "'" + edit->text() + "' is not a valid integer value", what, edit);
        return false;
    };
    const auto integer = [](QLineEdit *edit, int low, int high, std::int32_t &value) {
        bool ok = false;
        const int read = edit->text().trimmed().toInt(&ok);
        if (!ok || read < low || read > high)
            return false;
        value = read;
        return true;
    };
    constexpr int kLargestMargin = 100000;
    const std::pair<QLineEdit *, std::int32_t *> margins[] = { { eLeft, &MarginLeft },
        { eTop, &MarginTop }, { eRight, &MarginRight }, { eBottom, &MarginBottom } };
    for (const auto &[edit, value] : margins)
        if (!integer(edit, 0, kLargestMargin, *value))
            return fail(edit, "A margin is a whole number of pixels from 0 to 100000.");
    if (pcPages->currentIndex() != 0)
        return true;
    switch (pcGraphic->currentIndex()) {
    case gpBmp:
    case gpJpeg: {
        QLineEdit *thickness = pcGraphic->currentIndex() == gpBmp ? eBmpThickness : eJpegThickness;
        if (!integer(thickness, 1, 100, m_penWidth))
            return fail(thickness, "The line thickness is a whole number of pixels from 1 to 100.");
        break;
    }
    case gpLaTeX: {
        if (!integer(eFontSize, 1, 999, m_fontSize))
            return fail(eFontSize, "The font size is a whole number of points.");
        static const QRegularExpression decimal(R"(^\d+([.,]\d*)?$)");
        for (QLineEdit *edit : { eUnitSize, eLaTeXThickness })
            if (!decimal.match(edit->text().trimmed()).hasMatch()) {
                Program().ErrorMessage->ShowError("'" + edit->text() + "' is not a valid number",
                    "Write a decimal number such as 0.25.", edit);
                return false;
            }
        break;
    }
    default:
        break;
    }
    return true;
}

bool TExportOptions::ExportClick()
{
    if (!NetWindow || !ReadNumbers())
        return false;
    const bool graphic = pcPages->currentIndex() == 0;
    QString filter;
    TGenerateName *rule = CurrentGenerator;
    if (graphic) {
        // The name comes from the rule last used; the page's rule is used from now on.
        const int page = pcGraphic->currentIndex();
        filter = FilterAt(page == gpVector ? (rbPdf->isChecked() ? 7 : 6)
                : page == gpPnml           ? 9
                                           : page);
        CurrentGenerator = &PageGenerator();
    } else {
        rule = pcFormal->currentIndex() == fpText ? &m_textGenerator : &Generators[3];
        filter = FilterAt(pcFormal->currentIndex() == fpText ? 8 : 3);
    }
    const QString source = FileName;
    const QString name = QString::fromStdString(rule->GenerateFileName(source.toStdString()));
    FileName = NetWindow->FileName();
    const QString folder = source.isEmpty() ? QDir::currentPath() : QFileInfo(source).path();
    const QString path = ChooseFile(QDir(folder).filePath(name), kFilters, filter);
    if (path.isEmpty())
        return true; // cancelled: nothing exported
    return Write(path);
}

TFormalSettings TExportOptions::FormalSettings() const
{
    TFormalSettings formal { 0, MatrixSettings };
    for (const auto &[box, tag] : m_componentBoxes)
        if (box->isChecked())
            formal.Components |= tag;
    return formal;
}

bool TExportOptions::Write(const QString &path)
{
    const std::string file = path.toStdString();
    TDrawingObjects &net = NetWindow->Net();
    if (pcPages->currentIndex() != 0) {
        if (pcFormal->currentIndex() == fpText)
            return Report(WriteFormalDescriptionText(net, file, FormalSettings()));
        TLaTeXSettings settings;
        settings.FontSize = m_fontSize;
        settings.Formal = FormalSettings();
        TLaTeXExport exporter(&net, file, settings);
        return Report(exporter.Export(lpFormal));
    }
    return WriteGraphic(file);
}

bool TExportOptions::WriteGraphic(const std::string &path)
{
    TDrawingObjects &net = NetWindow->Net();
    TPictureSettings picture;
    picture.Scale = seScale->value();
    picture.MarginLeft = MarginLeft;
    picture.MarginTop = MarginTop;
    picture.MarginRight = MarginRight;
    picture.MarginBottom = MarginBottom;
    picture.PenWidth = m_penWidth;
    const QPalette palette = PicturePalette();
    switch (pcGraphic->currentIndex()) {
    case gpBmp:
    case gpJpeg: {
        const bool bmp = pcGraphic->currentIndex() == gpBmp;
        const int depth = bmp && cbBmpColors->currentIndex() >= 0
            ? kBmpDepths[cbBmpColors->currentIndex()]
            : 24;
        const TPictureSize size = NetPictureSize(net, Options(), picture);
        const std::string limit = PictureFormatLimitError(
            bmp ? TPictureFormat::Bmp : TPictureFormat::Jpeg, size.Width, size.Height, depth);
        if (!limit.empty())
            return Report(TWriteResult::Failed(TWriteStatus::EncodeFailed, path, limit));
        if (!bmp) {
            std::vector<unsigned char> jpeg;
            const std::string error = MakeNetJpeg(net, Options(), picture, palette,
                cbJpegColors->currentIndex() == 1, seCompression->value(), jpeg);
            if (!error.empty())
                return Report(TWriteResult::Failed(TWriteStatus::EncodeFailed, path, error));
            return Report(WriteJpegBytes(jpeg, path));
        }
        const TNetPicture made = MakeNetPicture(net, Options(), picture, palette);
        if (made.Image.isNull())
            return Report(TWriteResult::Failed(TWriteStatus::EncodeFailed, path, made.Error));
        return Report(WriteBmp(made.Image, path, depth));
    }
    case gpPnml: {
        std::vector<std::string> report;
        const TWriteResult written = SavePnml(net, path, report);
        for (const std::string &line : report)
            Program().GN->Messages().Add(line);
        if (!report.empty())
            Program().GN->ShowMessagePanel();
        return Report(written);
    }
    case gpVector:
        return Report(WriteNetVector(net, Options(), picture, palette,
            rbPdf->isChecked() ? TVectorFormat::Pdf : TVectorFormat::Svg, path));
    default: {
        TLaTeXSettings settings;
        settings.FontSize = m_fontSize;
        settings.UnitLength = eUnitSize->text().trimmed().toStdString();
        settings.LineThickness = eLaTeXThickness->text().trimmed().toStdString();
        settings.TriangleHead = cbTriangle->isChecked();
        settings.Adjust.XMul = settings.Adjust.YMul = seMul->value();
        settings.Adjust.XDiv = settings.Adjust.YDiv = seDiv->value();
        settings.Adjust.XOrigin = MarginLeft;
        settings.Adjust.YOrigin = MarginTop;
        // The picture is written at the export scale, inside which the extent is read.
        const TExportZoom zoom(net, Options(), picture.Scale);
        ExtentLeft = zoom.TopLeft().x;
        ExtentTop = zoom.TopLeft().y;
        ExtentRight = zoom.BottomRight().x;
        ExtentBottom = zoom.BottomRight().y;
        ExtentWidth = ExtentRight - ExtentLeft;
        ExtentHeight = ExtentBottom - ExtentTop;
        TLaTeXExport exporter(&net, path, settings);
        exporter.SetPictureSize(std::int64_t(ExtentWidth) + MarginRight + MarginLeft,
            std::int64_t(ExtentHeight) + MarginTop + MarginBottom, ExtentBottom);
        return Report(exporter.Export(lpScheme));
    }
    }
}

bool TExportOptions::Report(const TWriteResult &result)
{
    if (result)
        return true;
    Program().ErrorMessage->ShowError("Cannot export to " + QString::fromStdString(result.Path),
        QString::fromStdString(result.Reason));
    return false;
}

} // namespace morvane
