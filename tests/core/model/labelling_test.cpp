// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "format/net_test_support.h"
#include "model/labelling.h"

#include <functional>

namespace morvane {
namespace {

using test::AddArc;
using test::AddPosition;
using test::AddTransition;

// Two inputs and an output around Z1, and an unconnected position; the connected positions are
// added out of order on purpose.
void ConnectedNet(TDrawingObjects &net)
{
    AddPosition(net, 224, 80, "B");
    AddPosition(net, 0, 300, "C");
    AddPosition(net, 432, 80, "D");
    AddPosition(net, 32, 80, "A");
    AddTransition(net, 128, 48, "Z1")->TrType = "A or D";
    AddTransition(net, 528, 48, "Z2")->TrType = "D and D1";
    AddArc(net, 64, 96, 144, 96);
    AddArc(net, 144, 96, 224, 96);
    AddArc(net, 464, 96, 544, 96);
    net.RebuildConnections();
}

TEST(LabellingTest, NumbersObjectsInOrderAndRewritesTypes)
{
    struct TCase
    {
        const char *What;
        std::function<void(TDrawingObjects &)> Build;
        TNumbering Numbering;
        int Kind; // 2 transitions, 1 positions by place, 0 positions by connection
        const char *Labels; // every node's label after the pass, in list order
        const char *Types = ""; // the type texts of the transitions, joined by "|"
    };
    const auto threeTransitions = [](TDrawingObjects &net) {
        AddTransition(net, 10, 50, "a");
        AddTransition(net, 10, 20, "b");
        AddTransition(net, 40, 20, "c");
    };
    const TCase cases[] = {
        { "rows", threeTransitions, { "Z", "" }, 2, "Z3 Z1 Z2" },
        { "columns", threeTransitions, { "Z", "", 1, true, true }, 2, "Z2 Z1 Z3" },
        { "marks in label and index", threeTransitions, { "p#x", "#" }, 2, "p3x3 p1x1 p2x2" },
        { "only the first mark counts, breaks go", threeTransitions, { "\r\nq#", "#-#" }, 2,
            "q33-# q11-# q22-#" },
        { "selected only, from 7",
            [](TDrawingObjects &net) {
                AddTransition(net, 10, 50, "a")->Mode = omSelected;
                AddTransition(net, 10, 20, "b");
            },
            { "T", "", 7, false }, 2, "T7 b" },
        { "equal places numbered once",
            [](TDrawingObjects &net) {
                AddTransition(net, 10, 20, "a");
                AddTransition(net, 10, 20, "b");
                AddTransition(net, 40, 20, "c");
            },
            { "Z", "" }, 2, "Z1 b Z2" },
        { "renamed input rewritten as plain text", ConnectedNet, { "L", "#", 5 }, 1, "L6 L8 L7 L5",
            "L5 or D|L7 and L71" },
        { "connection order", ConnectedNet, { "L", "#" }, 0, "L2 L4 L3 L1", "L1 or D|L3 and L31" },
        { "labels passed on are renamed once",
            [](TDrawingObjects &net) {
                AddPosition(net, 32, 40, "L2");
                AddPosition(net, 32, 80, "L1");
                AddTransition(net, 128, 48, "Z1")->TrType = "L2 and L1";
                AddArc(net, 64, 56, 144, 56);
                AddArc(net, 64, 96, 144, 96);
                net.RebuildConnections();
            },
            { "L", "#" }, 1, "L1 L2", "L1 and L2" },
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.What);
        ResetGlobals();
        test::TTestNet t;
        c.Build(t.Net);
        if (c.Kind == 2)
            LabelTransitions(t.Net, c.Numbering);
        else
            LabelPositions(t.Net, c.Numbering, c.Kind == 1);
        std::string labels, types;
        for (const TDrawingObject *node : t.Net.Positions())
            labels += (labels.empty() ? "" : " ") + node->selfLabel();
        for (const TDrawingObject *node : t.Net.Transitions())
            if (c.Kind == 2)
                labels += (labels.empty() ? "" : " ") + node->selfLabel();
            else
                types
                    += (types.empty() ? "" : "|") + static_cast<const TTransition *>(node)->TrType;
        EXPECT_EQ(labels, c.Labels);
        EXPECT_EQ(types, c.Types);
    }
}

TEST(LabellingTest, LabelAndIndexBecomeTheTwoPartsOfTheLabel)
{
    test::TTestNet t;
    AddTransition(t.Net, 0, 0, "a");
    LabelTransitions(t.Net, { "p#x", "#" });
    EXPECT_EQ(t.Net.Transitions()[0]->GetBase(), "p1x");
    EXPECT_EQ(t.Net.Transitions()[0]->GetIndex(), "1");
}

} // namespace
} // namespace morvane
