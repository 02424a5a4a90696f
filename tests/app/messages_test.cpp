// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "editor/editor_modes.h"
#include "editor/message_list_box.h"

namespace morvane::test {
namespace {

class MessagesTest : public AppTest
{
protected:
    void DoubleClick(int row)
    {
        QListWidget *list = gn->lbMessages();
        list->setCurrentRow(row);
        const QRect r = list->visualItemRect(list->item(row));
        // As the platform sends it: a click, then the second press as a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < gn->lbMessages()->count(); ++i)
            lines << gn->lbMessages()->item(i)->text();
        return lines;
    }
};

TEST_F(MessagesTest, CheckListsTheProblemsAndADoubleClickFindsTheObject)
{
    TNet *net = NewSizedNet();
    AddPosition(net->Net(), 40, 40, "L1");
    auto far = AddPosition(net->Net(), 1200, 1600, "L2");
    Trigger("miCheckTopology");
    EXPECT_EQ(Lines(),
        (QStringList { "Warning : Position L1 is not connected.",
            "Warning : Position L2 is not connected." }));
    EXPECT_TRUE(gn->MessagePanel()->isVisible());
    EXPECT_TRUE(Act("miMessages")->isChecked());
    EXPECT_EQ(net->State().EditState, esNone);
    Settle();
    QListWidget *list = gn->lbMessages();
    EXPECT_EQ(list->viewport()->height() % list->sizeHintForRow(0), 0) << "whole lines";

    DoubleClick(1);
    EXPECT_EQ(gn->EditorMode(), mdEdit);
    EXPECT_EQ(net->Selected(), far.get());
    EXPECT_EQ(far->Mode, omSelected);
    EXPECT_EQ(net->State().EditState, esLocated);
    EXPECT_TRUE(net->hasFocus()) << "the keyboard follows the pointer into the window";
    const TPoint c { 1200 + 16, 1600 + 16 };
    EXPECT_EQ(net->State().DownPoint, c);
    // The object's centre is in the middle of the client area (up to the grid).
    EXPECT_NEAR(net->HorzPosition() + net->viewport()->width() / 2, c.x, 4);
    EXPECT_NEAR(net->VertPosition() + net->viewport()->height() / 2, c.y, 4);
    EXPECT_EQ(net->Net().Positions()[0]->Mode, omNormal);
}

TEST_F(MessagesTest, LinesOfDeletedObjectsAndReadingWarningsRunTheCheckAgain)
{
    TNet *net = NewSizedNet();
    auto l1 = AddPosition(net->Net(), 40, 40, "L1");
    Trigger("miCheckTopology");
    ASSERT_EQ(Lines().size(), 1);

    // Deleted behind the list's back (the undo history still holds it).
    net->Net().BeginStep();
    l1->Mode = omSelected;
    net->Net().DeleteSelected();
    ASSERT_FALSE(gn->Messages()[0].Object.expired());
    DoubleClick(0);
    EXPECT_TRUE(Lines().isEmpty()) << "the new check finds nothing";
    EXPECT_EQ(net->Selected(), nullptr);

    gn->Messages().Add("some reading warning at pos 12");
    gn->lbMessages()->Sync();
    AddTransition(net->Net(), 80, 80, "Z1");
    DoubleClick(0);
    EXPECT_EQ(Lines(), QStringList { "Warning : Transition Z1 is not connected." });
}

TEST_F(MessagesTest, ALineLeadsToItsOwnWindowAndClosingAnyWindowClearsTheList)
{
    TNet *first = NewSizedNet();
    auto l1 = AddPosition(first->Net(), 40, 40, "L1");
    Trigger("miCheckTopology");
    TNet *second = NewSizedNet();
    ASSERT_NE(second, first);

    DoubleClick(0);
    EXPECT_EQ(gn->ActiveNet(), first);
    EXPECT_EQ(first->Selected(), l1.get());
    EXPECT_EQ(second->Selected(), nullptr);

    second->parentWidget()->close();
    Settle();
    EXPECT_EQ(gn->lbMessages()->count(), 0);
    EXPECT_TRUE(gn->Messages().Empty());
}

// A million reading warnings once froze the window while the list took them one by one.
TEST_F(MessagesTest, AVeryLongListShowsItsHeadAndCountsTheRest)
{
    TNet *net = NewSizedNet();
    auto l1 = AddPosition(net->Net(), 40, 40, "L1");
    const std::size_t listed = TMessageListBox::kMaxShownLines;
    for (std::size_t i = 0; i < listed + 25; ++i)
        gn->Messages().Add("warning " + std::to_string(i), i == listed ? l1 : nullptr);
    gn->lbMessages()->Sync();
    const QStringList lines = Lines();
    ASSERT_EQ(std::size_t(lines.size()), listed + 1);
    EXPECT_EQ(lines[int(listed) - 1], QString("warning %1").arg(listed - 1));
    EXPECT_EQ(lines.last(), "... and 25 more messages");

    // The counting line is no message: it leads to no object.
    gn->lbMessages()->setCurrentRow(int(listed));
    gn->NavigateToMessage();
    EXPECT_EQ(net->Selected(), nullptr);
}

} // namespace
} // namespace morvane::test
