// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "core/support/changed_options.h"
#include "dialogs/color_page.h"
#include "dialogs/edit_int.h"
#include "dialogs/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>

namespace morvane::test {
namespace {

class OptionsDialogTest : public AppTest
{
protected:
    // Runs the Options command; `edit` changes the dialog before it is closed with `button`.
    void RunOptions(std::function<void(TOptions &)> edit, QDialogButtonBox::StandardButton button)
    {
        TOptions &o = *Program().Options;
        AnswerModal([&o, edit, button](QWidget *) {
            edit(o);
            o.findChild<QDialogButtonBox *>()->button(button)->click();
        });
        Trigger("miOptions");
    }
};

TEST_F(OptionsDialogTest, TheNetWindowFollowsTheGridStepAndSnapping)
{
    TNet *net = NewSizedNet();
    auto p = AddPosition(net->Net(), 40, 24, "L1");
    RunOptions(
        [](TOptions &o) {
            o.exGrid->setText("16");
            o.eyGrid->setText("16");
            o.cbSnapToGrid->setChecked(false);
        },
        QDialogButtonBox::Ok);
    EXPECT_EQ(net->Net().xBaseUnit(), 16);
    EXPECT_EQ(p->Left(), 80) << "objects keep their grid cells";
    EXPECT_EQ(Globals().XPsize, 64);
    EXPECT_EQ(net->SnapX(37), 37);
    net->Redraw();
    net->PaintPage();
    const QRgb grid = qRgb(128, 128, 128);
    EXPECT_EQ(net->Backing().pixel(16, 16), grid);
    EXPECT_NE(net->Backing().pixel(8, 8), grid);
}

TEST_F(OptionsDialogTest, PageListWritesAtOnceOkTakesTheEditsAndPaletteColoursGoToTheNodeClicked)
{
    TOptions &o = *Program().Options;
    RunOptions([](TOptions &o) { o.cbPageSizeChange(1); }, QDialogButtonBox::Cancel);
    EXPECT_EQ(std::pair(o.Record().oxPageSize(), o.Record().oyPageSize()), std::pair(1188, 1680));
    RunOptions(
        [](TOptions &o) {
            o.cbPageSizeChange(1);
            o.ePgWidth->SetValue(300);
            o.ePgHeight->SetValue(400);
            o.exGrid->setText("0");
        },
        QDialogButtonBox::Ok);
    EXPECT_EQ(std::pair(o.Record().oxPageSize(), o.Record().oyPageSize()), std::pair(300, 400));
    EXPECT_EQ(o.Record().oxGrid(), 8);

    RunOptions(
        [](TOptions &o) {
            QWidget *palette = o.findChild<QWidget *>("iColors");
            QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(4 * 16 + 8, 8));
            QTreeWidget *tree = o.ColorPage()->Tree();
            const auto grid = tree->findItems("Grid", Qt::MatchExactly);
            QTest::mouseClick(
                tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(grid.value(0)).center());
        },
        QDialogButtonBox::Cancel);
    EXPECT_EQ(Globals().ColorTable[2], RGB(127, 0, 0));
    EXPECT_EQ(o.ColorPage()->Scheme(), "Custom");
}

TEST_F(OptionsDialogTest, EveryOptionComesBackFromTheStoreAfterARestart)
{
    const TOptionSet changed = ChangedOptions();
    Program().Options->ApplySettings(changed);
    Program().Options->bSaveToRegistryClick();
    ShutDown();
    ResetGlobals();
    StartUp(false);
    EXPECT_EQ(Program().Options->Settings(), changed);
    EXPECT_EQ(Globals().ColorTable[2], RGB(1, 2, 3));
    EXPECT_FALSE(Globals().SnapToGrid);
}

class DamagedStoreTest : public OptionsDialogTest
{
protected:
    void BeforeStartUp() override
    {
        TRegistry reg;
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Display", true);
        reg.WriteString("GridX", "16");
        reg.WriteInteger("SnapToGrid", 7);
        reg.WriteInteger("EditBar", 6);
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Options\\General", true);
        reg.WriteInteger("HistoryDepth", 50);
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Colors", true);
        reg.WriteString("Scheme", "Pastel");
        reg.WriteInteger("Custom2", 0x030201);
    }
};

TEST_F(DamagedStoreTest, GoodValuesLoadAndDamagedOnesKeepTheirDefaults)
{
    const TOptionSet s = Program().Options->Settings();
    EXPECT_EQ(s.EditBar, 6);
    EXPECT_EQ(Globals().Esize, 6);
    EXPECT_EQ(s.CustomColors[2], RGB(1, 2, 3));
    EXPECT_EQ(s.GridX, 8);
    EXPECT_TRUE(s.SnapToGrid);
    EXPECT_EQ(s.HistoryDepth, 5);
    EXPECT_EQ(s.Scheme, "Default");
}

} // namespace
} // namespace morvane::test
