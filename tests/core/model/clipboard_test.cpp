// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "format/net_test_support.h"
#include "format/net_writer.h"
#include "model/clipboard.h"
#include "model/placing.h"
#include "model/transition_wizard.h"

#include <random>
#include <string>

namespace morvane {
namespace {

using ClipboardTest = test::GlobalsTest;

// Nodes as label@left,top, arc pieces as from-to by node label; '*' marks the selected.
std::string Describe(TDrawingObjects &doc)
{
    doc.RebuildConnections();
    std::string s;
    for (const auto &o : doc.Objects()) {
        if (!s.empty())
            s += ' ';
        if (o->Kind() == okArc) {
            const auto &a = static_cast<const TArc &>(*o);
            s += (a.FromNode() ? a.FromNode()->selfLabel() : "") + "-"
                + (a.ToNode() ? a.ToNode()->selfLabel() : "");
        } else {
            s += o->selfLabel() + "@" + std::to_string(o->Left()) + "," + std::to_string(o->Top());
        }
        if (o->Mode == omSelected)
            s += '*';
    }
    return s;
}

// Net A holds L1 and L2 joined by an arc; net B is empty and has numbered up to L7 already.
// Pasted pieces join what they touch where they land: one grid step away, a node of the original
// still overlaps the copy's, and the earlier node wins.
TEST_F(ClipboardTest, CutCopyPasteAndUndo)
{
    const struct Case
    {
        const char *Name;
        const char *Selected; // of L1, L2, the arc: '1' selected
        const char *Ops; // x cut, c copy, p paste into A, q paste into B, u undo in A
        const char *A, *B;
        bool CanRedoA;
    } cases[] = {
        { "cut then paste", "110", "xp", "L3- L3@48,48* L4@128,48*", "", false },
        { "copy, then paste again", "111", "cp",
            "L1@40,40 L2@120,40 L1-L2 L3@48,48 L4@128,48 L3-L2 L5@56,56* L6@136,56* L5-L2*", "",
            false },
        { "paste into another net", "111", "cq",
            "L1@40,40 L2@120,40 L1-L2 L3@48,48* L4@128,48* L3-L2*", "L8@56,56* L9@136,56* L8-L9*",
            false },
        { "paste of nothing still deselects and ends the redo list", "100", "up", "", "", false },
        { "undo after paste", "100", "cu", "L1@40,40 L2@120,40 L1-L2", "", true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        test::TTestNet a, b;
        a.Net.CreateUndo(true);
        b.Net.CreateUndo(true);
        b.Positions.Value = 7;
        TDrawingObjects clip(nullptr, nullptr, nullptr);
        a.Net.BeginStep();
        PlacePosition(a.Net, 40, 40);
        PlacePosition(a.Net, 120, 40);
        AddArcPiece(a.Net, 72, 56, 120, 56);
        for (std::size_t i = 0; i < 3; ++i)
            a.Net.Object(i)->Mode = c.Selected[i] == '1' ? omSelected : omNormal;
        for (const char *op = c.Ops; *op; ++op) {
            // Every command but undo follows a press, which begins a step.
            if (*op != 'u')
                a.Net.BeginStep();
            switch (*op) {
            case 'x':
                CutSelection(a.Net, clip);
                break;
            case 'c':
                CopySelection(a.Net, clip);
                PasteClip(a.Net, clip, 8, 8);
                break;
            case 'p':
                PasteClip(a.Net, clip, 8, 8);
                break;
            case 'q':
                PasteClip(b.Net, clip, 8, 8);
                break;
            default:
                a.Net.Undo();
                break;
            }
        }
        EXPECT_EQ(Describe(a.Net), c.A);
        EXPECT_EQ(Describe(b.Net), c.B);
        EXPECT_EQ(a.Net.CanRedo(), c.CanRedoA);
        // Nothing in the clipboard leads outside it.
        for (const TArc *arc : clip.Arcs())
            EXPECT_TRUE(!arc->FromNode() && !arc->ToNode() && !arc->NextArc() && !arc->PrevArc());
    }
}

// The file without the label counters, which undo leaves alone so that labels stay unique.
std::string Bytes(test::TTestNet &t)
{
    const auto kept = std::pair(t.Positions.Value, t.Transitions.Value);
    t.Positions.Value = t.Transitions.Value = 0;
    std::string bytes = WriteNetToString(t.Net);
    std::tie(t.Positions.Value, t.Transitions.Value) = kept;
    return bytes;
}

// Wizard commits, selections, cuts, copies and pastes at random across two nets sharing one
// clipboard: undoing everything in a net gives back its empty file, redoing everything its last.
TEST_F(ClipboardTest, RandomEditingUndoesAndRedoesToTheSameFiles)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        test::TTestNet nets[2];
        TDrawingObjects previews[2]
            = { { &nets[0], nullptr, nullptr }, { &nets[1], nullptr, nullptr } };
        TDrawingObjects clip(nullptr, nullptr, nullptr);
        for (auto &t : nets)
            t.Net.CreateUndo(true);
        const std::string empty = Bytes(nets[0]);
        for (int step = 0; step < 40; ++step) {
            const int k = pick(2);
            TDrawingObjects &net = nets[k].Net;
            net.BeginStep();
            switch (pick(5)) {
            case 0: {
                TTransitionWizard wizard(net, previews[k]);
                wizard.Arm(TWizardKind(pick(3)));
                const TPoint a { 8 * (5 + pick(60)), 8 * (5 + pick(60)) };
                wizard.Press(a);
                wizard.Release();
                // The transition's handle dragged some rows down.
                wizard.Press({ a.x + 8, a.y + 20 });
                wizard.Move({ a.x + 8, a.y + 20 + 56 * pick(3) });
                wizard.Release();
                net.BeginStep();
                wizard.Press({ a.x + 400, a.y });
                ASSERT_TRUE(wizard.Release());
                break;
            }
            case 1:
                for (const auto &o : net.Objects()) {
                    o->Record(ukChanged);
                    o->Mode = pick(3) ? omNormal : omSelected;
                }
                break;
            case 2:
                CutSelection(net, clip);
                break;
            case 3:
                CopySelection(net, clip);
                PasteClip(net, clip, 8, 8);
                break;
            default:
                PasteClip(net, clip, 8, 8);
                break;
            }
        }
        for (auto &t : nets) {
            const std::string last = Bytes(t);
            while (t.Net.CanUndo())
                t.Net.Undo();
            ASSERT_EQ(Bytes(t), empty) << "seed " << seed;
            while (t.Net.CanRedo())
                t.Net.Redo();
            ASSERT_EQ(Bytes(t), last) << "seed " << seed;
        }
    }
}

} // namespace
} // namespace morvane
