// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "format/net_reader.h"
#include "format/net_test_support.h"
#include "format/net_writer.h"
#include "format/post_read.h"
#include "model/labelling.h"
#include "model/transition_matrices.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::AddArc;
using test::AddPosition;
using test::AddTransition;
using TransitionMatrices = test::GlobalsTest;

// L1 and L2 lead into Z1, which leads to L3 and to L4.
struct TMatrixNet
{
    test::TTestNet Host;
    TDrawingObjects &Net = Host.Net;
    std::shared_ptr<TTransition> Z1;

    TMatrixNet()
    {
        Net.CreateUndo(true);
        AddPosition(Net, 0, 0, "L1");
        AddPosition(Net, 0, 40, "L2");
        Z1 = AddTransition(Net, 128, 0, "Z1");
        AddPosition(Net, 256, 0, "L3");
        AddPosition(Net, 256, 40, "L4");
        AddArc(Net, 32, 16, 128, 16);
        AddArc(Net, 32, 56, 128, 56);
        AddArc(Net, 160, 16, 256, 16);
        AddArc(Net, 160, 56, 256, 56);
        Net.RebuildConnections();
    }

    // Every predicate cell as shown, row by row, joined by blanks.
    std::string Shown(const TMatrixSettings &settings = {}) const
    {
        const TTransitionMatrices m = DecodeMatrices(*Z1, settings);
        std::string text;
        for (const auto &cell : m.Predicates)
            text += (text.empty() ? "" : " ") + PredicateText(cell, settings);
        return text;
    }
};

TPredicateCell Named(const std::string &name, const std::string &definition = {})
{
    TPredicateCell cell;
    cell.Name = name;
    cell.Definition = definition;
    return cell;
}

TEST_F(TransitionMatrices, CellsSurviveTheFileByteForByte)
{
    TMatrixNet n;
    TTransition &t = *n.Z1;
    ASSERT_TRUE(SetPredicate(t, 0, 1, Named("p\\q\tr", "x > 1\nвход")));
    SetPredicate(t, 1, 0, ParsePredicateText("false", {}));
    SetCapacity(t, 0, 0, 3);
    SetCapacity(t, 1, 1, -1);
    SetCharFn(t, 0, "Φ3", "the sum");
    t.Capacities.push_back({ "L1\tL3\tmany", {} }); // not a number: kept, not read
    t.CharFn.push_back({ "broken \\escape", {} });
    const std::string written = WriteNetToString(n.Net);

    test::TTestNet again;
    ASSERT_TRUE(ReadNet(written, again.Net));
    RunPostReadSteps(again.Net);
    EXPECT_EQ(WriteNetToString(again.Net), written);
    const TTransitionMatrices m = DecodeMatrices(*again.Net.Transitions().front(), {});
    EXPECT_EQ(m.Predicate(0, 1).Name, "p\\q\tr");
    EXPECT_EQ(m.Predicate(0, 1).Definition, "x > 1\nвход");
    EXPECT_EQ(m.Predicate(1, 0).Value, TPredicateValue::False);
    EXPECT_EQ(m.Capacity(0, 0).Capacity, 3);
    EXPECT_TRUE(m.Capacity(1, 1).Stored);
    EXPECT_FALSE(m.Capacity(1, 0).Stored);
    EXPECT_EQ(m.CharFns[0].Name, "Φ3");
    EXPECT_FALSE(m.CharFns[1].Stored);
}

TEST_F(TransitionMatrices, DefaultNamesComeFromTheMask)
{
    const std::pair<const char *, const char *> cases[] = {
        { "w#{iN}#{iI}#{oN}#{oI}", "wL1L3 wL1L4 wL2L3 wL2L4" },
        { "w#{iI}#{oI}", "w13 w14 w23 w24" },
        { "#{oi}-#{II}", "3-1 4-1 3-2 4-2" }, // tokens in any letter case
    };
    TMatrixNet n;
    for (const auto &[mask, shown] : cases) {
        TMatrixSettings settings;
        settings.Mask = mask;
        EXPECT_EQ(n.Shown(settings), shown) << mask;
    }
}

TEST_F(TransitionMatrices, EditingOperations)
{
    TMatrixSettings longTexts;
    longTexts.TrueText = "True";
    longTexts.FalseText = "False";
    TMatrixNet n;
    TTransition &t = *n.Z1;
    SetPredicate(t, 0, 0, ParsePredicateText("t", {})); // the short constant, any case
    SetPredicate(t, 1, 1, ParsePredicateText("FALSE", longTexts));
    SetPredicate(t, 0, 1, Named("g"));
    EXPECT_EQ(n.Shown(longTexts), "True g wL2L3 False");
    EXPECT_FALSE(SetPredicate(t, 2, 0, Named("x"))); // no third input
    EXPECT_TRUE(SetPredicate(t, 0, 1, Named(""))); // an empty name clears the cell
    EXPECT_EQ(n.Shown(), "T wL1L4 wL2L3 F");

    EXPECT_TRUE(FillPredicatesFromMask(t, { "p#{iI}#{oI}" }));
    EXPECT_FALSE(FillPredicatesFromMask(t, {}));
    EXPECT_EQ(n.Shown(), "T p14 p23 F");
    EXPECT_EQ(t.Predicates.size(), 4u);
    EXPECT_TRUE(ClearPredicate(t, 0, 0));
    EXPECT_EQ(n.Shown(), "wL1L3 p14 p23 F");
    EXPECT_TRUE(SetAllPredicates(t, true));
    EXPECT_EQ(n.Shown(), "T T T T");
    EXPECT_EQ(t.Predicates.size(), 4u); // replaced in place, not added

    // A cell of a pair that is gone stays until the user prunes.
    t.Predicates.push_back({ "L9\tL3\tq", {} });
    t.Predicates.push_back({ "\\", {} });
    SetCharFn(t, 1, "f", "");
    t.CharFn.push_back({ "L9\tf\t", {} });
    EXPECT_TRUE(PruneVanishedCells(t));
    EXPECT_EQ(t.Predicates.size(), 5u); // the item that does not decode stays
    EXPECT_EQ(t.CharFn.size(), 1u);
    EXPECT_TRUE(ClearPredicates(t));
    EXPECT_TRUE(t.Predicates.empty());
    EXPECT_TRUE(ClearCharFn(t, 1));
    EXPECT_FALSE(ClearCharFn(t, 1));
}

TEST_F(TransitionMatrices, CellsFollowTheirPositionsWhenRelabelled)
{
    TMatrixNet n;
    TTransition &t = *n.Z1;
    SetPredicate(t, 0, 0, Named("first"));
    SetPredicate(t, 1, 0, Named("second"));
    SetCapacity(t, 1, 1, 7);
    SetCharFn(t, 1, "f4", "");
    // L1 and L2 swap their labels, L4 becomes L9; each cell stays with its position.
    n.Net.BeginStep();
    const std::pair<int, const char *> relabels[] = { { 0, "L2" }, { 1, "L1" }, { 3, "L9" } };
    for (const auto &[at, label] : relabels) {
        n.Net.Positions()[at]->Record(ukChanged);
        n.Net.Positions()[at]->SetselfLabel(label);
    }
    FollowRelabels(n.Net);
    n.Net.RebuildConnections();
    TTransitionMatrices m = DecodeMatrices(t, {});
    EXPECT_EQ(m.Inputs, (std::vector<std::string> { "L2", "L1" }));
    EXPECT_EQ(m.Predicate(0, 0).Name, "first");
    EXPECT_EQ(m.Predicate(1, 0).Name, "second");
    EXPECT_EQ(m.Capacity(1, 1).Capacity, 7);
    EXPECT_EQ(m.CharFns[1].Name, "f4");

    // Undo brings back the labels and the cells together.
    n.Net.Undo();
    n.Net.RebuildConnections();
    m = DecodeMatrices(t, {});
    EXPECT_EQ(m.Inputs, (std::vector<std::string> { "L1", "L2" }));
    EXPECT_EQ(m.Predicate(0, 0).Name, "first");
    EXPECT_EQ(m.CharFns[1].Name, "f4");

    // The bulk labeller moves the cells too.
    LabelPositions(n.Net, { "P", "" }, true);
    n.Net.RebuildConnections();
    m = DecodeMatrices(t, {});
    EXPECT_EQ(m.Inputs, (std::vector<std::string> { "P1", "P3" }));
    EXPECT_EQ(m.Predicate(1, 0).Name, "second");
    EXPECT_EQ(m.Capacity(1, 1).Capacity, 7);
}

TEST_F(TransitionMatrices, UndoRestoresAMatrixEdit)
{
    TMatrixNet n;
    TTransition &t = *n.Z1;
    SetPredicate(t, 0, 0, Named("before"));
    t.ActivationT = 4;
    n.Net.BeginStep();
    t.Record(ukChanged);
    SetPredicate(t, 0, 0, Named("after"));
    SetCapacity(t, 0, 0, 2);
    t.ActivationT = 9;
    n.Net.Undo();
    const TTransitionMatrices m = DecodeMatrices(t, {});
    EXPECT_EQ(m.Predicate(0, 0).Name, "before");
    EXPECT_FALSE(m.Capacity(0, 0).Stored);
    EXPECT_EQ(t.ActivationT, 4);
}

} // namespace
} // namespace morvane
