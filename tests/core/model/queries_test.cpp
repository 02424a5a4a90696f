// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "model/chain_building.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::chains::Node;
using test::chains::Segment;
using Modes = std::vector<std::uint8_t>;

class QueriesTest : public test::GlobalsTest
{
protected:
    TDrawingObjects doc { nullptr, nullptr, nullptr };

    Modes ModesNow() const
    {
        Modes modes;
        for (const auto &obj : doc.Objects())
            modes.push_back(obj->Mode);
        return modes;
    }
    std::size_t RecordsOfStep(std::uint8_t kind) const { return test::RecordsOfStep(doc, kind); }
};

TEST_F(QueriesTest, FindingCountsEveryObjectUnderThePoint)
{
    auto *lower = Node<TPosition>(doc, 0, 0, "L1");
    auto *upper = Node<TPosition>(doc, 16, 16, "L2");
    auto *t = Node<TTransition>(doc, 20, 0, "Z1");
    std::int32_t hits = -1;
    EXPECT_EQ(doc.FindAt(24, 24, okPosition, false, &hits), upper);
    EXPECT_EQ(hits, 2);
    EXPECT_EQ(doc.FindAt(24, 24, okAll, true, &hits), lower);
    EXPECT_EQ(hits, 1);
    EXPECT_EQ(doc.FindAt(500, 500, okAll, false, &hits), nullptr);
    EXPECT_EQ(hits, 0);

    std::size_t start = 1;
    EXPECT_EQ(doc.FindNextAt(24, 24, okAll, start, upper), t);
    EXPECT_EQ(start, 2u);
    start = 3;
    EXPECT_EQ(doc.FindNextAt(24, 24, okAll, start, nullptr), nullptr);
    EXPECT_EQ(start, 3u);
}

TEST_F(QueriesTest, SelectInRectOrdersCornersAndTogglesWhenAdding)
{
    doc.CreateUndo(true);
    Node<TPosition>(doc, 0, 0, "L1");
    Node<TPosition>(doc, 64, 64, "L2");
    Node<TPosition>(doc, 300, 300, "L3");

    doc.BeginStep();
    const TRectSelection band = doc.SelectInRect(100, 100, 0, 0, true);
    EXPECT_EQ(band.First, doc.Object(0));
    EXPECT_EQ(band.Hits, 2);
    EXPECT_EQ(ModesNow(), (Modes { 2, 2, 0 }));

    // Adding a band over L2 and L3 drops L2 (without a record) and takes L3.
    doc.BeginStep();
    EXPECT_EQ(doc.SelectInRect(50, 50, 400, 400, false).First, doc.Object(2));
    EXPECT_EQ(ModesNow(), (Modes { 2, 0, 2 }));
    EXPECT_EQ(RecordsOfStep(ukChanged), 1u);

    // Replacing deselects what lies outside, with a record.
    doc.BeginStep();
    doc.SelectInRect(290, 290, 310, 310, true);
    EXPECT_EQ(ModesNow(), (Modes { 0, 0, 2 }));
    EXPECT_EQ(RecordsOfStep(ukChanged), 2u);
}

TEST_F(QueriesTest, DeleteSelectedTakesOutRunsOfSelectedObjects)
{
    doc.CreateUndo(true);
    std::vector<TDrawingObject *> all;
    for (int i = 0; i < 5; ++i)
        all.push_back(Node<TPosition>(doc, 40 * i, 0, "L" + std::to_string(i)));
    all.push_back(Segment(doc, 0, 100, 40, 100));
    doc.BeginStep();
    for (std::size_t i : { 0u, 1u, 3u, 5u })
        all[i]->Mode = omSelected;
    doc.DeleteSelected();
    EXPECT_EQ(doc.Objects().size(), 2u);
    EXPECT_EQ(doc.Positions(),
        (std::vector<TPosition *> {
            static_cast<TPosition *>(all[2]), static_cast<TPosition *>(all[4]) }));
    EXPECT_TRUE(doc.Arcs().empty());
    EXPECT_EQ(doc.IndexOf(all[4]), 1);
    EXPECT_EQ(RecordsOfStep(ukDeleted), 4u);
    EXPECT_EQ(doc.UndoList().back()->Target.get(), all[5]);
    doc.Undo();
    EXPECT_EQ(doc.Count(), 6u);

    // Created and deleted in one step: redo must not bring it back.
    doc.BeginStep();
    doc.SetModeOfAll(omSelected, 1);
    auto *fresh = Node<TPosition>(doc, 400, 0, "L9");
    fresh->Mode = omSelected;
    doc.DeleteSelected();
    doc.Undo();
    doc.Redo();
    EXPECT_EQ(doc.Count(), 6u);
}

TEST_F(QueriesTest, ArcStartAlignsOnTransitionMiddleOrBesidePosition)
{
    Node<TTransition>(doc, 84, 0, "Z1"); // middle at x = 100
    Node<TPosition>(doc, 300, 0, "L1"); // 300 .. 332, caught from 284 to 348
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases
        = { { 104, 100 }, { 96, 92 }, { 100, 100 }, // on the transition
              { 346, 344 }, { 286, 280 }, { 340, 340 }, { 500, 500 } };
    for (auto [x, expected] : cases) {
        const std::int32_t y = x < 200 ? 40 : 16;
        std::int32_t moved = x;
        EXPECT_EQ(doc.ArcStartAlignment(moved, y), expected != x) << x;
        EXPECT_EQ(moved, expected) << x;
    }
}

} // namespace
} // namespace morvane
