// SPDX-License-Identifier: MIT
#include "export/generate_name.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(GenerateNameTest, KeepsTheFileNamePartAndAppendsTheRule)
{
    TGenerateName rule { 0, "", "xml", "NoNameX" };
    EXPECT_EQ(rule.GenerateFileName("C:\\nets\\net1.vgn"), "net1.vgn.xml");
    EXPECT_EQ(rule.GenerateFileName("/home/ann/nets/net1.vgn"), "net1.vgn.xml");
    EXPECT_EQ(rule.GenerateFileName("A:net1"), "net1.xml");
    EXPECT_EQ(rule.GenerateFileName("net1"), "net1.xml");
    EXPECT_EQ(rule.GenerateFileName("/home/ann/nets/"), ".xml");

    TGenerateName fresh { 3, "_a", "tex", "NoNameX" };
    // The default name stands for a missing source and is never cut.
    EXPECT_EQ(fresh.GenerateFileName(""), "NoNameX_a.tex");
}

// Regression: the cut started one character too early and left the last character, so cutting
// four characters off "net1.vgn" gave "netn" instead of "net1".
TEST(GenerateNameTest, CutTakesCharactersOffTheEnd)
{
    TGenerateName rule { 4, "-fig", "TeX", "NoNameT" };
    EXPECT_EQ(rule.GenerateFileName("/nets/net1.vgn"), "net1-fig.TeX");
    rule.Cut = 1;
    EXPECT_EQ(rule.GenerateFileName("ab"), "a-fig.TeX");
    rule.Cut = 8;
    EXPECT_EQ(rule.GenerateFileName("net1.vgn"), "-fig.TeX");
    rule.Cut = 99; // more than there is
    EXPECT_EQ(rule.GenerateFileName("/nets/net1.vgn"), "-fig.TeX");
    rule.Cut = -2;
    EXPECT_EQ(rule.GenerateFileName("net1.vgn"), "net1.vgn-fig.TeX");
    rule.Cut = 3; // whole characters, not bytes
    EXPECT_EQ(rule.GenerateFileName("Сеть.гн"), "Сеть-fig.TeX");
}

} // namespace
} // namespace morvane
