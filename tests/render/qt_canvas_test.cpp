// SPDX-License-Identifier: MIT
#include "render/qt_canvas.h"
#include "render/render_support.h"
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace morvane {
namespace {

class QtCanvasTest : public test::GlobalsTest
{
protected:
    QImage image { 200, 160, QImage::Format_RGB32 };
    QtCanvas canvas { &image, test::WhitePalette() };
    TDrawingObjects doc { nullptr, nullptr, &canvas };

    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        image.fill(Qt::white);
    }
    QRgb At(int x, int y)
    {
        canvas.Release();
        return image.pixel(x, y) & 0xFFFFFF;
    }
};

// Shapes cover x1 .. x2 − 1 and lines leave out their last pixel: the pictures and the
// inverting ghosts depend on exactly these pixels.
TEST_F(QtCanvasTest, ShapesAndLinesCoverTheExpectedPixels)
{
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clRed);
    canvas.Rectangle(10, 10, 20, 16);
    EXPECT_EQ(At(10, 10), 0x000000u);
    EXPECT_EQ(At(19, 15), 0x000000u);
    EXPECT_EQ(At(20, 15), 0xFFFFFFu);
    EXPECT_EQ(At(19, 16), 0xFFFFFFu);
    EXPECT_EQ(At(15, 12), 0xFF0000u);

    canvas.FillRect(30, 10, 34, 12);
    canvas.Release();
    EXPECT_EQ(test::CountPixels(image.copy(28, 8, 10, 6), qRgb(255, 0, 0)), 4 * 2);

    canvas.MoveTo(40, 40);
    canvas.LineTo(50, 40);
    EXPECT_EQ(At(40, 40), 0x000000u);
    EXPECT_EQ(At(49, 40), 0x000000u);
    EXPECT_EQ(At(50, 40), 0xFFFFFFu);

    canvas.SetBrushClear(true);
    canvas.Ellipse(60, 60, 80, 80);
    EXPECT_EQ(At(70, 60), 0x000000u);
    EXPECT_EQ(At(70, 79), 0x000000u);
    EXPECT_EQ(At(70, 70), 0xFFFFFFu) << "a hollow brush leaves the inside alone";
}

// A one-pixel line takes exactly the pixels Qt gives a line lying wholly on its image, and an
// image showing only part of it (a band, a scrolled window) shows the same pixels there, in both
// pen modes.
TEST_F(QtCanvasTest, LinesTakeQtsPixelsWhereverTheImageCutsThem)
{
    const QRect net(0, 0, 3000, 120);
    const std::vector<QLine> lines { { 10, 10, 10, 10 }, { 5, 7, 90, 7 }, { 90, 9, 5, 9 },
        { 20, 100, 20, 3 }, { 30, 30, 70, 70 }, { 70, 30, 30, 70 }, { 3, 110, 2990, 2 },
        { 2990, 117, 1, 60 }, { 100, 2, 113, 118 }, { 140, 118, 131, 1 }, { 7, 50, 2900, 51 },
        { 1140, 55, 471, 89 }, { 2824, 89, 20, 114 } };
    const std::vector<QRect> views { net, { 37, 11, 400, 7 }, { -5, -9, 60, 20 },
        { 2950, 100, 80, 40 }, { 120, 0, 1, 120 }, { 0, 63, 3000, 9 }, { 0, 99, 3000, 9 } };
    for (const QLine &line : lines)
        for (const bool notXor : { false, true }) {
            SCOPED_TRACE(testing::Message() << line.p1().x() << "," << line.p1().y() << " to "
                                            << line.p2().x() << "," << line.p2().y());
            QImage qt(net.size(), QImage::Format_RGB32);
            qt.fill(Qt::white);
            {
                QPainter p(&qt);
                QPen pen(QColor(0, 0, 255));
                pen.setCosmetic(true);
                pen.setCapStyle(Qt::FlatCap);
                p.setPen(pen);
                if (notXor)
                    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
                p.drawLine(line);
            }
            for (const QRect &view : views) {
                image = QImage(view.size(), QImage::Format_RGB32);
                image.fill(Qt::white);
                canvas.SetDevice(&image);
                canvas.SetOrigin({ view.x(), view.y() });
                canvas.SetPenColor(clBlue);
                canvas.SetPenMode(notXor ? TPenMode::NotXor : TPenMode::Copy);
                canvas.DoLine({ line.x1(), line.y1() }, { line.x2(), line.y2() });
                canvas.Release();
                QImage expected(view.size(), QImage::Format_RGB32);
                expected.fill(Qt::white);
                QPainter(&expected).drawImage(net.topLeft() - view.topLeft(), qt);
                EXPECT_EQ(image, expected) << view.x() << "," << view.y();
            }
        }
}

// A label is laid out once and drawn from that layout again; every script must still come out
// as drawText draws it, where the origin puts it, the second time as the first.
TEST_F(QtCanvasTest, TextComesOutAsDrawTextDrawsIt)
{
    canvas.SetOrigin({ -5, 3 });
    canvas.SetFont("Arial", 10);
    canvas.SetFontColor(clBlack);
    canvas.SetBrushClear(true);
    QFont font("Arial");
    font.setPixelSize(QtCanvas::FontPixelSize(10));
    font.setStyleStrategy(QFont::NoAntialias);
    for (const char *label : { "L12", "Z3 \u00c4\u00df", "x\u2028y", "\u0301a",
             "\u0639\u0631\u0628\u064a", "\u01c4\u01c5" }) {
        QImage expected(image.size(), image.format());
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.drawText(QPoint(25, 27 + QFontMetrics(font).ascent()), QString::fromUtf8(label));
        painter.end();
        for (int pass = 0; pass < 2; ++pass) {
            canvas.Release();
            image.fill(Qt::white);
            canvas.TextOut(20, 30, label);
            canvas.Release();
            EXPECT_EQ(image, expected) << label << ", pass " << pass;
        }
    }
}

TEST_F(QtCanvasTest, OriginMovesNetPixelsOntoTheImage)
{
    canvas.SetOrigin({ 100, 50 });
    canvas.SetPixel(105, 57, clBlue);
    canvas.SetPixel(99, 57, clBlue); // left of the image: dropped
    EXPECT_EQ(At(5, 7), 0x0000FFu);
    EXPECT_EQ(test::CountPixels(image, qRgb(0, 0, 255)), 1);

    // Patterns are anchored at net pixel (0, 0), so a grid tile stays on the grid when scrolling.
    TBrushPattern dot { 0x80, 0, 0, 0, 0, 0, 0, 0 };
    canvas.SetBrushPattern(dot, clBlack, clWhite);
    canvas.FillRect(100, 50, 140, 90);
    EXPECT_EQ(At(104 - 100, 56 - 50), 0x000000u);
    EXPECT_EQ(At(112 - 100, 64 - 50), 0x000000u);
    EXPECT_EQ(At(105 - 100, 56 - 50), 0xFFFFFFu);
}

TEST_F(QtCanvasTest, ColourReferencesMapToRgbAndPaletteRoles)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Dark, QColor(7, 8, 9));
    palette.setColor(QPalette::Light, QColor(10, 11, 12));
    EXPECT_EQ(QtCanvas::ToQColor(SystemColor(5), palette), QColor(1, 2, 3));
    EXPECT_EQ(QtCanvas::ToQColor(SystemColor(15), palette), QColor(4, 5, 6));
    EXPECT_EQ(QtCanvas::ToQColor(SystemColor(16), palette), QColor(7, 8, 9));
    EXPECT_EQ(QtCanvas::ToQColor(SystemColor(20), palette), QColor(10, 11, 12));
    EXPECT_EQ(QtCanvas::ToQColor(RGB(255, 128, 0), palette), QColor(255, 128, 0));
    EXPECT_EQ(QtCanvas::ToQColor(0x02FF8080u, palette), QColor(128, 128, 255));
}

TEST_F(QtCanvasTest, FocusRectangleDrawnTwiceVanishes)
{
    canvas.SetBrushColor(clRed);
    canvas.FillRect(0, 0, 60, 60);
    canvas.Release();
    const QImage before = image.copy();
    canvas.DrawFocusRect(10, 10, 50, 40);
    EXPECT_EQ(test::CountPixels(image, qRgb(0, 255, 255)), (40 + 30) * 2 / 2 - 2);
    canvas.DrawFocusRect(10, 10, 50, 40);
    EXPECT_EQ(image, before);
}

// The dragged-object ghost of every class and painter, drawn over other objects, must give
// back exactly the pixels it changed, also on a backing image at twice the screen's resolution.
TEST_F(QtCanvasTest, GhostDrawnTwiceLeavesThePictureUnchanged)
{
    auto p = doc.Add<TPosition>();
    p->Place(24, 40, "L1");
    p->FillColor = clGreen;
    auto t = doc.Add<TTransition>();
    t->Place(40, 32, "Z12");
    t->FillColor = RGB(200, 100, 0);
    auto a = test::AddArc(doc, 0, 56, 120, 56, true);
    auto v = test::AddArc(doc, 64, 128, 64, 16, true);
    for (const qreal ratio : { 1.0, 2.0 }) {
        image = DeviceImage(QSize(200, 160), ratio);
        image.fill(Qt::white);
        canvas.SetDevice(&image);
        for (std::size_t i = 0; i < doc.Count(); ++i)
            doc.Object(i)->Draw();
        for (TDrawingObject *obj :
            std::vector<TDrawingObject *> { p.get(), t.get(), a.get(), v.get() })
            for (bool outlined : { false, true }) {
                SCOPED_TRACE(testing::Message()
                    << obj->ClassName() << " outlined " << outlined << " ratio " << ratio);
                obj->isOutLined(outlined);
                obj->Mode = omDragged;
                canvas.Release();
                const QImage before = image.copy();
                obj->Draw();
                canvas.DrawFocusRect(20, 30, 90, 70);
                canvas.Release();
                EXPECT_NE(image, before) << "the ghost shows";
                obj->Draw();
                canvas.DrawFocusRect(20, 30, 90, 70);
                canvas.Release();
                EXPECT_EQ(image, before);
                obj->Mode = omNormal;
            }
    }
}

// At a device pixel ratio of 2 a line is drawn at the image's own resolution, not doubled, and a
// single net pixel covers its whole block.
TEST_F(QtCanvasTest, HighResolutionImageIsNotPixelDoubled)
{
    image = DeviceImage(QSize(40, 20), 2);
    image.fill(Qt::white);
    canvas.SetDevice(&image);
    canvas.SetPenColor(clBlack);
    canvas.DoLine({ 2, 5 }, { 30, 5 });
    canvas.SetPixel(3, 12, clBlack);
    canvas.Release();
    EXPECT_EQ(image.size(), QSize(80, 40));
    EXPECT_EQ(image.pixel(20, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(20, 11) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(test::CountPixels(image.copy(6, 24, 2, 2), qRgb(0, 0, 0)), 4);
}

// A vector device takes the same drawing; inverting operations leave no trace on it.
TEST_F(QtCanvasTest, NetDrawsOnAnSvgGeneratorWithoutItsGhosts)
{
    auto p = doc.Add<TPosition>();
    p->Place(24, 40, "L1");
    auto a = test::AddArc(doc, 0, 56, 120, 56, true);
    auto svg = [&](bool ghosts) {
        QBuffer buffer;
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(200, 160));
        canvas.SetDevice(&generator);
        for (std::size_t i = 0; i < doc.Count(); ++i)
            doc.Object(i)->Draw();
        if (ghosts) {
            a->Mode = omDragged;
            a->Draw();
            a->Mode = omNormal;
            canvas.DrawFocusRect(10, 10, 50, 40);
        }
        canvas.Release();
        canvas.SetDevice(&image);
        return buffer.data().toStdString();
    };
    const std::string plain = svg(false);
    EXPECT_NE(plain.find(">L</text>"), std::string::npos) << plain;
    EXPECT_NE(plain.find("<polyline"), std::string::npos) << plain;
    EXPECT_EQ(svg(true), plain);
}

} // namespace
} // namespace morvane
