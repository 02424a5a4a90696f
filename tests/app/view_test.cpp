// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/options_dialog.h"
#include "render/qt_canvas.h"

#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>
#include <string>

namespace morvane::test {
namespace {

class ViewTest : public AppTest
{
protected:
    static QImage Painted(TNet *net)
    {
        net->Redraw();
        net->PaintPage();
        return net->Backing();
    }
};

TEST_F(ViewTest, ZoomStaysWithinItsLimitsAndRescalesFromTheGrid)
{
    TNet *net = NewSizedNet();
    auto p = AddPosition(net->Net(), 40, 24, "L1");
    Trigger("miZoomIn");
    EXPECT_EQ(Globals().xGrid, 9);
    EXPECT_EQ(p->Left(), 45);
    EXPECT_EQ(p->Top(), 27);
    EXPECT_EQ(net->horizontalScrollBar()->singleStep(), 9);

    net->Zoom(16, false);
    EXPECT_EQ(Globals().XPsize, 64); // the options follow the zoom
    EXPECT_EQ(Program().Options->Record().oxGrid(), 16);
    EXPECT_EQ(gn->ClipObjects().xBaseUnit(), 16);
    EXPECT_EQ(net->xPgSize(), 210 * 16);

    net->Zoom(64, false);
    Trigger("miZoomIn");
    EXPECT_EQ(Globals().xGrid, 64);
    net->Zoom(1, false);
    Trigger("miZoomOut");
    EXPECT_EQ(Globals().xGrid, 1);
    net->Zoom(0, false);
    net->Zoom(65, false);
    EXPECT_EQ(net->Net().xBaseUnit(), 1);

    Trigger("miZoomNo");
    EXPECT_EQ(Globals().xGrid, 8);
    EXPECT_EQ(p->Left(), 40);

    // Activating another window returns to the normal scale.
    net->Zoom(20, false);
    Trigger("miNew");
    EXPECT_EQ(Globals().xGrid, 8);
}

TEST_F(ViewTest, BestFitShrinksToTheClientAndScrollsToTheNet)
{
    TNet *net = NewSizedNet();
    ASSERT_EQ(net->viewport()->width(), 600);
    AddTransition(net->Net(), 160, 800, "Z1");
    AddTransition(net->Net(), 960 - 32, 840, "Z2");
    const TPoint tl = net->Net().TopLeftCorner(), br = net->Net().BottomRightCorner();
    ASSERT_EQ(br.x - tl.x, 800);
    Trigger("miBestFit");
    EXPECT_EQ(Globals().xGrid, (600 * 8 - 24) / 800);
    EXPECT_EQ(net->HorzPosition(), net->Net().TopLeftCorner().x - Globals().xGrid);

    // A small net is not enlarged beyond the normal scale.
    net->Zoom(4, false);
    net->Net().Clear();
    AddPosition(net->Net(), 400, 400, "L1");
    Trigger("miBestFit");
    EXPECT_EQ(Globals().xGrid, 8);
    EXPECT_EQ(net->HorzPosition(), 800 - 8);

    // One too wide for the smallest scale is shown at that scale, not left as it was.
    AddPosition(net->Net(), 4000000, 400, "L2");
    Trigger("miBestFit");
    EXPECT_EQ(Globals().xGrid, Globals().zMin);
}

TEST_F(ViewTest, GridIsTiledAtFourAndEightDottedAboveTheHideLimitAndAbsentBelow)
{
    TNet *net = NewSizedNet();
    const QColor grid = net->Surface().ToQColor(Globals().ColorTable[2]);
    const QColor background = net->Surface().ToQColor(Globals().ColorTable[0]);
    struct Case
    {
        int scale;
        QPoint on, off;
    };
    for (const Case &c : { Case { 8, { 8, 16 }, { 4, 16 } }, Case { 4, { 4, 8 }, { 2, 8 } },
             Case { 16, { 16, 32 }, { 8, 32 } }, Case { 5, { 10, 15 }, { 8, 15 } } }) {
        net->Zoom(c.scale, false);
        const QImage image = Painted(net);
        EXPECT_EQ(image.pixelColor(c.on), grid) << "scale " << c.scale;
        EXPECT_EQ(image.pixelColor(c.off), background) << "scale " << c.scale;
    }
    net->Zoom(3, false);
    const QImage none = Painted(net);
    for (int x = 0; x < 24; ++x)
        EXPECT_EQ(none.pixelColor(x, 9), background) << x;

    // The backing image is the client area, never the page.
    EXPECT_EQ(net->Backing().size(), net->viewport()->size());
}

TEST_F(ViewTest, DrawingLandsAtTheScrolledClientPositionAndThePageEdgeShows)
{
    TNet *net = NewSizedNet();
    AddPosition(net->Net(), 240, 160, "L1");
    auto darkest = [&](const QImage &image, QRect r) {
        int best = 255 * 3;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                best = std::min(best, c.red() + c.green() + c.blue());
            }
        return best;
    };
    QImage image = Painted(net);
    EXPECT_LT(darkest(image, { 240, 160, 33, 33 }), 100);
    net->SetHorzPosition(160);
    net->SetVertPosition(80);
    image = Painted(net);
    EXPECT_LT(darkest(image, { 80, 80, 33, 33 }), 100);
    EXPECT_GT(darkest(image, { 240, 160, 33, 33 }), 300) << "only the grey grid is left there";

    // A page smaller than the window shows its right and bottom edges.
    net->SetHorzPosition(0);
    net->SetVertPosition(0);
    net->SetxPgSize(200);
    net->SetyPgSize(100);
    image = Painted(net);
    const QColor edge = net->Surface().ToQColor(SystemColor(15));
    EXPECT_EQ(image.pixelColor(201, 50), edge);
    EXPECT_EQ(image.pixelColor(100, 101), edge);
}

TEST_F(ViewTest, WheelScrollsByGridSteps)
{
    TNet *net = NewSizedNet();
    net->SetVertPosition(400);
    auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent e(QPointF(50, 50), net->viewport()->mapToGlobal(QPointF(50, 50)), {},
            { 0, delta }, Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(net->viewport(), &e);
    };
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(net->VertPosition(), 400 - 2 * 8);
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(net->VertPosition(), 384 - 8 * 8);
    wheel(-240, Qt::NoModifier);
    EXPECT_EQ(net->VertPosition(), 320 + 4 * 8);
    EXPECT_EQ(net->HorzPosition(), 0);
}

// Scrolling moves the picture on the screen and paints only what that uncovers. The screen must
// show what a whole repaint there gives after wheel steps, scroll bar moves and zooms, with
// labels, arrow heads, handles, the grid and its frame and the inverting marks drawn across the
// edges of the uncovered strips.
TEST_F(ViewTest, ScrolledWindowShowsWhatAWholeRepaintShows)
{
    TNet *net = NewSizedNet();
    QWidget *sub = net->parentWidget();
    sub->resize(sub->size() + QSize(1, 1)); // the grid's frame then lies on a grid line
    Settle();
    for (int i = 0; i < 40; ++i) {
        const std::int32_t x = 16 + (i * 97) % 1100, y = 16 + (i * 61) % 900;
        AddPosition(net->Net(), x, y, "Lfairly_long_label_" + std::to_string(i))->Mode
            = i % 5 ? omNormal : omSelected;
        AddTransition(net->Net(), x + 48, y + 40, "Z" + std::to_string(i));
        AddArc(net->Net(), x + 16, y + 32, x + 300 - i * 13, y + 170 + i * 3)->Arrowed = true;
    }
    net->ShowSelectionBand({ 100, 90 }, { 523, 317 });
    net->ShowRubberLine({ 40, 400 }, { 560, 130 });
    const QSize size = net->viewport()->size();
    auto shown = [&] {
        net->viewport()->repaint();
        const QPoint at = net->viewport()->mapTo(net->window(), QPoint());
        return net->screen()
            ->grabWindow(net->window()->winId(), at.x(), at.y(), size.width(), size.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
        return [=] { net->FormMouseWheel(delta, mods); };
    };
    auto across = [&](int by) {
        return [=] { net->horizontalScrollBar()->setValue(net->HorzPosition() + by); };
    };
    auto zoom = [&](int scale) { return [=] { net->Zoom(scale, false); }; };
    const struct
    {
        const char *what;
        std::function<void()> act;
    } steps[] = { { "down", wheel(-120, {}) }, { "down again", wheel(-120, {}) },
        { "up", wheel(120, {}) }, { "far down", wheel(-120, Qt::ControlModifier) },
        { "right between grid lines", across(13) }, { "left", across(-40) },
        { "at scale 9", zoom(9) }, { "down at 9", wheel(-120, {}) }, { "up at 9", wheel(60, {}) },
        { "right at 9", across(27) }, { "right between points", across(5) },
        { "at scale 4", zoom(4) }, { "down at 4", wheel(-120, {}) }, { "left at 4", across(-12) } };
    net->Redraw();
    shown();
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        const QImage scrolled = shown();
        EXPECT_TRUE(scrolled == Painted(net).copy());
        shown(); // the screen takes the whole repaint before the next step
    }
}

// Cascading once shrank the windows to their size hint in the corner.
TEST_F(ViewTest, CascadeStaggersTheWindowsAtAUsefulSize)
{
    Trigger("miNew");
    Trigger("miNew");
    Trigger("miCascade");
    const QRect area = gn->MdiArea()->viewport()->rect();
    QList<QPoint> corners;
    for (QMdiSubWindow *sub : gn->MdiArea()->subWindowList()) {
        EXPECT_TRUE(area.contains(sub->geometry()));
        EXPECT_GE(sub->width(), area.width() * 2 / 3);
        EXPECT_GE(sub->height(), area.height() * 2 / 3);
        corners << sub->pos();
    }
    ASSERT_EQ(corners.size(), 2);
    EXPECT_NE(corners[0], corners[1]);
}

} // namespace
} // namespace morvane::test
