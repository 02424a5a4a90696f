// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"
#include "support/test_files.h"

#include "format/net_test_support.h"
#include "format/net_writer.h"
#include "model/transition_wizard.h"

#include <string>
#include <vector>

namespace morvane {
namespace {

using TransitionWizardTest = test::GlobalsTest;

// One pointer event: 'P' press, 'M' move, 'R' release, 'E' the gesture is abandoned (Esc).
struct Event
{
    char Kind;
    std::int32_t X, Y;
};

// Every row's gesture starts with a click at (100, 100): the preview's transition sits at
// (96, 96), its rows at y 112, 168, 224, 280; inputs at x 56, outputs at x 136.
TEST_F(TransitionWizardTest, GesturesOfTheThreeModes)
{
    const struct Case
    {
        const char *Name;
        TWizardKind Kind;
        std::vector<Event> Events; // after the anchor click; a final P/R pair commits
        std::int32_t Inputs, Outputs;
        std::vector<std::string> Preview; // before the commit
        std::vector<std::string> Created;
        std::int32_t Height; // of the created transition
    } cases[] = {
        { "click elsewhere creates", TWizardKind::Both, { { 'P', 400, 400 }, { 'R', 400, 400 } }, 1,
            1, { "Z", "In1", "Out2" }, { "Z1", "L1", "L2" }, 72 },
        { "Z handle two rows down", TWizardKind::Left,
            { { 'P', 112, 120 }, { 'M', 112, 180 }, { 'M', 112, 240 }, { 'R', 112, 240 },
                { 'P', 400, 400 }, { 'R', 400, 400 } },
            3, 3, { "Z", "In1", "In2", "In3", "Out4", "Out5", "Out6" },
            { "Z1", "L1", "L2", "L3", "L4", "L5", "L6" }, 184 },
        // One row per move at most, and never below one.
        { "output rows added and removed", TWizardKind::Right,
            { { 'P', 150, 130 }, { 'M', 150, 180 }, { 'M', 150, 240 }, { 'M', 150, 300 },
                { 'M', 150, 150 }, { 'M', 150, 150 }, { 'M', 150, 150 }, { 'M', 150, 100 },
                { 'M', 150, 190 }, { 'R', 150, 190 }, { 'P', 400, 400 }, { 'R', 400, 400 } },
            0, 2, { "Z", "Out1", "Out2" }, { "Z1", "L1", "L2" }, 128 },
        { "three inputs, one output", TWizardKind::Both,
            { { 'P', 70, 130 }, { 'M', 70, 180 }, { 'M', 70, 240 }, { 'R', 70, 240 },
                { 'P', 400, 400 }, { 'R', 400, 400 } },
            3, 1, { "Z", "In1", "In2", "In3", "Out4" }, { "Z1", "L1", "L2", "L3", "L4" }, 184 },
        { "Esc discards", TWizardKind::Both, { { 'P', 70, 130 }, { 'E', 0, 0 } }, 1, 1,
            { "Z", "In1", "Out2" }, {}, 0 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        test::TTestNet t;
        t.Net.CreateUndo(true);
        TDrawingObjects preview(&t, nullptr, nullptr);
        TTransitionWizard wizard(t.Net, preview);
        wizard.Arm(c.Kind);
        wizard.Press({ 100, 100 });
        EXPECT_FALSE(wizard.Release());
        const TDrawingObject &z = *preview.Object(0);
        EXPECT_EQ(z.Left(), 96);
        EXPECT_EQ(z.Top(), 96);
        std::vector<std::string> shown;
        for (const Event &e : c.Events) {
            shown = test::NodeLabels(preview);
            if (e.Kind == 'P') {
                t.Net.BeginStep();
                wizard.Press({ e.X, e.Y });
            } else if (e.Kind == 'M') {
                wizard.Move({ e.X, e.Y });
            } else if (e.Kind == 'R') {
                wizard.Release();
            } else {
                wizard.Discard();
            }
        }
        EXPECT_EQ(shown, c.Preview);
        EXPECT_EQ(wizard.Inputs(), c.Inputs);
        EXPECT_EQ(wizard.Outputs(), c.Outputs);
        EXPECT_EQ(preview.Count(), 0u);
        ASSERT_EQ(test::NodeLabels(t.Net), c.Created);
        if (c.Created.empty())
            continue;
        // Each arc runs between its position and the transition's middle.
        t.Net.RebuildConnections();
        const TTransition &tr = *t.Net.Transitions()[0];
        EXPECT_EQ(tr.Height(), c.Height);
        EXPECT_EQ(tr.InArcs.size(), std::size_t(c.Inputs));
        EXPECT_EQ(tr.OutArcs.size(), std::size_t(c.Outputs));
        for (const TArc *a : t.Net.Arcs())
            EXPECT_TRUE(a->Arrowed && a->FromNode() && a->ToNode());
        for (const auto &o : t.Net.Objects())
            EXPECT_EQ(o->Mode, omSelected);
    }
}

// Three inputs and two outputs at (100, 100), written as a net file; one undo takes all of it
// away, one redo brings the same file back.
TEST_F(TransitionWizardTest, CommitWritesTheGoldenNetAndIsOneUndoStep)
{
    test::TTestNet t;
    t.Net.CreateUndo(true);
    const std::string empty = WriteNetToString(t.Net);
    t.Net.BeginStep();
    BuildTransitionWizard(t.Net, 100, 100, 3, 2, false);
    const std::string bytes = WriteNetToString(t.Net);
    EXPECT_EQ(bytes, test::ReadFile(MORVANE_TEST_DATA "/wizard/three_in_two_out.vgn"));

    t.Net.Undo();
    EXPECT_EQ(t.Net.Count(), 0u);
    t.Net.Redo();
    EXPECT_EQ(WriteNetToString(t.Net), bytes);
    EXPECT_NE(bytes, empty);
}

} // namespace
} // namespace morvane
