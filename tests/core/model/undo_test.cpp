// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "model/drawing_objects.h"
#include "model/undo.h"

namespace morvane {
namespace {

class UndoTest : public test::GlobalsTest
{
protected:
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        doc->CreateUndo(true);
    }
    // Places a position in a step of its own unless `step` is false.
    std::shared_ptr<TPosition> PlacePosition(int x, int y, bool step = true)
    {
        if (step)
            doc->BeginStep();
        auto p = doc->Add<TPosition>();
        p->Place(x, y, "L1");
        return p;
    }
    void Delete(TDrawingObject *obj)
    {
        doc->Record(obj, ukDeleted);
        doc->Remove(obj);
    }
    std::unique_ptr<TDrawingObjects> doc
        = std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr);
};

TEST_F(UndoTest, PlaceMoveUndoTwiceRedoTwice)
{
    auto p = PlacePosition(40, 48);
    doc->BeginStep();
    p->MoveBy(16, 8);
    // What each step restores, the random editing sequences check byte for byte; here the
    // object itself comes back and an undo with nothing left does nothing.
    doc->Undo();
    doc->Undo();
    EXPECT_EQ(doc->Count(), 0u);
    doc->Undo();
    EXPECT_EQ(doc->UndoStep, 0);

    doc->Redo();
    ASSERT_EQ(doc->Count(), 1u);
    EXPECT_EQ(doc->Object(0), p.get());
    doc->Redo();
    EXPECT_TRUE(doc->RedoList().empty());
}

TEST_F(UndoTest, DeletingTwoInOneStepReinsertsBothAtTheEnd)
{
    auto a = PlacePosition(0, 0);
    auto b = PlacePosition(40, 0, false);
    auto c = PlacePosition(80, 0, false);
    doc->BeginStep();
    Delete(a.get());
    Delete(b.get());
    doc->Undo();
    // Undo walks backwards, so the later deletion comes back first.
    EXPECT_EQ(doc->Objects(), (std::vector<std::shared_ptr<TDrawingObject>> { c, b, a }));
    doc->Redo();
    EXPECT_EQ(doc->Objects(), (std::vector<std::shared_ptr<TDrawingObject>> { c }));
}

TEST_F(UndoTest, OnlyTheFirstRecordOfAnObjectInAStepCounts)
{
    auto p = PlacePosition(40, 48);
    p->MoveBy(8, 0); // created and moved in one step: only the creation is recorded
    EXPECT_EQ(doc->UndoList().size(), 1u);
    doc->BeginStep();
    p->MoveBy(8, 0);
    p->MoveBy(8, 0);
    ASSERT_EQ(doc->UndoList().size(), 2u);
    EXPECT_EQ(doc->UndoList()[1]->Saved->Left(), 48); // snapshot from before the first move
}

// Regression: an object selected (a change record) and deleted in the same step stayed out of the
// document after undo.
TEST_F(UndoTest, ChangedThenDeletedInOneStepComesBackOnUndo)
{
    auto p = PlacePosition(40, 48);
    doc->BeginStep();
    p->MoveBy(8, 0);
    Delete(p.get());
    for (int round = 0; round < 2; ++round) {
        doc->Undo();
        ASSERT_EQ(doc->Count(), 1u);
        EXPECT_EQ(p->Left(), 40);
        doc->Redo();
        EXPECT_EQ(doc->Count(), 0u);
    }
}

TEST_F(UndoTest, ANewStepDiscardsTheRedoHistoryAndWhatOnlyItHeld)
{
    std::weak_ptr<TDrawingObject> watch = PlacePosition(40, 48);
    doc->BeginStep();
    watch.lock()->MoveBy(8, 0);
    doc->Undo();
    doc->Undo(); // the position leaves the document; the redo records hold it
    EXPECT_TRUE(doc->CanRedo());
    EXPECT_FALSE(watch.expired());
    doc->BeginStep();
    EXPECT_TRUE(doc->RedoList().empty());
    EXPECT_EQ(doc->UndoStore()->Count(), 0u) << "the discarded snapshot went with its record";
    EXPECT_TRUE(watch.expired());
}

TEST_F(UndoTest, DestroyingTheDocumentFreesRecordsAndSnapshots)
{
    auto p = PlacePosition(0, 0);
    std::weak_ptr<TDrawingObject> created = p;
    doc->BeginStep();
    p->MoveBy(8, 8);
    doc->BeginStep();
    Delete(p.get());
    p.reset();
    EXPECT_FALSE(created.expired());
    doc.reset();
    EXPECT_TRUE(created.expired());
}

TEST_F(UndoTest, ADisabledOrMissingHistoryRecordsNothing)
{
    TDrawingObjects plain(nullptr, nullptr, nullptr);
    plain.BeginStep();
    plain.Add<TPosition>()->Place(0, 0, "L1");
    plain.Undo();
    EXPECT_EQ(plain.Count(), 1u);

    TDrawingObjects off(nullptr, nullptr, nullptr);
    off.CreateUndo(false);
    off.BeginStep();
    off.Add<TPosition>()->Place(0, 0, "L1");
    EXPECT_TRUE(off.UndoList().empty());
}

TEST_F(UndoTest, ForgetRecordsOfDropsThemFromBothHistories)
{
    auto p = PlacePosition(0, 0);
    auto q = PlacePosition(40, 0, false);
    doc->BeginStep();
    p->MoveBy(8, 0);
    q->MoveBy(8, 0);
    doc->Undo();
    doc->ForgetRecordsOf({ p.get() });
    ASSERT_EQ(doc->RedoList().size(), 1u);
    EXPECT_EQ(doc->RedoList()[0]->Target, q);
    ASSERT_EQ(doc->UndoList().size(), 1u);
    EXPECT_EQ(doc->UndoList()[0]->Target, q);
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
