// SPDX-License-Identifier: MIT
#include "model/undo.h"

#include "model/drawing_objects.h"
#include "support/globals_fixture.h"

namespace morvane {
namespace {

class UndoTest : public test::GlobalsTest
{
protected:
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        doc = std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr);
        doc->CreateUndo(true);
    }
    std::shared_ptr<TPosition> PlacePosition(int x, int y, const std::string &label)
    {
        auto p = doc->Add<TPosition>();
        p->Place(x, y, label);
        return p;
    }
    std::unique_ptr<TDrawingObjects> doc;
};

TEST_F(UndoTest, PlaceMoveUndoTwiceRedoTwice)
{
    doc->BeginStep();
    auto p = PlacePosition(40, 48, "L1");
    doc->BeginStep();
    p->MoveBy(16, 8);
    EXPECT_EQ(p->Left(), 56);

    doc->Undo();
    EXPECT_EQ(p->Left(), 40);
    EXPECT_EQ(p->Top(), 48);
    EXPECT_EQ(doc->Count(), 1u);
    doc->Undo();
    EXPECT_EQ(doc->Count(), 0u);
    EXPECT_EQ(doc->UndoStep, 0);
    doc->Undo(); // nothing left: no effect
    EXPECT_EQ(doc->UndoStep, 0);

    doc->Redo();
    ASSERT_EQ(doc->Count(), 1u);
    EXPECT_EQ(doc->Object(0), p.get());
    EXPECT_EQ(p->Left(), 40);
    doc->Redo();
    EXPECT_EQ(p->Left(), 56);
    EXPECT_EQ(p->Top(), 56);
    EXPECT_TRUE(doc->RedoList().empty());
}

TEST_F(UndoTest, DeletingTwoInOneStepReinsertsBothAtTheEnd)
{
    doc->BeginStep();
    auto a = PlacePosition(0, 0, "L1");
    auto b = PlacePosition(40, 0, "L2");
    auto c = PlacePosition(80, 0, "L3");
    doc->BeginStep();
    doc->Record(a.get(), ukDeleted);
    doc->Remove(a.get());
    doc->Record(b.get(), ukDeleted);
    doc->Remove(b.get());
    ASSERT_EQ(doc->UndoList().size(), 5u);
    EXPECT_EQ(doc->UndoList()[3]->Kind, ukDeleted);
    EXPECT_EQ(doc->UndoList()[4]->Kind, ukDeleted);

    doc->Undo();
    ASSERT_EQ(doc->Count(), 3u);
    EXPECT_EQ(doc->Object(0), c.get());
    // Undo walks backwards, so the later deletion comes back first.
    EXPECT_EQ(doc->Object(1), b.get());
    EXPECT_EQ(doc->Object(2), a.get());
    doc->Redo();
    ASSERT_EQ(doc->Count(), 1u);
    EXPECT_EQ(doc->Object(0), c.get());
}

TEST_F(UndoTest, OnlyTheFirstRecordOfAnObjectInAStepCounts)
{
    doc->BeginStep();
    auto p = PlacePosition(40, 48, "L1");
    p->MoveBy(8, 0); // created and moved in one step: only the creation is recorded
    EXPECT_EQ(doc->UndoList().size(), 1u);
    doc->BeginStep();
    p->MoveBy(8, 0);
    p->MoveBy(8, 0);
    ASSERT_EQ(doc->UndoList().size(), 2u);
    EXPECT_EQ(doc->UndoList()[1]->Saved->Left(), 48); // snapshot from before the first move
    doc->Undo();
    EXPECT_EQ(p->Left(), 48);
}

// Regression: an object selected (a change record) and deleted in the same step stayed out of the
// document after undo.
TEST_F(UndoTest, ChangedThenDeletedInOneStepComesBackOnUndo)
{
    doc->BeginStep();
    auto p = PlacePosition(40, 48, "L1");
    doc->BeginStep();
    p->MoveBy(8, 0);
    doc->Record(p.get(), ukDeleted);
    doc->Remove(p.get());
    doc->Undo();
    ASSERT_EQ(doc->Count(), 1u);
    EXPECT_EQ(p->Left(), 40);
    doc->Redo();
    EXPECT_EQ(doc->Count(), 0u);
    doc->Undo();
    ASSERT_EQ(doc->Count(), 1u);
    EXPECT_EQ(p->Left(), 40);
}

TEST_F(UndoTest, ANewStepDiscardsTheRedoHistory)
{
    doc->BeginStep();
    auto p = PlacePosition(40, 48, "L1");
    doc->BeginStep();
    p->MoveBy(8, 0);
    doc->Undo();
    EXPECT_FALSE(doc->RedoList().empty());
    EXPECT_TRUE(doc->CanRedo());
    doc->BeginStep();
    EXPECT_TRUE(doc->RedoList().empty());
    EXPECT_EQ(doc->UndoStore()->Count(), 0u) << "the discarded snapshot went with its record";
}

TEST_F(UndoTest, ZoomBetweenEditAndUndoRestoresAtTheNewScale)
{
    doc->BeginStep();
    auto p = PlacePosition(40, 48, "L1");
    doc->BeginStep();
    p->MoveBy(16, 0);
    ASSERT_TRUE(doc->SetxBaseUnit(16));
    ASSERT_TRUE(doc->SetyBaseUnit(16));
    EXPECT_EQ(p->Left(), 112);
    doc->Undo();
    EXPECT_EQ(p->Left(), 80); // grid column 5 at 16 pixels
    EXPECT_EQ(p->Top(), 96);
    EXPECT_EQ(p->GridLeft, 5);
}

TEST_F(UndoTest, ADisabledOrMissingHistoryRecordsNothing)
{
    TDrawingObjects plain(nullptr, nullptr, nullptr);
    plain.BeginStep();
    auto p = plain.Add<TPosition>();
    p->Place(0, 0, "L1");
    plain.Undo();
    EXPECT_EQ(plain.Count(), 1u);

    TDrawingObjects off(nullptr, nullptr, nullptr);
    off.CreateUndo(false);
    off.BeginStep();
    off.Add<TPosition>()->Place(0, 0, "L1");
    EXPECT_TRUE(off.UndoList().empty());
}

TEST_F(UndoTest, ObjectsHeldOnlyByRecordsLiveAsLongAsTheRecords)
{
    std::weak_ptr<TDrawingObject> watch;
    {
        doc->BeginStep();
        auto p = PlacePosition(0, 0, "L1");
        watch = p;
        doc->Undo(); // p leaves the document; the redo record holds it
    }
    EXPECT_FALSE(watch.expired());
    doc->BeginStep(); // the redo record goes, and with it the last reference
    EXPECT_TRUE(watch.expired());
}

TEST_F(UndoTest, ForgetRecordsOfDropsThemFromBothHistories)
{
    doc->BeginStep();
    auto p = PlacePosition(0, 0, "L1");
    auto q = PlacePosition(40, 0, "L2");
    doc->BeginStep();
    p->MoveBy(8, 0);
    q->MoveBy(8, 0);
    doc->Undo();
    doc->ForgetRecordsOf({p.get()});
    ASSERT_EQ(doc->RedoList().size(), 1u);
    EXPECT_EQ(doc->RedoList()[0]->Target, q);
    ASSERT_EQ(doc->UndoList().size(), 1u);
    EXPECT_EQ(doc->UndoList()[0]->Target, q);
}

TEST_F(UndoTest, DestroyingTheDocumentFreesRecordsAndSnapshots)
{
    std::weak_ptr<TDrawingObject> created, removed;
    doc->BeginStep();
    auto p = PlacePosition(0, 0, "L1");
    created = p;
    doc->BeginStep();
    p->MoveBy(8, 8);
    doc->BeginStep();
    doc->Record(p.get(), ukDeleted);
    removed = doc->Remove(p.get());
    p.reset();
    EXPECT_FALSE(removed.expired());
    doc.reset();
    EXPECT_TRUE(created.expired());
}

// A redo with nothing to redo once advanced the step, so that the next undo did nothing.
TEST_F(UndoTest, RedoWithNothingToRedoChangesNothing)
{
    doc->BeginStep();
    PlacePosition(40, 48, "L1");
    doc->Redo();
    doc->Undo();
    EXPECT_EQ(doc->Count(), 0u);
}

} // namespace
} // namespace morvane
