// SPDX-License-Identifier: MIT
#include "export/generate_name.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// The file name part of the source, less `Cut` characters, then the suffix and the extension.
TEST(GenerateNameTest, KeepsTheFileNamePartCutsItsEndAndAppendsTheRule)
{
    const struct
    {
        std::int32_t cut;
        const char *suffix, *ext, *source, *expected;
    } cases[] = {
        { 0, "", "xml", "C:\\nets\\net1.vgn", "net1.vgn.xml" },
        { 0, "", "xml", "/home/ann/nets/net1.vgn", "net1.vgn.xml" },
        { 0, "", "xml", "A:net1", "net1.xml" }, { 0, "", "xml", "net1", "net1.xml" },
        { 0, "", "xml", "/home/ann/nets/", ".xml" },
        { 3, "_a", "tex", "", "NoNameX_a.tex" }, // the default name is never cut
        // Regression: the cut started one character early, "net1.vgn" less four gave "netn".
        { 4, "-fig", "TeX", "/nets/net1.vgn", "net1-fig.TeX" },
        { 1, "-fig", "TeX", "ab", "a-fig.TeX" }, { 8, "-fig", "TeX", "net1.vgn", "-fig.TeX" },
        { 99, "-fig", "TeX", "/nets/net1.vgn", "-fig.TeX" },
        { -2, "-fig", "TeX", "net1.vgn", "net1.vgn-fig.TeX" },
        { 3, "-fig", "TeX", "Сеть.гн", "Сеть-fig.TeX" }, // whole characters, not bytes
    };
    for (const auto &c : cases) {
        const TGenerateName rule { c.cut, c.suffix, c.ext, "NoNameX" };
        EXPECT_EQ(rule.GenerateFileName(c.source), c.expected) << c.source << " cut " << c.cut;
    }
}

} // namespace
} // namespace morvane
