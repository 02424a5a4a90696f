// SPDX-License-Identifier: MIT
#include "render/net_picture.h"
#include "render/render_support.h"
#include "support/globals_fixture.h"
#include "support/recording_canvas.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"
#include "options/real_options.h"

#include <cstring>

namespace morvane {
namespace {

class NetPictureTest : public test::GlobalsTest
{
protected:
    TRealOptions options;
    test::RecordingCanvas windowCanvas;
    TDrawingObjects doc { nullptr, nullptr, &windowCanvas };
    std::shared_ptr<TArc> arc;

    // Extent at scale 8: from (40, 64 − Lsize) to (136, 104).
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        options.SetDefaults();
        test::PlaceNode<TPosition>(doc, 40, 64, "L1");
        arc = test::AddArc(doc, 40, 104, 136, 104, false);
        arc->Color = clBlue;
    }
};

// The picture's size in pixels is pinned by morvane-cli render's test; here where the net lands.
TEST_F(NetPictureTest, PictureHoldsTheExtentPlusMarginsAndOnePixel)
{
    // An extent of 96 x 48.
    doc.Clear();
    Globals().Lsize = 16;
    test::PlaceNode<TPosition>(doc, 40, 64, "L1");
    test::AddArc(doc, 40, 96, 136, 96, false)->Color = clBlue;
    TPictureSettings s;
    TNetPicture picture = MakeNetPicture(doc, options, s, test::WhitePalette());
    ASSERT_FALSE(picture.Image.isNull()) << picture.Error;
    EXPECT_EQ(picture.ExtentTopLeft, (TPoint { 40, 48 }));
    EXPECT_EQ(picture.ExtentBottomRight, (TPoint { 136, 96 }));
    EXPECT_EQ(picture.Image.pixel(0, 96 - 48) & 0xFFFFFF, 0x0000FFu);

    s.MarginLeft = 5;
    s.MarginTop = 7;
    s.MarginRight = 3;
    s.MarginBottom = 2;
    picture = MakeNetPicture(doc, options, s, test::WhitePalette());
    EXPECT_EQ(picture.Image.pixel(5, 48 + 7) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(picture.Image.pixel(4, 48 + 7) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(windowCanvas.calls.size(), 0u) << "nothing is drawn on the window's canvas";
    EXPECT_EQ(doc.GetCanvas(), &windowCanvas);
}

TEST_F(NetPictureTest, ScaleZoomsTheNetAndEverythingIsRestored)
{
    options.SetoFnsize(12); // a user setting that a zoom would return to its default
    const TDisplayGlobals before = Globals();
    TPictureSettings s;
    s.Scale = 16;
    TNetPicture picture = MakeNetPicture(doc, options, s, test::WhitePalette());
    EXPECT_EQ(picture.ExtentTopLeft, (TPoint { 80, 128 - 40 })); // the label distance doubles too
    EXPECT_EQ(picture.ExtentBottomRight, (TPoint { 272, 208 }));
    EXPECT_EQ(picture.Image.pixel(0, 208 - 88) & 0xFFFFFF, 0x0000FFu);

    EXPECT_EQ(doc.xBaseUnit(), 8);
    EXPECT_EQ(doc.yBaseUnit(), 8);
    EXPECT_EQ(arc->Right(), 136);
    EXPECT_EQ(Globals().xGrid, 8);
    EXPECT_EQ(Globals().Fnsize, 12);
    EXPECT_EQ(Globals().Lsize, before.Lsize);
    EXPECT_EQ(Globals().XPsize, before.XPsize);
    EXPECT_EQ(options.oxGrid(), 8);
    EXPECT_EQ(options.oFnsize(), 12);

    // Beyond the zoom limits the net keeps its scale.
    s.Scale = Globals().zMax + 1;
    picture = MakeNetPicture(doc, options, s, test::WhitePalette());
    EXPECT_EQ(picture.Image.size(), QSize(97, 61));
}

class CollectBands : public TPictureBands
{
public:
    QImage whole;
    int next = 0;
    bool Begin(int width, int height) override
    {
        whole = QImage(width, height, QImage::Format_RGB32);
        whole.fill(Qt::black);
        return true;
    }
    bool Band(const QImage &band, int rows) override
    {
        for (int y = 0; y < rows; ++y)
            std::memcpy(
                whole.scanLine(next + y), band.constScanLine(y), std::size_t(band.bytesPerLine()));
        next += rows;
        return true;
    }
};

// Bands cut through labels, ellipses, dotted and slanted lines and arrow heads alike, and draw
// only the objects that reach them.
TEST_F(NetPictureTest, BandsGiveTheSamePixelsAsTheWholePicture)
{
    test::PlaceNode<TTransition>(doc, 96, 16, "Z12")->isOutLined(false);
    test::AddArc(doc, 72, 80, 104, 40, true)->Mode = omWizard;
    test::AddArc(doc, 16, 120, 16, 72, true)->isOutLined(true);
    doc.Object(0)->Mode = omSelected; // keeps the brush it finds
    test::PlaceNode<TPosition>(doc, 16, 136, "L9")->Mode = omWizard;
    test::AddArc(doc, 0, 20, 150, 150, false)->SetselfLabel("a1");
    TPictureSettings s;
    s.Scale = 11;
    s.MarginLeft = s.MarginTop = 3;
    s.MarginBottom = 5;
    const TNetPicture picture = MakeNetPicture(doc, options, s, test::WhitePalette());
    for (int bandHeight : { 7, 64, 1000 }) {
        SCOPED_TRACE(bandHeight);
        CollectBands bands;
        EXPECT_EQ(
            DrawNetPictureInBands(doc, options, s, test::WhitePalette(), bandHeight, bands), "");
        EXPECT_EQ(bands.next, picture.Image.height());
        EXPECT_EQ(bands.whole, picture.Image);
    }
}

// The PNG drawn in bands decodes to the pixels of the whole picture, long slanted lines that
// cross every band and runs of colours of three different components among them.
TEST_F(NetPictureTest, PngInBandsDecodesToTheWholePicture)
{
    test::PlaceNode<TTransition>(doc, 96, 16, "Z12");
    test::AddArc(doc, 136, 104, 136, 1800, true); // three bands
    test::AddArc(doc, 136, 1800, 2400, 1800, false);
    test::AddArc(doc, 0, 1790, 2390, 20, false)->Color = RGB(200, 100, 30);
    test::AddArc(doc, 10, 30, 2400, 1700, true);
    TPictureSettings s;
    std::vector<unsigned char> png;
    ASSERT_EQ(MakeNetPng(doc, options, s, test::WhitePalette(), png), "");
    const QImage decoded = QImage::fromData(png.data(), int(png.size()), "PNG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32),
        MakeNetPicture(doc, options, s, test::WhitePalette()).Image);
}

// That a JPEG drawn in bands decodes at its size and in grey, morvane-cli render's test shows.
TEST_F(NetPictureTest, JpegQualityOutsideItsRangeIsRefused)
{
    std::vector<unsigned char> jpeg;
    EXPECT_EQ(MakeNetJpeg(doc, options, {}, test::WhitePalette(), false, 101, jpeg),
        "the JPEG quality is 1 to 100, not 101");
}

TEST_F(NetPictureTest, AnAbsurdExtentIsRefusedWithAReason)
{
    test::AddArc(doc, 0, 0, 2000000000, 0, false);
    const TNetPicture picture = MakeNetPicture(doc, options, {}, test::WhitePalette());
    EXPECT_TRUE(picture.Image.isNull());
    EXPECT_NE(picture.Error.find("2000000001 x"), std::string::npos) << picture.Error;
    EXPECT_EQ(doc.GetCanvas(), &windowCanvas);
}

} // namespace
} // namespace morvane
