// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "format/net_test_support.h"
#include "format/net_writer.h"
#include "model/bulk_attributes.h"
#include "model/labelling.h"
#include "model/object_attributes.h"

namespace morvane {
namespace {

using test::AddArc;
using test::AddPosition;
using test::AddTransition;

class AttributesTest : public test::GlobalsTest
{
protected:
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        AddPosition(t.Net, 32, 80, "L1");
        AddTransition(t.Net, 128, 48, "Z1");
        AddPosition(t.Net, 224, 80, "L2");
        AddTransition(t.Net, 328, 48, "Z2")->Mode = omSelected;
        AddArc(t.Net, 64, 96, 144, 96);
        AddArc(t.Net, 144, 96, 224, 96);
        t.Net.RebuildConnections();
        t.Net.Positions()[1]->Mode = omSelected;
        t.Net.CreateUndo(true);
    }
    TPosition &P(int i) { return *t.Net.Positions()[std::size_t(i)]; }
    TTransition &T(int i) { return *t.Net.Transitions()[std::size_t(i)]; }

    test::TTestNet t;
};

TEST_F(AttributesTest, TimeFieldsStopAtTheFirstRefusalKeepingWhatCameBefore)
{
    const struct
    {
        const char *Start, *Step, *Duration;
        TTimeField Refused;
        std::int32_t NetStart, NetTimeStep;
    } cases[] = {
        { "3", "1", "0", TTimeField::None, 3, 1 },
        { "-1", "1", "0", TTimeField::Start, 0, 1 },
        { "4", "0", "0", TTimeField::TimeStep, 4, 1 },
        { "5", "x", "0", TTimeField::TimeStep, 5, 1 },
        { "6", "2", "inf", TTimeField::Duration, 6, 2 },
    };
    for (const auto &c : cases) {
        t.Net.NetStart = 0;
        t.Net.NetTimeStep = 1;
        const TTimeRefusal r = StoreNetAttributes(t.Net, "N", c.Start, c.Step, c.Duration);
        EXPECT_EQ(r.Field, c.Refused) << c.Start << c.Step << c.Duration;
        EXPECT_EQ(r.Error, RefuseTime(c.Refused).Error);
        EXPECT_EQ(t.Net.NetName, "N");
        EXPECT_EQ(t.Net.NetStart, c.NetStart);
        EXPECT_EQ(t.Net.NetTimeStep, c.NetTimeStep);
    }
    EXPECT_EQ(
        RefuseTime(TTimeField::TimeStep).Hint, "Time step must be natural number greater then 1.");
}

TEST_F(AttributesTest, ApplyAndClearKeepToTheirScope)
{
    TAttributeFill fill;
    fill.All = false;
    fill.Priority = -1;
    fill.Capacity = 3;
    fill.Description = "d";
    FillPositions(t.Net, fill);
    EXPECT_EQ(P(0).Priority, 0);
    EXPECT_EQ(P(1).Priority, -1);
    EXPECT_EQ(P(1).Capacity, 3);

    fill = {};
    fill.Type = TTypeJoin::Or;
    fill.Color = RGB(1, 2, 3);
    FillTransitions(t.Net, fill);
    EXPECT_EQ(T(0).TrType, "L1");
    EXPECT_EQ(T(1).Color, RGB(1, 2, 3));
    EXPECT_EQ(P(0).Color, clBlack);

    TAttributeClear clear;
    clear.All = false;
    clear.Label = clear.Type = clear.Color = true;
    ClearTransitions(t.Net, clear);
    EXPECT_EQ(T(0).selfLabel(), "Z1");
    EXPECT_EQ(T(1).selfLabel(), "");
    EXPECT_EQ(T(1).Color, Globals().ColorTable[4]);
}

// Bulk changes used to go into the objects with no way back.
TEST_F(AttributesTest, OneUndoTakesBackAWholeApply)
{
    const std::string before = WriteNetToString(t.Net);
    t.Net.BeginStep();
    LabelPositions(t.Net, { "P", "#", 4 }, false);
    LabelTransitions(t.Net, { "Q", "#" });
    TAttributeFill fill;
    fill.Priority = 9;
    fill.Description = "x";
    fill.Type = TTypeJoin::And;
    fill.Color = fill.FillColor = RGB(9, 9, 9);
    FillTransitions(t.Net, fill);
    ASSERT_NE(WriteNetToString(t.Net), before);
    t.Net.Undo();
    EXPECT_EQ(WriteNetToString(t.Net), before);
}

TEST_F(AttributesTest, InspectorEditsAreCheckedAndUndoneOneByOne)
{
    P(0).Capacity = 0;
    const std::string before = WriteNetToString(t.Net);
    EXPECT_FALSE(SetAttribute(t.Net, &P(0), TAttribute::Capacity, "INF").Refused());
    EXPECT_EQ(AttributeText(t.Net, &P(0), TAttribute::Capacity), "inf");
    // Attributes the undo snapshot once left out.
    EXPECT_FALSE(SetAttribute(t.Net, &T(0), TAttribute::Activation, "12").Refused());
    const TEditRefusal refused = SetAttribute(t.Net, &T(0), TAttribute::Priority, "high");
    EXPECT_EQ(refused.Error, "Error defining priority !");
    EXPECT_TRUE(SetAttribute(t.Net, &T(0), TAttribute::Inputs, "L9").Refused());
    EXPECT_EQ(SetAttribute(t.Net, nullptr, TAttribute::NetTimeStep, "0").Error,
        "Error defining time step !");
    EXPECT_EQ(t.Net.NetTimeStep, 1);
    EXPECT_EQ(T(0).Priority, 0);

    t.Net.Undo();
    EXPECT_EQ(T(0).ActivationT, 0);
    EXPECT_EQ(P(0).Capacity, -1);
    t.Net.Undo();
    EXPECT_EQ(WriteNetToString(t.Net), before);
}

} // namespace
} // namespace morvane
