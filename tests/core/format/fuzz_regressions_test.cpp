// SPDX-License-Identifier: MIT
// Inputs the fuzzer once broke the reader with. Each must read (to a result or a fatal error),
// and whatever was read must write, and read back to the same bytes.
#include "net_test_support.h"
#include "support/test_files.h"

#include "format/net_reader.h"
#include "format/net_writer.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(FuzzRegressions, EveryKeptInputReadsAndWritesBack)
{
    const std::filesystem::path folder
        = std::filesystem::path(MORVANE_TEST_DATA) / "fuzz-regressions";
    std::size_t count = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with("README"))
            continue;
        ++count;
        test::TTestNet t;
        ReadNet(test::ReadFile(entry.path()), t.Net, [](const std::string &, std::size_t) {});
        const std::string written = WriteNetToString(t.Net);
        test::TTestNet again;
        const TReadResult result = ReadNet(written, again.Net);
        ASSERT_TRUE(result) << entry.path() << ": " << result.Reason << " at " << result.Offset;
        EXPECT_TRUE(again.Messages.Empty()) << entry.path();
        EXPECT_EQ(WriteNetToString(again.Net), written) << entry.path();
    }
    EXPECT_GT(count, 0u);
}

} // namespace
} // namespace morvane
