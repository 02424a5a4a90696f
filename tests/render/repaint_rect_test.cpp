// SPDX-License-Identifier: MIT
#include "render/qt_canvas.h"
#include "render/render_support.h"
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"

namespace morvane {
namespace {

class RepaintRectTest : public test::GlobalsTest
{
protected:
    TDrawingObjects doc { nullptr, nullptr, nullptr };

    QImage Paint(bool culled, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        QImage image(x2 - x1 + 1, y2 - y1 + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        QtCanvas canvas(&image, test::WhitePalette());
        canvas.SetOrigin({ x1, y1 });
        canvas.SetPenWidth(2);
        doc.SetCanvas(&canvas);
        if (culled)
            doc.RepaintRect(x1, y1, x2, y2);
        else
            doc.RepaintAll();
        canvas.Release();
        doc.SetCanvas(nullptr);
        return image;
    }
};

// A repaint of a window's rectangle leaves out what cannot show there, and the window shows
// exactly what drawing everything gives: labels reaching in from the left, a long slanted piece
// crossing without an end inside, an arrow head or handles poking in, an arc piece's label in
// the colour of the node before it, objects that keep the brush they find.
TEST_F(RepaintRectTest, WindowShowsWhatDrawingEverythingGives)
{
    test::PlaceNode<TPosition>(doc, 16, 64, "Lsomewhat_long_label_12");
    test::AddArc(doc, 0, 0, 800, 560, false);
    test::PlaceNode<TTransition>(doc, 400, 200, "Z3")->Mode = omEdited;
    test::AddArc(doc, 232, 0, 232, 136, true);
    test::AddArc(doc, 240, 300, 400, 300, false)->SetselfLabel("a1");
    test::PlaceNode<TPosition>(doc, 600, 120, "L2")->Mode = omSelected;
    test::AddArc(doc, 560, 40, 560, 120, true)->Mode = omEdited;
    test::PlaceNode<TPosition>(doc, 144, 400, "L3")->Mode = omDragged;
    test::AddArc(doc, 300, 380, 360, 380, false)->SetselfLabel("b2");
    const struct
    {
        std::int32_t x1, y1, x2, y2;
    } windows[] = { { 150, 50, 330, 150 }, { 240, 140, 420, 320 }, { 500, 130, 700, 260 },
        { 100, 380, 340, 460 }, { 290, 370, 420, 420 }, { -50, -50, 900, 700 } };
    for (const auto &w : windows) {
        SCOPED_TRACE(testing::Message() << w.x1 << ", " << w.y1);
        EXPECT_EQ(Paint(true, w.x1, w.y1, w.x2, w.y2), Paint(false, w.x1, w.y1, w.x2, w.y2));
    }
}

} // namespace
} // namespace morvane
