// SPDX-License-Identifier: MIT
#include "render/run_deflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace morvane {
namespace {

// zlib inflates the stream, checksum and all, back to the rows: runs of colours of three
// different components, and grey levels as often as the Fibonacci numbers, whose best code is
// far longer than a block's codes may be.
TEST(RunDeflaterTest, ZlibInflatesTheRowsBack)
{
    std::vector<std::uint32_t> row;
    for (std::uint32_t level = 1, count = 1, before = 1; level <= 22; ++level) {
        for (std::uint32_t i = 0; i < count; ++i)
            row.insert(row.end(), { 0xFF000000u | level * 0x010101u, 0xFF000000u });
        count = std::exchange(before, before + count);
    }
    row.insert(row.end(), 1000, 0xFFC8641Eu);
    row.insert(row.end(), 7, 0xFFFFFFFFu);
    std::vector<unsigned char> expected;
    TRunDeflater deflater;
    for (int block = 0; block < 2; ++block) {
        for (int copy = 0; copy < 2; ++copy) {
            deflater.Row(row.data(), row.size());
            expected.push_back(0);
            for (const std::uint32_t pixel : row)
                expected.insert(expected.end(),
                    { static_cast<unsigned char>(pixel >> 16),
                        static_cast<unsigned char>(pixel >> 8),
                        static_cast<unsigned char>(pixel) });
        }
        deflater.EndBlock();
        row.resize(row.size() / 3);
    }
    deflater.Finish();
    const std::vector<unsigned char> &stream = deflater.Bytes();
    std::vector<unsigned char> inflated(expected.size() + 1);
    uLongf size = uLongf(inflated.size());
    ASSERT_EQ(uncompress(inflated.data(), &size, stream.data(), uLong(stream.size())), Z_OK);
    inflated.resize(size);
    EXPECT_EQ(inflated, expected);
}

} // namespace
} // namespace morvane
