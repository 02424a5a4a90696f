// SPDX-License-Identifier: MIT
#include "render/net_print.h"
#include "render/render_support.h"
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"
#include "options/real_options.h"

namespace morvane {
namespace {

class NetPrintTest : public test::GlobalsTest
{
protected:
    TRealOptions options;
    TDrawingObjects doc { nullptr, nullptr, nullptr };
    std::shared_ptr<TPosition> position;
    std::shared_ptr<TArc> arc;

    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        options.SetDefaults();
        position = test::PlaceNode<TPosition>(doc, 40, 64, "L1");
        arc = test::AddArc(doc, 40, 104, 136, 104, true);
        arc->Color = clBlue;
        // Print colours of their own, so that a pixel tells which entry painted it.
        auto &table = Globals().ColorTable;
        table[18] = RGB(0, 128, 0);
        table[22] = RGB(128, 0, 128);
    }

    // The first sheet at 4 pixels a millimetre, 8:8, left-top: the net at the sheet's corner.
    QImage Sheet(const TPrintLook &look)
    {
        QImage sheet(840, 1188, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        DrawPrintSheet(doc, options, {}, look, sheet, 4, 4);
        return sheet;
    }
    // Pixels of the colour in rows [top, bottom).
    static int Count(const QImage &image, QRgb colour, int top, int bottom)
    {
        return test::CountPixels(image.copy(0, top, image.width(), bottom - top), colour);
    }
};

TEST_F(NetPrintTest, PaperShowsPrintColoursPlainObjectsAndLeavesTheNetAlone)
{
    position->Mode = omSelected;
    arc->Mode = omEdited;
    const QImage sheet = Sheet({});
    const QRgb green = qRgb(0, 128, 0), purple = qRgb(128, 0, 128);
    EXPECT_GT(test::CountPixels(sheet, green), 0);
    EXPECT_GT(test::CountPixels(sheet, purple), 0);
    for (const QRgb screen : { qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0) })
        EXPECT_EQ(test::CountPixels(sheet, screen), 0) << std::hex << screen;
    EXPECT_EQ(position->Mode, omSelected);
    EXPECT_EQ(arc->Mode, omEdited);
    EXPECT_EQ(arc->Color, clBlue);
    EXPECT_EQ(position->selfLabel(), "L1");

    // The label lies in the picture's top 20 net pixels: 10 sheet pixels at 0.5 a pixel.
    EXPECT_GT(Count(sheet, green, 0, 10), 0);
    TPrintLook look;
    look.PositionLabels = false;
    EXPECT_EQ(Count(Sheet(look), green, 0, 10), 0);
    EXPECT_EQ(position->selfLabel(), "L1");
}

} // namespace
} // namespace morvane
