// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "editor/editor_modes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include <string>
#include <vector>

namespace morvane::test {
namespace {

using WizardClipTest = AppTest;

// The wizard and the clipboard through the window's events and the main window's modes: the
// preview survives a zoom and goes with Esc, a commit returns to the edit mode and is one undo
// step, and a copy pastes into another window, even after its own window closed.
TEST_F(WizardClipTest, WizardModesAndClipboardAcrossWindows)
{
    DropUnsavedNets();
    TNet *first = NewSizedNet();
    QWidget *view = first->viewport();
    const auto click = [&](QWidget *v, QPoint p) {
        QTest::mousePress(v, Qt::LeftButton, {}, p);
        QTest::mouseRelease(v, Qt::LeftButton, {}, p);
    };

    Trigger("miTransitionWizard");
    click(view, { 100, 100 });
    ASSERT_EQ(
        NodeLabels(first->WizardObjects()), (std::vector<std::string> { "Z", "In1", "Out2" }));
    first->Zoom(1, true);
    EXPECT_EQ(first->WizardObjects().Object(0)->Left(), 12 * 9);
    first->Zoom(8, false);
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_EQ(gn->EditorMode(), mdEdit);
    EXPECT_EQ(first->WizardObjects().Count(), 0u);
    EXPECT_EQ(first->Net().Count(), 0u);

    Trigger("miLeftTransition");
    click(view, { 100, 100 });
    click(view, { 400, 300 });
    EXPECT_EQ(gn->EditorMode(), mdEdit);
    EXPECT_EQ(first->State().EditState, esGroup);
    EXPECT_EQ(first->WizardObjects().Count(), 0u);
    ASSERT_EQ(NodeLabels(first->Net()), (std::vector<std::string> { "Z1", "L1" }));
    Trigger("miUndo");
    EXPECT_EQ(first->Net().Count(), 0u);
    Trigger("miRedo");
    ASSERT_EQ(first->Net().Count(), 3u);

    Trigger("miCopy");
    EXPECT_EQ(gn->EditorMode(), mdEdit);
    EXPECT_EQ(NodeLabels(first->Net()), (std::vector<std::string> { "Z1", "L1", "Z2", "L2" }));
    // Other programs get a picture of the copy: the transition and its input column with margins.
    const QImage picture = QGuiApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), QSize(40 + 32 + 16 + 1, 72 + 20 + 16 + 1));
    TNet *second = NewSizedNet();
    first->parentWidget()->close();
    Settle();
    Trigger("miPaste");
    EXPECT_EQ(NodeLabels(second->Net()), (std::vector<std::string> { "Z1", "L1" }));
    EXPECT_EQ(second->Net().Object(0)->Left(), 96 + 16);
}

} // namespace
} // namespace morvane::test
