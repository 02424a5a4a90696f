// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "editor/editor_modes.h"

#include "model/placing.h"
#include "routing/auto_route.h"

#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>

#include <tuple>
#include <vector>

namespace morvane::test {
namespace {

using Piece = std::tuple<int, int, int, int>;

class NetEditingTest : public AppTest
{
protected:
    // A new net window with a client area of 600 x 400 pixels, in the given mode.
    TNet *NewNet(std::uint16_t mode = mdEdit)
    {
        net = NewSizedNet();
        gn->SetMode(mode);
        return net;
    }
    QWidget *View() const { return net->viewport(); }
    void Press(QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(View(), b, mods, p);
    }
    void Release(QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(View(), b, mods, p);
    }
    void Move(QPoint p, Qt::MouseButtons held = Qt::LeftButton)
    {
        QMouseEvent e(QEvent::MouseMove, p, View()->mapToGlobal(p), Qt::NoButton, held, {});
        QApplication::sendEvent(View(), &e);
    }
    void Click(QPoint p, Qt::KeyboardModifiers mods = {})
    {
        Press(p, mods);
        Release(p, mods);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Press(from, mods);
        Move((from + to) / 2);
        Move(to);
        Release(to, mods);
    }
    // The file bytes without the label counters, which undo leaves alone so that labels stay
    // unique, and with the connections recomputed, which are derived from the geometry.
    std::string Bytes() const
    {
        net->Net().RebuildConnections();
        const auto pos = net->PositionCounter().Value, tr = net->TransitionCounter().Value;
        net->PositionCounter().Value = net->TransitionCounter().Value = 0;
        std::string s = WriteNetToString(net->Net());
        net->PositionCounter().Value = pos;
        net->TransitionCounter().Value = tr;
        return s;
    }
    std::vector<Piece> Pieces() const { return PiecesOf(net->Net()); }
    std::vector<int> Modes() const
    {
        std::vector<int> modes;
        for (const auto &o : net->Net().Objects())
            modes.push_back(o->Mode);
        return modes;
    }
    static QPoint At(const TDrawingObject &o) { return { o.Left(), o.Top() }; }
    QPoint Pointer() const { return View()->mapFromGlobal(QCursor::pos()); }
    void PointTo(QPoint client) const { QCursor::setPos(View()->mapToGlobal(client)); }
    // Whether the window shows anything a fresh paint of the same state would not.
    bool Leftover() const
    {
        View()->repaint();
        const QImage shown = net->Backing().copy();
        net->Redraw();
        net->PaintPage();
        return shown != net->Backing();
    }
    static std::vector<Piece> PiecesOf(const TDrawingObjects &doc)
    {
        std::vector<Piece> out;
        for (auto *a : doc.Arcs())
            out.emplace_back(a->Left(), a->Top(), a->Right(), a->Bottom());
        return out;
    }

    TNet *net = nullptr;
};

TEST_F(NetEditingTest, PlacingSnapsToTheGridAndNumbersLabelsOnFromTheFile)
{
    NewNet(mdPlacePosition);
    Click({ 13, 11 });
    Click({ 100, 100 });
    gn->SetMode(mdPlaceTransition);
    Click({ 200, 40 });
    ASSERT_EQ(net->Net().Positions().size(), 2u);
    const TPosition &l1 = *net->Net().Positions()[0], &l2 = *net->Net().Positions()[1];
    EXPECT_EQ(At(l1), QPoint(16, 8));
    EXPECT_EQ(l1.Capacity, -1);
    EXPECT_EQ(l1.selfLabel() + l2.selfLabel(), "L1L2");
    EXPECT_EQ(l2.Left(), 96); // half a step rounds down
    ASSERT_EQ(net->Net().Transitions().size(), 1u);
    EXPECT_EQ(net->Net().Transitions()[0]->selfLabel(), "Z1");

    Globals().SnapToGrid = false;
    gn->SetMode(mdPlacePosition);
    Click({ 12, 11 });
    EXPECT_EQ(At(*net->Net().Positions().back()), QPoint(12, 11));
    Globals().SnapToGrid = true;

    // An arc piece whose ends snap to one point is no piece.
    gn->SetMode(mdPlaceArc);
    Drag({ 298, 298 }, { 299, 297 });
    EXPECT_TRUE(net->Net().Arcs().empty());
    Drag({ 298, 298 }, { 403, 299 });
    ASSERT_EQ(Pieces(), (std::vector<Piece> { { 296, 296, 400, 296 } }));

    // Numbering goes on from the counter a file was saved with.
    TTestNet t;
    AddPosition(t.Net, 40, 40, "L7");
    t.Positions.Value = 7;
    ASSERT_TRUE(SaveNetFile(Path("seven.vgn").toStdString(), t.Net));
    net = gn->OpenNet(Path("seven.vgn"));
    gn->SetMode(mdPlacePosition);
    Click({ 200, 200 });
    EXPECT_EQ(net->Net().Positions().back()->selfLabel(), "L8");
}

// The scroll range stopped at the options' page, so a larger net could not be reached.
TEST_F(NetEditingTest, PageGrowsToHoldTheNetAndWhatIsPlacedAtItsEdge)
{
    NewNet(mdPlacePosition);
    const int w = View()->width();
    AddPosition(net->Net(), 5000, 40, "Far");
    net->Zoom(8, false); // as opening a file does
    EXPECT_EQ(net->xPgSize(), 5000 + Globals().XPsize + w);
    EXPECT_EQ(net->yPgSize(), Globals().yPageSize);

    net->SetHorzPosition(net->xPgSize());
    Click({ w - 12, 40 });
    ASSERT_EQ(net->Net().Positions().size(), 2u);
    EXPECT_EQ(net->xPgSize(), net->Net().Positions()[1]->Right() + w);
}

TEST_F(NetEditingTest, ClickShiftClickAltClickAndRectanglesSelect)
{
    NewNet();
    TDrawingObjects &doc = net->Net();
    auto a = AddPosition(doc, 40, 40, "A");
    auto b = AddPosition(doc, 56, 40, "B"); // overlaps A from x 56 to 72
    AddPosition(doc, 200, 40, "C");
    AddPosition(doc, 300, 200, "D");

    const int n = omNormal, s = omSelected;
    Click({ 80, 50 });
    EXPECT_EQ(net->State().EditState, esSingle);
    EXPECT_EQ(net->Selected(), b.get());
    EXPECT_EQ(Modes(), (std::vector { n, s, n, n }));
    Click({ 60, 50 });
    EXPECT_EQ(net->Selected(), b.get());
    Click({ 500, 350 });

    // Alt picks the lowest object under the pointer, without it the topmost.
    Click({ 60, 50 }, Qt::AltModifier);
    EXPECT_EQ(net->Selected(), a.get());
    EXPECT_EQ(Modes(), (std::vector { s, n, n, n }));

    Click({ 210, 50 }, Qt::ShiftModifier);
    EXPECT_EQ(net->State().EditState, esGroup);
    EXPECT_TRUE(net->State().GroupSelection);
    EXPECT_EQ(Modes(), (std::vector { s, n, s, n }));
    Click({ 210, 50 }, Qt::ShiftModifier);
    EXPECT_EQ(Modes(), (std::vector { s, n, n, n }));
    EXPECT_EQ(net->State().EditState, esNone);

    Click({ 500, 350 });
    EXPECT_EQ(net->State().EditState, esNone);
    EXPECT_EQ(net->Selected(), nullptr);
    EXPECT_EQ(Modes(), (std::vector { n, n, n, n }));

    // A rectangle selects what it touches and drops the rest; with Shift it toggles.
    Click({ 310, 210 });
    Drag({ 30, 30 }, { 210, 60 });
    EXPECT_EQ(net->State().EditState, esGroup);
    EXPECT_EQ(Modes(), (std::vector { s, s, s, n }));
    Drag({ 190, 30 }, { 350, 250 }, Qt::ShiftModifier);
    EXPECT_EQ(Modes(), (std::vector { s, s, n, s }));
    EXPECT_FALSE(Leftover()) << "rubber band";
}

TEST_F(NetEditingTest, DraggingMovesTheSelectionAndSettlesItOnTheGrid)
{
    NewNet();
    auto p = AddPosition(net->Net(), 40, 40, "L1");
    auto q = AddPosition(net->Net(), 120, 40, "L2");
    Click({ 50, 50 });
    ASSERT_EQ(net->State().EditState, esSingle);
    Press({ 50, 50 });
    EXPECT_EQ(net->State().EditState, esDragging);
    EXPECT_EQ(p->Mode, omDragged);
    Move({ 60, 52 });
    Move({ 63, 55 });
    EXPECT_EQ(p->Left(), 53);
    Release({ 63, 55 });
    EXPECT_EQ(At(*p), QPoint(48, 40));
    EXPECT_EQ(p->Mode, omSelected);
    EXPECT_EQ(net->State().EditState, esSingle);

    // A second press that arrives as a double click starts a drag all the same.
    QMouseEvent again(QEvent::MouseButtonDblClick, QPointF(56, 50),
        View()->mapToGlobal(QPointF(56, 50)), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(View(), &again);
    Move({ 72, 50 });
    Release({ 72, 50 });
    EXPECT_EQ(p->Left(), 64);

    Drag({ 30, 30 }, { 200, 100 });
    ASSERT_EQ(net->State().EditState, esGroup);
    Drag({ 130, 50 }, { 130, 66 });
    EXPECT_EQ(std::make_pair(p->Top(), q->Top()), std::make_pair(56, 56));
    EXPECT_EQ(net->State().EditState, esGroup);
    EXPECT_EQ(q->Mode, omSelected);
}

TEST_F(NetEditingTest, DragEditMovesTheJointOfTwoSegmentsTogether)
{
    DropUnsavedNets();
    for (std::uint16_t mode : { mdDragEdit, mdEdit }) {
        NewNet(mode);
        auto a1 = AddArc(net->Net(), 40, 200, 120, 200);
        auto a2 = AddArc(net->Net(), 120, 200, 120, 280);
        net->Net().RebuildConnections();
        ASSERT_EQ(a1->NextArc(), a2.get());
        Click({ 80, 200 });
        ASSERT_EQ(net->Selected(), a1.get());
        Press({ 120, 200 });
        Move({ 130, 205 });
        Move({ 136, 208 });
        Release({ 136, 208 });
        EXPECT_EQ(Pieces(),
            (std::vector<Piece> { { 40, 200, 136, 208 },
                mode == mdDragEdit ? Piece { 136, 208, 120, 280 }
                                   : Piece { 120, 200, 120, 280 } }));
        Trigger("miClose");
    }
}

TEST_F(NetEditingTest, ArcsFollowANodeDraggedInDragEditOrAreRoutedAnew)
{
    NewNet(mdDragEdit);
    auto l1 = AddPosition(net->Net(), 40, 80, "L1");
    auto z1 = AddTransition(net->Net(), 200, 64, "Z1");
    auto arc = AddArc(net->Net(), 72, 96, 216, 96);
    net->Net().RebuildConnections();
    ASSERT_EQ(arc->ToNode(), z1.get());

    Click({ 205, 130 });
    ASSERT_EQ(net->Selected(), z1.get());
    Drag({ 205, 130 }, { 221, 130 });
    EXPECT_EQ(z1->Left(), 216);
    EXPECT_EQ(Pieces(), (std::vector<Piece> { { 72, 96, 232, 96 } }));

    // A horizontal arc cannot follow a node moved down: it is routed again, still from L1 to Z1.
    Click({ 221, 130 });
    const std::string before = Bytes();
    const std::int32_t step = net->Net().UndoStep;
    Drag({ 221, 130 }, { 221, 162 });
    EXPECT_EQ(z1->Top(), 96);
    net->Net().RebuildConnections();
    ASSERT_FALSE(net->Net().Arcs().empty());
    bool joined = false;
    for (auto *a : net->Net().Arcs())
        joined |= a->FromNode() == l1.get() && a->ToNode() == z1.get();
    EXPECT_TRUE(joined);
    EXPECT_EQ(z1->InIndex.size(), 1u);

    // Routing adds steps of its own; undoing them all gives the net before the drag, and no
    // step leaves an object dragged.
    while (net->Net().UndoStep > step) {
        net->Net().Undo();
        for (const auto &o : net->Net().Objects())
            EXPECT_NE(o->Mode, omDragged) << net->Net().UndoStep;
    }
    EXPECT_EQ(Bytes(), before);
}

TEST_F(NetEditingTest, RoutedArcLeavesAndEntersItsNodesThroughStubs)
{
    NewNet(mdArcWizard);
    TDrawingObjects &doc = net->Net();
    auto build = [&doc](std::int32_t transitionTop) { // a transition 8 pixels wide
        doc.Clear();
        AddPosition(doc, 80, 80, "L1");
        auto z = AddTransition(doc, 200, transitionTop, "Z1");
        z->SetRight(208);
        z->SetWidth(8);
    };
    build(160);
    // The start marker shows over a node, at the side the arc would leave by.
    Move({ 104, 96 }, Qt::NoButton);
    EXPECT_TRUE(net->State().MarkerShown);
    EXPECT_EQ(net->State().WizardAnchor.x, 108);
    Move({ 300, 300 }, Qt::NoButton);
    EXPECT_FALSE(net->State().MarkerShown);

    Drag({ 104, 96 }, { 202, 200 });
    EXPECT_EQ(Pieces(),
        (std::vector<Piece> {
            { 152, 96, 152, 200 }, { 112, 96, 152, 96 }, { 152, 200, 204, 200 } }));
    EXPECT_TRUE(doc.Arcs().back()->Arrowed);
    EXPECT_FALSE(doc.Arcs().front()->Arrowed);

    // On one row the two stubs meet and become one piece.
    build(64);
    Drag({ 104, 96 }, { 202, 96 });
    EXPECT_EQ(Pieces(), (std::vector<Piece> { { 112, 96, 204, 96 } }));

    // On an empty page the snapped points are joined directly.
    doc.Clear();
    Drag({ 13, 11 }, { 61, 45 });
    ASSERT_FALSE(doc.Arcs().empty());
    EXPECT_EQ(At(*doc.Arcs().front()), QPoint(16, 8));
    EXPECT_EQ(QPoint(doc.Arcs().back()->Right(), doc.Arcs().back()->Bottom()), QPoint(64, 48));
}

TEST_F(NetEditingTest, TheWindowRoutesTheVeryPiecesOfTheCoreCommand)
{
    // Each arc an obstacle for the next; the second press lies on a node's middle column.
    const QPoint ends[][2] = { { { 104, 96 }, { 222, 200 } }, { { 96, 120 }, { 218, 40 } },
        { { 300, 300 }, { 500, 120 } } };
    auto build = [](TDrawingObjects &doc) {
        AddPosition(doc, 80, 80, "L1");
        AddTransition(doc, 200, 160, "Z1");
        AddTransition(doc, 200, 16, "Z2");
    };
    NewNet(mdArcWizard);
    build(net->Net());
    TTestNet core;
    build(core.Net);
    for (const auto &e : ends) {
        Drag(e[0], e[1]);
        EXPECT_TRUE(AutoRouteArc(core.Net, e[0].x(), e[0].y(), e[1].x(), e[1].y()).Made());
    }
    EXPECT_EQ(Pieces(), PiecesOf(core.Net));
    EXPECT_EQ(gn->StatusPanel(3), "");
    // A press and release in one cell of empty page route nothing, and the status bar says so.
    Drag({ 402, 298 }, { 404, 299 });
    EXPECT_EQ(gn->StatusPanel(3), "No route");
}

TEST_F(NetEditingTest, NothingDrawnOverTheNetStaysBehindWhenAnInteractionEnds)
{
    NewNet();
    auto z = AddTransition(net->Net(), 200, 80, "Z1");
    AddPosition(net->Net(), 80, 240, "L1");
    const QPoint handle(z->Left() + z->Width() / 2, z->Bottom());
    Click(handle - QPoint(0, 8));
    ASSERT_EQ(net->State().EditState, esSingle);
    Drag(handle, handle + QPoint(0, 24));
    Click({ 500, 350 });
    EXPECT_FALSE(Leftover()) << "handles of a height drag";

    gn->SetMode(mdArcWizard);
    Drag({ 104, 256 }, { z->Left() + 2, z->Top() + 8 });
    Move({ 500, 350 }, Qt::NoButton);
    EXPECT_FALSE(Leftover()) << "route marker over the new arrow head";
}

TEST_F(NetEditingTest, InfoKeyDescribesTheObjectUnderThePointer)
{
    NewNet();
    TDrawingObjects &doc = net->Net();
    AddPosition(doc, 40, 80, "L1");
    AddPosition(doc, 40, 128, "L2");
    AddTransition(doc, 200, 80, "Z1");
    AddPosition(doc, 360, 104, "L3");
    AddArc(doc, 72, 96, 216, 96);
    AddArc(doc, 72, 144, 216, 144);
    AddArc(doc, 216, 120, 360, 120);
    // The box shows each two-character line end as one break.
    const QString header = "Transitions=1\nPositions=3\nArcs=3\nComponents=7\n";
    auto infoAt = [&](QPoint client) {
        QString text;
        PointTo(client);
        AnswerModal([&](QWidget *box) {
            text = static_cast<QMessageBox *>(box)->text();
            box->close();
        });
        QTest::keyClick(net, Qt::Key_I);
        return text;
    };
    EXPECT_EQ(
        infoAt({ 210, 130 }), header + "Transition Z1 is connected \n\nIn   : L1 L2\nOut  : L3");
    EXPECT_EQ(infoAt({ 370, 110 }), header + "Position L3 is connected \nIn   : Z1\n");
    EXPECT_EQ(ObjectInfo(doc, 100, 96),
        "Transitions=1\n\rPositions=3\n\rArcs=3\n\rComponents=7\n\r Arc \r\nFrom   : L1\r\nTo   : "
        "Z1\r\n");
    EXPECT_EQ(ObjectInfo(doc, 500, 300), "");
}

TEST_F(NetEditingTest, RightButtonAndKeysSelectOpenPropertiesAndPlace)
{
    NewNet();
    auto p = AddPosition(net->Net(), 40, 40, "L1");
    gn->SetMode(mdPlacePosition);

    // Over an object the right button only makes it the current object; a key release whose
    // press went elsewhere does nothing.
    Press({ 50, 50 }, {}, Qt::RightButton);
    QTest::keyRelease(net, Qt::Key_Space);
    EXPECT_EQ(net->Selected(), nullptr);
    Release({ 50, 50 }, {}, Qt::RightButton);
    EXPECT_EQ(net->Selected(), p.get());
    EXPECT_EQ(p->Mode, omNormal);

    // Space over an empty spot opens the net properties; the button stays released.
    bool opened = false;
    AnswerModal([&](QWidget *dialog) {
        opened = true;
        static_cast<QDialog *>(dialog)->reject();
    });
    PointTo({ 300, 300 });
    QTest::keyPress(net, Qt::Key_Space);
    QTest::keyRelease(net, Qt::Key_Space);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(net->State().Buttons & Qt::LeftButton);

    // Arrows move the pointer by grid steps, four with Ctrl.
    PointTo({ 96, 96 });
    QTest::keyClick(net, Qt::Key_Right);
    EXPECT_EQ(Pointer(), QPoint(104, 96));
    QTest::keyClick(net, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Pointer(), QPoint(104, 128));

    // Insert is a held left button: here it places a position at the pointer.
    QTest::keyPress(net, Qt::Key_Insert);
    EXPECT_TRUE(net->State().KeyDrag);
    QTest::keyRelease(net, Qt::Key_Insert);
    EXPECT_FALSE(net->State().KeyDrag);
    EXPECT_EQ(net->Net().Positions().back()->Left(), 104);
}

TEST_F(NetEditingTest, AltKeysScrollKeypadKeysZoomAndEdgeKeysMoveThePointer)
{
    NewNet();
    const int hMax = net->horizontalScrollBar()->maximum();
    const int vMax = net->verticalScrollBar()->maximum();
    ASSERT_GT(hMax, 0);
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int h, v;
    } scrolls[] = { { Qt::Key_End, {}, hMax, 0 }, { Qt::Key_PageDown, {}, hMax, vMax },
        { Qt::Key_Home, {}, 0, vMax }, { Qt::Key_PageUp, {}, 0, 0 }, { Qt::Key_Right, {}, 8, 0 },
        { Qt::Key_Down, Qt::ControlModifier, 8, 32 } };
    for (const auto &k : scrolls) {
        QTest::keyClick(net, k.key, Qt::AltModifier | k.mods);
        EXPECT_EQ(QPoint(net->HorzPosition(), net->VertPosition()), QPoint(k.h, k.v)) << k.key;
    }

    // The keypad keys zoom by one pixel per grid step.
    QTest::keyClick(net, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(net->Net().xBaseUnit(), 9);
    QTest::keyClick(net, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(net->Net().xBaseUnit(), 8);
    QTest::keyClick(net, Qt::Key_Plus); // the main keyboard's plus is not a zoom key
    EXPECT_EQ(net->Net().xBaseUnit(), 8);

    // Home and End take the pointer to the client area's edges on its grid row.
    PointTo({ 203, 99 });
    QTest::keyClick(net, Qt::Key_Home);
    EXPECT_EQ(Pointer(), QPoint(0, 96));
    QTest::keyClick(net, Qt::Key_End);
    EXPECT_EQ(Pointer().x(), View()->width() - 1);
}

TEST_F(NetEditingTest, DragRestingNearTheEdgeScrollsByGridStepsUntilReleased)
{
    NewNet();
    auto p = AddPosition(net->Net(), 544, 184, "L1");
    Click({ 550, 190 });
    ASSERT_EQ(net->State().EditState, esSingle);
    Press({ 560, 190 });
    Move({ 580, 190 });
    PointTo({ 590, 190 });
    Move({ 590, 190 });
    EXPECT_TRUE(net->Interval().isActive());
    for (int tick = 0; tick < 3; ++tick)
        QMetaObject::invokeMethod(&net->Interval(), "timeout");
    const int scrolled = net->HorzPosition();
    EXPECT_GT(scrolled, 8);
    EXPECT_EQ(scrolled % 8, 0);
    EXPECT_EQ(net->VertPosition(), 0);

    Move({ 300, 190 });
    Move({ 302, 190 });
    EXPECT_FALSE(net->Interval().isActive()) << "no more scrolling away from the edge";
    // The object stays under the pointer.
    EXPECT_EQ(p->Left(), 544 + 302 - 560 + net->HorzPosition());
    Release({ 300, 190 });
    EXPECT_EQ(net->State().EditState, esSingle);
}

TEST_F(NetEditingTest, UndoAndRedoOfAnEditingSessionGiveBackEveryStep)
{
    NewNet(mdPlacePosition);
    std::vector<std::string> states;
    auto step = [&](const std::function<void()> &action) {
        states.push_back(Bytes());
        action();
    };
    step([&] { Click({ 40, 40 }); });
    step([&] { Click({ 200, 40 }); });
    gn->SetMode(mdPlaceTransition);
    step([&] { Click({ 120, 24 }); });
    gn->SetMode(mdPlaceArc);
    step([&] { Drag({ 72, 56 }, { 136, 56 }); });
    gn->SetMode(mdArcWizard);
    step([&] { Drag({ 140, 80 }, { 210, 56 }); });
    gn->SetMode(mdEdit);
    step([&] { Click({ 50, 50 }); });
    step([&] { Drag({ 50, 50 }, { 66, 90 }); });
    step([&] { Drag({ 20, 20 }, { 300, 200 }); });
    step([&] { Drag({ 130, 60 }, { 146, 92 }); });
    step([&] { Click({ 210, 60 }, Qt::ShiftModifier); });
    step([&] { Drag({ 0, 0 }, { 100, 300 }, Qt::ShiftModifier); });
    gn->SetMode(mdDragEdit);
    step([&] { Click({ 500, 300 }); });
    const std::string last = Bytes();
    ASSERT_NE(states.front(), last);

    for (std::size_t i = states.size(); i > 0; --i) {
        net->Net().Undo();
        EXPECT_EQ(Bytes(), states[i - 1]) << "undo of step " << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        net->Net().Redo();
        EXPECT_EQ(Bytes(), states[i]) << "redo of step " << i;
    }
    net->Net().Redo();
    EXPECT_EQ(Bytes(), last);
}

} // namespace
} // namespace morvane::test
