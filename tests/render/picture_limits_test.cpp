// SPDX-License-Identifier: MIT
#include "render/picture_limits.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(PictureLimitsTest, EachFormatRefusesJustPastItsLimitAndSaysWhich)
{
    struct TCase
    {
        TPictureFormat Format;
        std::int64_t Width, Height;
        int Bits;
        const char *Error;
    };
    const TCase cases[] = {
        { TPictureFormat::Png, 1'000'000, 1'000'000, 24, "" },
        { TPictureFormat::Png, 1'200'000, 10, 24,
            "PNG pictures are at most 1000000 pixels wide; this one would be 1200000" },
        { TPictureFormat::Png, 10, 1'000'001, 24,
            "PNG pictures are at most 1000000 pixels high; this one would be 1000001" },
        { TPictureFormat::Jpeg, 65'500, 65'500, 24, "" },
        { TPictureFormat::Jpeg, 65'501, 1, 24,
            "JPEG pictures are at most 65500 pixels wide; this one would be 65501" },
        { TPictureFormat::Bmp, 2'147'483'647, 1, 1, "" },
        { TPictureFormat::Bmp, 2'147'483'648, 1, 1,
            "BMP pictures are at most 2147483647 pixels wide; this one would be 2147483648" },
        // Rows of 196,608 bytes: 21,845 of them and the headers fit in 4 GiB, one more does not;
        // the last case's byte count overflows 64 bits.
        { TPictureFormat::Bmp, 65'536, 21'845, 24, "" },
        { TPictureFormat::Bmp, 65'536, 21'846, 24,
            "BMP files are at most 4 GiB; this one would hold 65536 x 21846 pixels at 24 bits" },
        { TPictureFormat::Bmp, 2'147'483'647, 2'147'483'647, 24,
            "BMP files are at most 4 GiB; this one would hold 2147483647 x 2147483647 pixels at "
            "24 bits" },
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(std::to_string(c.Width) + " x " + std::to_string(c.Height));
        EXPECT_EQ(PictureFormatLimitError(c.Format, c.Width, c.Height, c.Bits), c.Error);
    }
}

} // namespace
} // namespace morvane
