// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"

#include "common/message_list.h"
#include "model/chain_building.h"
#include "model/drawing_objects.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::chains::Node;
using test::chains::Segment;

class TopologyTest : public test::GlobalsTest
{
protected:
    TMessageList messages;
    TDrawingObjects doc { nullptr, &messages, nullptr };

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (const auto &line : messages.Lines)
            lines.push_back(line.Text);
        return lines;
    }
    const TDrawingObject *About(std::size_t line) const
    {
        return messages[line].Object.lock().get();
    }
};

TEST_F(TopologyTest, ArcsBetweenNodesOfOneKindAreErrorsOnBothEnds)
{
    auto *l1 = Node<TPosition>(doc, 0, 0, "L1");
    auto *z1 = Node<TTransition>(doc, 200, 0, "Z1");
    auto *l2 = Node<TPosition>(doc, 100, 200, "L2");
    auto *z2 = Node<TTransition>(doc, 400, 0, "Z2");
    Segment(doc, 16, 16, 116, 216); // L1 -> L2
    Segment(doc, 216, 40, 416, 40); // Z1 -> Z2
    Node<TPosition>(doc, 600, 600, "L3");

    messages.Add("stale line");
    doc.CheckTopology();
    EXPECT_EQ(Lines(),
        (std::vector<std::string> {
            "Error : Position L1 is directly connected with L2",
            "Error : Transition Z1 is directly connected with Z2",
            "Error : Position L2 is directly connected with L1",
            "Error : Transition Z2 is directly connected with Z1",
            "Warning : Position L3 is not connected.",
        }));
    EXPECT_EQ(About(0), l1);
    EXPECT_EQ(About(1), z1);
    EXPECT_EQ(About(2), l2);
    EXPECT_EQ(About(3), z2);

    const auto first = Lines();
    doc.CheckTopology();
    EXPECT_EQ(Lines(), first);
}

TEST_F(TopologyTest, BadOrientationIsToldApartFromFloatingPieces)
{
    Node<TPosition>(doc, 0, 0, "L1");
    Node<TTransition>(doc, 200, 0, "Z1");
    TArc *out = Segment(doc, 16, 16, 100, 16);
    TArc *reversed = Segment(doc, 216, 16, 100, 16); // meets the first piece end to end
    TArc *floating = Segment(doc, 300, 300, 400, 300);
    Node<TTransition>(doc, 600, 0, "Z2");

    doc.CheckTopology();
    EXPECT_EQ(Lines(),
        (std::vector<std::string> {
            "Warning : Bad orientation.",
            "Warning : Bad orientation.",
            "Warning : Floating arc.",
            "Warning : Transition Z2 is not connected.",
        }));
    EXPECT_EQ(About(0), out);
    EXPECT_EQ(About(1), reversed);
    EXPECT_EQ(About(2), floating);

    TDrawingObjects empty { nullptr, &messages, nullptr };
    empty.CheckTopology();
    EXPECT_TRUE(messages.Empty());
}

} // namespace
} // namespace morvane
