// SPDX-License-Identifier: MIT
#include "support/changed_options.h"

#include "options/option_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(OptionFileTest, EverySettingSurvivesARoundTrip)
{
    const TOptionSet saved = test::ChangedOptions();
    TOptionSet loaded;
    std::vector<std::string> problems;
    ReadOptionFile(WriteOptionFile(saved), loaded, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(loaded, saved);
}

TEST(OptionFileTest, WhatCannotBeReadIsReportedAndTheRestLoads)
{
    const std::string text = "[display]\r\n"
                             "gridx = 24\n"
                             "GridY=eight\n"
                             "EditBar=65\n"
                             "Wobble=1\n"
                             "just words\n"
                             "[Sounds]\n"
                             "Beep=1\n"
                             "[Colors]\n"
                             "Scheme=Pastel\n"
                             "Custom0=0x00123456\n"
                             "Custom1=0x1FFFFFFFF\n"
                             "[General]\n"
                             "Lazy=true\n"
                             "HistoryDepth=0\n";
    TOptionSet loaded;
    std::vector<std::string> problems;
    ReadOptionFile(text, loaded, problems);
    TOptionSet expected;
    expected.GridX = 24;
    expected.CustomColors[0] = 0x00123456u;
    expected.Lazy = true;
    EXPECT_EQ(loaded, expected);
    using testing::HasSubstr;
    EXPECT_THAT(problems,
        testing::ElementsAre(HasSubstr("line 3: bad value \"eight\" for GridY"),
            HasSubstr("line 4: bad value \"65\""), HasSubstr("line 5: unknown setting Wobble"),
            HasSubstr("line 6: not a setting"), HasSubstr("line 7: unknown section [Sounds]"),
            HasSubstr("line 10: bad value \"Pastel\""), HasSubstr("line 12: bad value"),
            HasSubstr("line 15: bad value \"0\" for HistoryDepth")));
}

} // namespace
} // namespace morvane
