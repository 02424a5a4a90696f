// SPDX-License-Identifier: MIT
#include "export/generate_name.h"
#include "export/name_mask.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(NameMaskTest, DelAndInsFindTokensWithoutRegardToCase)
{
    struct Case
    {
        const char *mask;
        bool insert;
        int tag;
        const char *expected;
    };
    const Case cases[] = {
        { "w#{iI}#{iN}", true, 0, "w#{iI}#{iN}" }, // already last: stays
        { "w#{in}x", true, 0, "wx#{iN}" }, // typed in another case, moved to the end
        { "w#{iN}", false, 3, "w#{iN}" }, // not there: unchanged
        { "#{OI}a#{oI}", false, 3, "a#{oI}" }, // only the first occurrence
        { "w", true, 4, "w" }, // no such tag
    };
    for (const Case &c : cases)
        EXPECT_EQ(
            c.insert ? InsertMaskToken(c.mask, c.tag) : DeleteMaskToken(c.mask, c.tag), c.expected)
            << c.mask << " tag " << c.tag;
    EXPECT_EQ(ConstantText(3, true), "False");
    EXPECT_EQ(ConstantText(2, false), "T");
}

} // namespace
} // namespace morvane
