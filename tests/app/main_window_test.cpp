// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "editor/editor_modes.h"
#include "editor/logo.h"
#include "editor/message_list_box.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>

namespace morvane::test {
namespace {

using MainWindowTest = AppTest;

QStringList VisibleMenus(TGN *gn)
{
    QStringList titles;
    for (QAction *a : gn->menuBar()->actions())
        if (a->isVisible())
            titles << a->text();
    return titles;
}

TEST_F(MainWindowTest, EveryMenuItemHasItsCaptionAndShortcut)
{
    struct Item
    {
        const char *name, *caption, *shortcut;
    };
    const Item items[] = {
        { "miNew", "&New...", "Ctrl+N" },
        { "miOpen", "&Open...", "Ctrl+O" },
        { "miOpenAs", "Open As...", "" },
        { "miImport", "&Import...", "Ctrl+I" },
        { "miSave", "&Save...", "Ctrl+S" },
        { "miSaveAs", "Save As...", "" },
        { "miClose", "&Close", "Ctrl+F3" },
        { "miExport", "&Export...", "" },
        { "miPrintPreview", "Print Pre&view", "" },
        { "miPrint", "&Print...", "Ctrl+P" },
        { "miExit", "E&xit", "Alt+F4" },
        { "miUndo", "&Undo", "Alt+Backspace" },
        { "miRedo", "&Redo", "Shift+Alt+Backspace" },
        { "miRewire", "Re&wire", "Ctrl+W" },
        { "miRemoveFloating", "&Remove Floating", "Ctrl+F" },
        { "miClearDisconnected", "&Clear Disconnected", "Shift+Del" },
        { "miByXY", "By &XY", "Shift+F6" },
        { "miByTransitions", "By &Transitions", "Shift+F7" },
        { "miPositionInitialize", "&Initialize", "Shift+F8" },
        { "miTransitionRelabel", "&Relabel", "Ctrl+F6" },
        { "miTransitionInitialize", "&Initilaize", "Ctrl+F8" },
        { "miSelectedObject", "&Selected Object", "Space" },
        { "miGeneralizedNet", "&Generalized Net", "Ctrl+Space" },
        { "miCheckTopology", "&Check Topology", "F11" },
        { "miDragEdit", "Drag ed&it", "Ctrl+D" },
        { "miEdit", "&Edit", "Ctrl+E" },
        { "miCut", "Cu&t", "Ctrl+X" },
        { "miCopy", "&Copy", "Ctrl+C" },
        { "miPaste", "&Paste", "Ctrl+V" },
        { "miDelete", "&Delete", "Del" },
        { "miZoomIn", "&In", "" },
        { "miZoomOut", "&Out", "" },
        { "miZoomNo", "&No", "Shift+Ctrl+N" },
        { "miBestFit", "&Best fit", "Ctrl+B" },
        { "miRedraw", "&Redraw", "F5" },
        { "miToolbar", "Toolbar", "" },
        { "miStatusLine", "&Status Line", "" },
        { "miMessages", "Messages", "" },
        { "miEventTracer", "Event Tracer", "" },
        { "miPlaceTransition", "&Transition", "T" },
        { "miPlacePosition", "&Position", "P" },
        { "miPlaceArc", "&Arc", "A" },
        { "miTransitionWizard", "Transition &Wizard", "Ctrl+T" },
        { "miLeftTransition", "&Left Transition", "Ctrl+L" },
        { "miRightTransition", "&Right Transition", "Ctrl+R" },
        { "miAutorouteArc", "Auto&route Arc", "Ctrl+A" },
        { "miOptions", "&Options", "" },
        { "miTileHorizontal", "&Horisontal", "" },
        { "miTileVertical", "&Veritical", "" },
        { "miCascade", "&Cascade", "" },
        { "miArrangeAll", "&Arrange All", "" },
        { "miIndex", "Index", "" },
        { "miAbout", "&About", "" },
    };
    for (const Item &item : items) {
        QAction *a = Act(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), item.caption) << item.name;
        EXPECT_EQ(a->shortcut(), QKeySequence::fromString(item.shortcut)) << item.name;
    }
    EXPECT_EQ(Act("miToolbar")->isChecked(), true);
    EXPECT_EQ(Act("miStatusLine")->isChecked(), true);
    EXPECT_EQ(Act("miMessages")->isChecked(), false);
}

TEST_F(MainWindowTest, NetMenusFollowTheOpenWindowsAndNewCountsThem)
{
    EXPECT_EQ(VisibleMenus(gn), (QStringList { "&File", "&Options", "&Help" }));
    EXPECT_EQ(gn->EditorMode(), mdNone);
    EXPECT_FALSE(Act("tbEdit")->isEnabled());
    EXPECT_FALSE(Act("miSave")->isEnabled());
    EXPECT_TRUE(Act("miSaveAs")->isEnabled());
    EXPECT_TRUE(Act("tbNew")->isEnabled());

    Trigger("miNew");
    Trigger("tbNew"); // the button does what the item does
    auto nets = gn->NetWindows();
    ASSERT_EQ(nets.size(), 2u);
    EXPECT_EQ(nets[0]->windowTitle(), "Noname1.vgn");
    EXPECT_EQ(nets[1]->windowTitle(), "Noname2.vgn");
    EXPECT_EQ(nets[1]->FileName(), "");
    EXPECT_EQ(VisibleMenus(gn),
        (QStringList { "&File", "&Edit", "&View", "&Place", "&Options", "&Window", "&Help" }));
    EXPECT_TRUE(Act("tbEdit")->isEnabled());
    EXPECT_TRUE(Act("miSave")->isEnabled());
    EXPECT_EQ(gn->EditorMode(), mdNone) << "New leaves the mode alone";

    nets[0]->parentWidget()->close();
    Settle();
    Trigger("miNew");
    nets = gn->NetWindows();
    ASSERT_EQ(nets.size(), 2u);
    EXPECT_EQ(nets[1]->windowTitle(), "Noname2.vgn");

    Trigger("miPlacePosition");
    for (TNet *net : gn->NetWindows())
        net->parentWidget()->close();
    Settle();
    EXPECT_TRUE(gn->NetWindows().empty());
    EXPECT_EQ(gn->EditorMode(), mdNone);
    EXPECT_EQ(VisibleMenus(gn), (QStringList { "&File", "&Options", "&Help" }));
    EXPECT_FALSE(Act("tbUnDo")->isEnabled());

    // With no window, commands that need one do nothing.
    Trigger("miEdit");
    Trigger("miUndo");
    Trigger("miCheckTopology");
    EXPECT_EQ(gn->EditorMode(), mdNone);
}

TEST_F(MainWindowTest, ModesShowTheirNameAndGlyphAndTransientModesReturnToEdit)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    ASSERT_NE(net, nullptr);

    Trigger("miEdit");
    EXPECT_EQ(gn->EditorMode(), mdEdit);
    EXPECT_EQ(gn->ModeName(), "Edit mode");
    const QImage editGlyph = gn->ModeGlyph();

    Trigger("tbPlacePosition");
    EXPECT_EQ(gn->EditorMode(), mdPlacePosition);
    EXPECT_EQ(gn->ModeName(), "Place position");
    EXPECT_NE(gn->ModeGlyph(), editGlyph);
    EXPECT_EQ(net->viewport()->cursor().shape(), Qt::BitmapCursor);

    for (const char *transient : { "miCut", "miCopy", "miPaste", "miDelete", "miUndo", "miRedo" }) {
        Trigger("miPlaceTransition");
        ASSERT_EQ(gn->ModeName(), "Place transition");
        Trigger(transient);
        EXPECT_EQ(gn->EditorMode(), mdEdit) << transient;
        EXPECT_EQ(gn->ModeName(), "Edit mode") << transient;
        EXPECT_EQ(gn->ModeGlyph(), editGlyph) << transient;
        EXPECT_EQ(net->State().EditState, esGroup) << transient;
        EXPECT_EQ(net->viewport()->cursor().shape(), Qt::ArrowCursor) << transient;
    }

    const std::pair<const char *, std::uint16_t> wizards[]
        = { { "miLeftTransition", mdLeftTransition }, { "miTransitionWizard", mdTransitionWizard },
              { "miRightTransition", mdRightTransition } };
    for (auto [item, mode] : wizards) {
        Trigger(item);
        EXPECT_EQ(gn->EditorMode(), mode) << item;
        EXPECT_EQ(gn->ModeName(), "Transition wizard");
        EXPECT_EQ(net->State().EditState, esWizardArmed);
    }
    Trigger("miEdit");
    EXPECT_EQ(net->State().EditState, esGroup) << "leaving a wizard mode";

    Trigger("miAutorouteArc");
    EXPECT_EQ(gn->ModeName(), "Arc wizard");
    Trigger("miDragEdit");
    EXPECT_EQ(gn->ModeName(), "Drag edit mode");

    // The check leaves the mode's name and glyph up, but the mode is none.
    const QImage dragGlyph = gn->ModeGlyph();
    Trigger("miCheckTopology");
    EXPECT_EQ(gn->EditorMode(), mdNone);
    EXPECT_EQ(gn->ModeName(), "Drag edit mode");
    EXPECT_EQ(gn->ModeGlyph(), dragGlyph);

    // Esc in the net window returns to edit mode.
    QTest::keyClick(net, Qt::Key_Escape);
    EXPECT_EQ(gn->EditorMode(), mdEdit);
}

TEST_F(MainWindowTest, UndoButtonsFollowTheActiveNetWhileTheMenuItemsStayEnabled)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    Trigger("miEdit");
    EXPECT_FALSE(Act("tbUnDo")->isEnabled());
    EXPECT_FALSE(Act("tbReDo")->isEnabled());

    net->Net().BeginStep();
    auto p = AddPosition(net->Net(), 40, 40, "L1");
    gn->UpdateUndoButtons();
    EXPECT_TRUE(Act("tbUnDo")->isEnabled());
    EXPECT_FALSE(Act("tbReDo")->isEnabled());

    Trigger("tbUnDo");
    EXPECT_TRUE(net->Net().Positions().empty());
    EXPECT_FALSE(Act("tbUnDo")->isEnabled());
    EXPECT_TRUE(Act("tbReDo")->isEnabled());
    EXPECT_TRUE(Act("miUndo")->isEnabled());

    Trigger("miRedo");
    EXPECT_EQ(net->Net().Positions().size(), 1u);
    EXPECT_TRUE(Act("tbUnDo")->isEnabled());
    EXPECT_FALSE(Act("tbReDo")->isEnabled());

    // A press in the window begins a step, which drops the redo list.
    Trigger("miUndo");
    ASSERT_TRUE(Act("tbReDo")->isEnabled());
    // Over an empty spot the right button opens the net properties.
    AnswerModal([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    QTest::mouseClick(net->viewport(), Qt::RightButton, {}, { 5, 5 });
    EXPECT_FALSE(Act("tbReDo")->isEnabled());
}

TEST_F(MainWindowTest, DeleteRemovesTheSelectionAndItsMessageLinesLeadNowhere)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    auto l1 = AddPosition(net->Net(), 40, 40, "L1");
    auto l2 = AddPosition(net->Net(), 120, 40, "L2");
    Trigger("miCheckTopology");
    ASSERT_EQ(gn->Messages().Count(), 2u);

    l1->Mode = omSelected;
    Trigger("miDelete");
    EXPECT_EQ(net->Net().Positions().size(), 1u);
    EXPECT_EQ(net->Net().Positions()[0], l2.get());
    EXPECT_TRUE(gn->Messages()[0].Object.expired());
    EXPECT_EQ(gn->EditorMode(), mdEdit);

    // Undo brings L1 back, and with it a line that may lead to it again after a new check.
    Trigger("miUndo");
    EXPECT_EQ(net->Net().Positions().size(), 2u);
}

TEST_F(MainWindowTest, ViewItemsShowAndHideTheBars)
{
    QWidget *strip = gn->findChild<QWidget *>("cbToolbars");
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    Trigger("miToolbar");
    EXPECT_FALSE(strip->isVisible());
    EXPECT_FALSE(Act("miToolbar")->isChecked());
    Trigger("miToolbar");
    EXPECT_TRUE(strip->isVisible());

    Trigger("miStatusLine");
    EXPECT_FALSE(gn->statusBar()->isVisible());
    Trigger("miStatusLine");
    EXPECT_TRUE(gn->statusBar()->isVisible());

    EXPECT_FALSE(gn->MessagePanel()->isVisible());
    Trigger("miMessages");
    EXPECT_TRUE(gn->MessagePanel()->isVisible());
    EXPECT_TRUE(Act("miMessages")->isChecked());
    Trigger("miMessages");
    EXPECT_FALSE(gn->MessagePanel()->isVisible());
}

TEST_F(MainWindowTest, AboutShowsTheSplashPictureUntilAKey)
{
    TLogo *logo = Program().Logo;
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(500, 300));
    EXPECT_TRUE(logo->windowFlags() & Qt::WindowStaysOnTopHint);
    bool wasModal = false;
    AnswerModal([&](QWidget *modal) {
        wasModal = modal == logo;
        QTest::keyClick(modal, Qt::Key_A);
    });
    Trigger("miAbout");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(logo->isVisible());
    EXPECT_EQ(logo->result(), QDialog::Accepted);

    // Shown as a splash, a click merely hides it.
    logo->show();
    QTest::mouseClick(logo->Logo(), Qt::LeftButton);
    EXPECT_FALSE(logo->isVisible());
}

TEST_F(MainWindowTest, HintOverANetWindowIsTheDescriptionOfTheNodeUnderThePointer)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    auto p = AddPosition(net->Net(), 40, 40, "L1");
    p->Description = "buffer of parts";
    auto hint = [&](QPoint at) {
        QHelpEvent e(QEvent::ToolTip, at, net->viewport()->mapToGlobal(at));
        QApplication::sendEvent(net->viewport(), &e);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hint({ 50, 50 }), "buffer of parts");
    hint({ 200, 200 });
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        << "no node there: the hint goes";
}

} // namespace
} // namespace morvane::test
