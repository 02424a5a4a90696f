// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"
#include "support/net_building.h"
#include "support/recording_canvas.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

namespace morvane {
namespace {

using test::DrawCall;
using test::RecordingCanvas;

class DrawingTest : public test::GlobalsTest
{
protected:
    RecordingCanvas canvas;
    TDrawingObjects doc { nullptr, nullptr, &canvas };

    std::shared_ptr<TArc> AddArc(int x1, int y1, int x2, int y2, bool arrowed)
    {
        return test::AddPiece(doc, x1, y1, x2, y2, arrowed);
    }
    std::vector<TPoint> LinePoints()
    {
        std::vector<TPoint> pts;
        for (const auto &c : canvas.Of(DrawCall::Line)) {
            pts.push_back(c.points[0]);
            pts.push_back(c.points[1]);
        }
        return pts;
    }
};

// Drawn from the grid rectangle: a position between grid lines (as while dragged) shows on them.
TEST_F(DrawingTest, PositionIsAnEllipseFilledOrHollowOnTheGrid)
{
    auto p = test::PlaceNode<TPosition>(doc, 45, 51, "L1");
    p->Color = clBlue;
    p->FillColor = clGreen;
    p->Draw();
    p->isOutLined(true);
    p->Draw();
    auto ellipses = canvas.Of(DrawCall::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].points, (std::vector<TPoint> { { 40, 48 }, { 72, 80 } }));
    EXPECT_EQ(ellipses[0].penColor, clBlue);
    EXPECT_EQ(ellipses[0].brushColor, clGreen);
    EXPECT_FALSE(ellipses[0].brushClear);
    EXPECT_TRUE(ellipses[1].brushClear);
    EXPECT_FALSE(canvas.BrushClear()) << "the hollow brush must not leak into later drawing";
}

TEST_F(DrawingTest, TransitionIsAHeadOverABar)
{
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z1"); // 32 wide, 80 high
    ASSERT_TRUE(t->Outlined());
    t->Draw();
    // The head's tip is half the width below the top, and the bar goes on from it.
    EXPECT_EQ(LinePoints(),
        (std::vector<TPoint> { { 120, 56 }, { 136, 40 }, { 136, 40 }, { 104, 40 }, { 104, 40 },
            { 120, 56 }, { 120, 56 }, { 120, 120 } }));
    EXPECT_TRUE(canvas.Of(DrawCall::Polygon).empty());

    canvas.calls.clear();
    t->isOutLined(false);
    t->FillColor = clRed;
    t->Draw();
    auto polygons = canvas.Of(DrawCall::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, (std::vector<TPoint> { { 120, 56 }, { 136, 40 }, { 104, 40 } }));
    EXPECT_EQ(polygons[0].brushColor, clRed);
    EXPECT_EQ(LinePoints(), (std::vector<TPoint> { { 120, 56 }, { 120, 120 } }));
}

TEST_F(DrawingTest, ArrowHeadsSitOnHorizontalAndVerticalPiecesOnly)
{
    struct Case
    {
        TPoint from, to;
        std::vector<TPoint> wings; // empty: no head
        bool arrowed = true;
    };
    const Case cases[] = {
        { { 0, 0 }, { 80, 0 }, { { 70, -2 }, { 70, 2 } } }, // rightwards
        { { 80, 0 }, { 0, 0 }, { { 10, -2 }, { 10, 2 } } }, // leftwards
        { { 0, 0 }, { 0, 80 }, { { -2, 70 }, { 2, 70 } } }, // downwards
        { { 0, 80 }, { 0, 0 }, { { -2, 10 }, { 2, 10 } } }, // upwards
        { { 8, 8 }, { 8, 8 }, { { 6, 18 }, { 10, 18 } } }, // no length: treated as vertical
        { { 0, 0 }, { 40, 24 }, {} }, // slanted
        { { 0, 0 }, { 80, 0 }, {}, false }, // no arrow
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y);
        auto a = AddArc(c.from.x, c.from.y, c.to.x, c.to.y, c.arrowed);
        a->isOutLined(true);
        canvas.calls.clear();
        a->Draw();
        std::vector<TPoint> expected { c.from, c.to };
        if (!c.wings.empty())
            expected.insert(expected.end(), { c.wings[0], c.to, c.to, c.wings[1] });
        EXPECT_EQ(LinePoints(), expected);

        a->isOutLined(false);
        a->Color = clBlue;
        canvas.calls.clear();
        a->Draw();
        auto heads = canvas.Of(DrawCall::Polygon);
        if (c.wings.empty()) {
            EXPECT_TRUE(heads.empty());
        } else {
            ASSERT_EQ(heads.size(), 1u);
            EXPECT_EQ(heads[0].points, (std::vector<TPoint> { c.wings[0], c.wings[1], c.to }));
            EXPECT_EQ(heads[0].brushColor, clBlue) << "the head is filled in the pen colour";
            EXPECT_EQ(canvas.BrushColor(), Globals().ColorTable[0]);
        }
        doc.Remove(a.get());
    }
}

TEST_F(DrawingTest, LabelBaseAboveTheObjectIndexLoweredAndAllHiddenAtLabelHide)
{
    auto &g = Globals();
    g.PositionFont.Name = "Liberation Sans";
    g.TransitionFont.Name = "Liberation Serif";
    g.tFnsize = 12;
    g.tFnIndsize = 6;
    auto p = test::PlaceNode<TPosition>(doc, 40, 48, "L12");
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z3");
    auto a = AddArc(0, 0, 80, 0, true);
    a->SetselfLabel("A1");
    p->Draw();
    t->Draw();
    struct Label
    {
        std::string text;
        TPoint at;
        std::string font;
        int size;
    };
    // Recording metrics: a character is FontSize() wide, a line 1.5 FontSize() high.
    const Label expected[] = { { "L", { 40, 48 - 20 }, "Liberation Sans", 10 },
        { "12", { 40 + 10 + 8 / 2, 28 + 15 / 3 }, "Liberation Sans", 8 },
        { "Z", { 104, 40 - 20 }, "Liberation Serif", 12 },
        { "3", { 104 + 12 + 6 / 2, 20 + 18 / 3 }, "Liberation Serif", 6 } };
    const auto texts = canvas.Of(DrawCall::Text);
    ASSERT_EQ(texts.size(), 4u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_EQ(texts[i].points[0], expected[i].at) << expected[i].text;
        EXPECT_EQ(texts[i].fontName, expected[i].font);
        EXPECT_EQ(texts[i].fontSize, expected[i].size);
        EXPECT_EQ(texts[i].brushColor, g.ColorTable[0]) << "labels sit on the background colour";
    }

    // The position label size decides for every class.
    canvas.calls.clear();
    g.Fnsize = g.LabelHide;
    g.tFnsize = 20;
    for (TDrawingObject *obj : std::vector<TDrawingObject *> { p.get(), t.get(), a.get() }) {
        obj->Draw();
        obj->Erase();
    }
    EXPECT_TRUE(canvas.Of(DrawCall::Text).empty());
    EXPECT_FALSE(canvas.calls.empty());
    g.Fnsize = g.LabelHide + 1;
    p->Draw();
    EXPECT_EQ(canvas.Of(DrawCall::Text).size(), 2u);
}

// Pen, pen style and brush of the symbol and the font colour of the label, per Mode.
TEST_F(DrawingTest, ColoursFollowTheMode)
{
    const auto &ct = Globals().ColorTable;
    auto p = test::PlaceNode<TPosition>(doc, 40, 48, "L1");
    p->Color = RGB(1, 2, 3);
    p->FillColor = RGB(4, 5, 6);
    p->ActiveColor = RGB(7, 8, 9);
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z1");
    t->isOutLined(false);
    t->Color = RGB(10, 11, 12);
    t->FillColor = RGB(13, 14, 15);
    auto a = AddArc(0, 0, 0, 80, true);
    a->isOutLined(false);
    a->Color = RGB(16, 17, 18);
    a->SetselfLabel("A1");

    struct Expect
    {
        std::uint8_t mode;
        TColor pen, brush, font;
        TPenStyle style;
    };
    const TColor keep = 0xDEADBEEF; // brush the mode leaves alone
    auto check = [&](TDrawingObject &obj, DrawCall::Kind symbol, const Expect &e) {
        SCOPED_TRACE(testing::Message() << obj.ClassName() << " mode " << int(e.mode));
        obj.Mode = e.mode;
        canvas.calls.clear();
        canvas.SetBrushColor(keep);
        canvas.SetFontColor(keep);
        obj.Draw();
        auto shapes = canvas.Of(symbol);
        ASSERT_FALSE(shapes.empty());
        EXPECT_EQ(shapes[0].penColor, e.pen);
        EXPECT_EQ(shapes[0].brushColor, e.brush);
        EXPECT_EQ(shapes[0].penStyle, e.style);
        EXPECT_EQ(shapes[0].penMode, TPenMode::Copy);
        auto texts = canvas.Of(DrawCall::Text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].fontColor, e.font);
        EXPECT_EQ(canvas.PenStyle(), TPenStyle::Solid);
    };
    const auto dot = TPenStyle::Dot, solid = TPenStyle::Solid;
    for (const Expect &e : { Expect { 0, p->Color, p->FillColor, ct[12], solid },
             Expect { 1, ct[13], keep, ct[12], solid }, Expect { 2, ct[13], keep, ct[12], solid },
             Expect { 8, ct[14], keep, ct[12], dot },
             Expect { 32, p->Color, p->FillColor, ct[12], solid },
             Expect { 64, ct[15], p->ActiveColor, ct[12], solid } })
        check(*p, DrawCall::Ellipse, e);
    for (const Expect &e : { Expect { 0, t->Color, t->FillColor, ct[5], solid },
             Expect { 1, ct[7], keep, ct[5], solid }, Expect { 2, ct[7], keep, ct[5], solid },
             Expect { 8, ct[8], keep, ct[5], dot },
             Expect { 32, t->Color, t->FillColor, ct[5], solid },
             Expect { 64, clGreen, clGreen, ct[5], solid } })
        check(*t, DrawCall::Polygon, e);
    // Arcs set no font colour; their head is filled in the pen colour.
    for (const Expect &e :
        { Expect { 0, a->Color, a->Color, keep, solid }, Expect { 1, ct[20], ct[20], keep, solid },
            Expect { 2, ct[20], ct[20], keep, solid }, Expect { 8, ct[21], ct[21], keep, dot },
            Expect { 32, a->Color, a->Color, keep, solid },
            Expect { 64, ct[9], ct[9], keep, solid } })
        check(*a, DrawCall::Polygon, e);
}

TEST_F(DrawingTest, EditedObjectsShowHandlesInBlack)
{
    const int e = Globals().Esize;
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z1");
    auto a = AddArc(8, 16, 64, 16, false);
    auto p = test::PlaceNode<TPosition>(doc, 40, 48, "L1");
    struct Case
    {
        TDrawingObject *obj;
        std::vector<TPoint> centres; // positions have no handles
    };
    for (const Case &c : { Case { t.get(), { { 120, 56 }, { 120, 120 } } },
             Case { a.get(), { { 8, 16 }, { 64, 16 } } }, Case { p.get(), {} } }) {
        canvas.calls.clear();
        c.obj->Mode = omEdited;
        c.obj->Draw();
        std::vector<std::vector<TPoint>> handles, expected;
        for (const TPoint m : c.centres)
            expected.push_back({ { m.x - e, m.y - e }, { m.x + e, m.y + e } });
        for (const auto &h : canvas.Of(DrawCall::Rectangle)) {
            handles.push_back(h.points);
            EXPECT_EQ(h.penColor, clBlack);
        }
        EXPECT_EQ(handles, expected) << c.obj->ClassName();
    }
}

TEST_F(DrawingTest, DraggedObjectsAreAnInvertingGhostWithoutLabel)
{
    auto p = test::PlaceNode<TPosition>(doc, 40, 48, "L1");
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z1");
    auto a = AddArc(0, 0, 80, 0, true);
    for (TDrawingObject *obj : std::vector<TDrawingObject *> { p.get(), t.get(), a.get() }) {
        SCOPED_TRACE(obj->ClassName());
        obj->Mode = omDragged;
        canvas.calls.clear();
        obj->Draw();
        ASSERT_FALSE(canvas.calls.empty());
        for (const auto &c : canvas.calls) {
            EXPECT_NE(c.kind, DrawCall::Text);
            EXPECT_EQ(c.penMode, TPenMode::NotXor);
            EXPECT_EQ(c.penColor, clBlack);
        }
        EXPECT_EQ(canvas.PenMode(), TPenMode::Copy);
    }
}

TEST_F(DrawingTest, EraseRepaintsLabelHandlesAndSymbolInTheBackground)
{
    auto t = test::PlaceNode<TTransition>(doc, 104, 40, "Z1");
    t->Erase();
    EXPECT_EQ(canvas.Of(DrawCall::Text).size(), 2u);
    EXPECT_EQ(canvas.Of(DrawCall::Rectangle).size(), 2u);
    EXPECT_EQ(canvas.Of(DrawCall::Line).size(), 4u);
    for (const auto &c : canvas.calls)
        EXPECT_EQ(c.kind == DrawCall::Text ? c.fontColor : c.penColor, Globals().ColorTable[0]);
}

TEST_F(DrawingTest, NothingIsDrawnWithoutDocumentOrCanvas)
{
    TPosition loose;
    loose.Draw();
    loose.Erase();
    loose.DrawLabel();

    TDrawingObjects blind(nullptr, nullptr, nullptr);
    auto t = blind.Add<TTransition>();
    t->Place(104, 40, "Z1");
    t->Mode = omEdited;
    t->Draw();
    t->Erase();
    EXPECT_TRUE(canvas.calls.empty());
}

} // namespace
} // namespace morvane
