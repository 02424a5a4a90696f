// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "editor/editor_modes.h"
#include "editor/logo.h"
#include "editor/message_list_box.h"
#include "editor/properties_inspector.h"

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
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

// The child window's own close key once made Ctrl+W ambiguous, so it did nothing.
TEST_F(MainWindowTest, EveryShortcutBelongsToOneCommandAndReachesIt)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    QMap<QKeySequence, QString> owners;
    QList<QAction *> actions = gn->menuBar()->findChildren<QAction *>();
    actions += gn->MdiArea()->findChildren<QAction *>();
    for (QAction *a : actions)
        for (const QKeySequence &key : a->shortcuts()) {
            EXPECT_FALSE(owners.contains(key))
                << key.toString().toStdString() << ": " << owners.value(key).toStdString()
                << " and " << a->objectName().toStdString();
            owners.insert(key, a->objectName());
        }

    QApplication::setActiveWindow(gn);
    net->setFocus();
    const std::pair<QKeyCombination, const char *> presses[] = {
        { Qt::CTRL | Qt::Key_W, "miRewire" },
        { Qt::CTRL | Qt::Key_E, "miEdit" },
        { QKeyCombination(Qt::Key_F11), "miCheckTopology" },
        { QKeyCombination(Qt::Key_T), "miPlaceTransition" },
    };
    for (auto [key, item] : presses) {
        QSignalSpy triggered(Act(item), &QAction::triggered);
        QTest::keyClick(net, key.key(), key.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << item;
    }
}

// A net window closed but not yet deleted once outlived the clipboard it reached into.
TEST_F(MainWindowTest, AClosedNetWindowGoesWithTheMainWindow)
{
    Trigger("miNew");
    QPointer<TNet> net = gn->ActiveNet();
    net->parentWidget()->close();
    ShutDown();
    EXPECT_TRUE(net.isNull());
}

// Ctrl+V into a text field crashed the editor when the system clipboard was empty.
TEST_F(MainWindowTest, TextFieldsRefuseToPasteAnEmptyClipboard)
{
    struct TField : QPlainTextEdit
    {
        int Pastes = 0;
        void keyPressEvent(QKeyEvent *event) override
        {
            Pastes += event->matches(QKeySequence::Paste);
            QPlainTextEdit::keyPressEvent(event);
        }
    } field;
    EXPECT_TRUE(gn->Inspector()->ContextHelp()->isReadOnly());
    QApplication::clipboard()->clear();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
    // Under X the clipboard hands over data without any format: the shape that crashed.
    QApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.Pastes, 0);
    QApplication::clipboard()->setText("L1");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.toPlainText(), "L1");
    QApplication::clipboard()->clear();
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

    // Something to undo, and then to redo.
    net->Net().BeginStep();
    AddPosition(net->Net(), 40, 40, "L1");
    gn->UpdateUndoButtons();
    for (const char *transient : { "miUndo", "miRedo", "miCut", "miCopy", "miPaste", "miDelete" }) {
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

TEST_F(MainWindowTest, UndoCommandsAreOfferedOnlyWithSomethingToUndoOrRedo)
{
    Trigger("miNew");
    TNet *net = gn->ActiveNet();
    Trigger("miEdit");
    auto expectOffered = [this](bool undo, bool redo) {
        EXPECT_EQ(Act("tbUnDo")->isEnabled(), undo);
        EXPECT_EQ(Act("miUndo")->isEnabled(), undo);
        EXPECT_EQ(Act("tbReDo")->isEnabled(), redo);
        EXPECT_EQ(Act("miRedo")->isEnabled(), redo);
    };
    expectOffered(false, false);

    net->Net().BeginStep();
    auto p = AddPosition(net->Net(), 40, 40, "L1");
    gn->UpdateUndoButtons();
    expectOffered(true, false);

    Trigger("tbUnDo");
    EXPECT_TRUE(net->Net().Positions().empty());
    expectOffered(false, true);

    Trigger("miRedo");
    EXPECT_EQ(net->Net().Positions().size(), 1u);
    expectOffered(true, false);

    // A press in the window begins a step, which drops the redo list.
    Trigger("miUndo");
    ASSERT_TRUE(Act("tbReDo")->isEnabled());
    // Over an empty spot the right button opens the net properties.
    AnswerModal([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    QTest::mouseClick(net->viewport(), Qt::RightButton, {}, { 5, 5 });
    expectOffered(false, false);

    // A position placed with the pointer is offered for undo once the click is handled.
    Trigger("miPlacePosition");
    QTest::mouseClick(net->viewport(), Qt::LeftButton, {}, { 100, 100 });
    Settle();
    ASSERT_EQ(net->Net().Positions().size(), 1u);
    expectOffered(true, false);
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
    const std::pair<const char *, QWidget *> bars[] = {
        { "miToolbar", gn->findChild<QWidget *>("cbToolbars") },
        { "miStatusLine", gn->statusBar() },
        { "miMessages", gn->MessagePanel() },
    };
    for (auto [item, bar] : bars) {
        ASSERT_NE(bar, nullptr) << item;
        const bool shown = bar->isVisible();
        EXPECT_EQ(Act(item)->isChecked(), shown) << item;
        Trigger(item);
        EXPECT_EQ(bar->isVisible(), !shown) << item;
        EXPECT_EQ(Act(item)->isChecked(), !shown) << item;
        Trigger(item);
        EXPECT_EQ(bar->isVisible(), shown) << item;
    }
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
