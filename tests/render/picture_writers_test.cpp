// SPDX-License-Identifier: MIT
#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/png_writer.h"
#include "render/render_support.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::uint32_t U32(const std::string &b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8
        | std::uint32_t(std::uint8_t(b[at + 2])) << 16
        | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string &b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

class PictureWritersTest : public ::testing::Test
{
protected:
    test::TempDir dir;
    const fs::path folder = dir.Path();
    // 37 pixels wide, so that every depth needs row padding; stripes tell the rows apart.
    QImage image { 37, 13, QImage::Format_RGB32 };

    void SetUp() override
    {
        image.fill(Qt::white);
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, 2, qRgb(255, 0, 0));
            image.setPixel(x, 12, qRgb(0, 0, 255));
        }
    }
    std::string Path(const std::string &name) const { return (folder / name).string(); }
};

TEST_F(PictureWritersTest, BmpHeadersPalettesAndRowsForEveryDepth)
{
    struct Depth
    {
        int bpp;
        std::uint16_t bitCount;
        std::uint32_t compression, colours, rowBytes;
    };
    for (const Depth d :
        { Depth { 1, 1, 0, 2, 8 }, Depth { 4, 4, 0, 16, 20 }, Depth { 8, 8, 0, 256, 40 },
            Depth { 15, 16, 0, 0, 76 }, Depth { 16, 16, 3, 0, 76 }, Depth { 24, 24, 0, 0, 112 } }) {
        SCOPED_TRACE(d.bpp);
        const std::string path = Path("depth.bmp");
        const TWriteResult written = WriteBmp(image, path, d.bpp);
        ASSERT_TRUE(written) << written.Reason;
        const std::string bmp = test::ReadFile(path);
        const std::uint32_t extra = d.compression == 3 ? 12 : d.colours * 4;
        const std::uint32_t offset = 14 + 40 + extra;
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(U32(bmp, 2), bmp.size());
        EXPECT_EQ(U32(bmp, 10), offset);
        EXPECT_EQ(U32(bmp, 14), 40u);
        EXPECT_EQ(U32(bmp, 18), 37u);
        EXPECT_EQ(U32(bmp, 22), 13u) << "positive height: bottom-up rows";
        EXPECT_EQ(U16(bmp, 26), 1u);
        EXPECT_EQ(U16(bmp, 28), d.bitCount);
        EXPECT_EQ(U32(bmp, 30), d.compression);
        EXPECT_EQ(U32(bmp, 34), d.rowBytes * 13);
        EXPECT_EQ(U32(bmp, 46), d.colours);
        EXPECT_EQ(bmp.size(), offset + d.rowBytes * 13);
        if (d.compression == 3) {
            EXPECT_EQ(U32(bmp, 54), 0xF800u);
            EXPECT_EQ(U32(bmp, 58), 0x07E0u);
            EXPECT_EQ(U32(bmp, 62), 0x001Fu);
        }
        if (d.bpp == 16) { // red, 5-6-5, on the eleventh stored row: rows run bottom-up
            EXPECT_EQ(U16(bmp, offset + d.rowBytes * 10), 0xF800);
        }
    }
    const TWriteResult refused = WriteBmp(image, Path("depth.bmp"), 32);
    EXPECT_EQ(refused.Status, TWriteStatus::EncodeFailed);
    EXPECT_NE(refused.Reason.find("not 32"), std::string::npos) << refused.Reason;
}

// Pixel of a picture file as ImageMagick decodes it, "r,g,b".
std::string DecodedPixel(const std::string &path, int x, int y)
{
    const std::string txt = test::RunCommand("convert '" + path + "' -crop 1x1+" + std::to_string(x)
        + "+" + std::to_string(y) + " txt:- 2>&1");
    const auto open = txt.find("0,0: (");
    if (open == std::string::npos)
        return txt;
    const auto start = open + 6;
    return txt.substr(start, txt.find(')', start) - start);
}

TEST_F(PictureWritersTest, ImageMagickReadsEveryBmpDepth)
{
    for (int bpp : { 1, 4, 8, 15, 16, 24 }) {
        SCOPED_TRACE(bpp);
        const std::string path = Path("net" + std::to_string(bpp) + ".bmp");
        ASSERT_TRUE(WriteBmp(image, path, bpp));
        int status = -1;
        const std::string depth = bpp <= 4 ? std::to_string(bpp) : "8";
        EXPECT_EQ(test::RunCommand("identify -format '%m %w %h %z' '" + path + "'", &status),
            "BMP3 37 13 " + depth);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(DecodedPixel(path, 5, 0), "255,255,255");
        EXPECT_EQ(DecodedPixel(path, 5, 2), bpp == 1 ? "0,0,0" : "255,0,0");
        EXPECT_EQ(DecodedPixel(path, 36, 12), bpp == 1 ? "0,0,0" : "0,0,255");
    }
}

TEST_F(PictureWritersTest, LibjpegReadsColourAndGreyscale)
{
    const std::string colour = Path("net.jpg"), grey = Path("grey.jpg");
    ASSERT_TRUE(WriteJpeg(image, colour, false, 40));
    ASSERT_TRUE(WriteJpeg(image, grey, true, 100));
    int status = -1;
    EXPECT_EQ(
        test::RunCommand("djpeg -pnm '" + colour + "' | head -c 13", &status), "P6\n37 13\n255\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::RunCommand("djpeg -pnm '" + grey + "' | head -c 13"), "P5\n37 13\n255\n");
    EXPECT_EQ(test::RunCommand("identify -format '%[colorspace] %z' '" + grey + "'"), "Gray 8");

    // Colours survive in their channels (red stays red), and grey is the luminance.
    QImage blocks(32, 16, QImage::Format_RGB32);
    blocks.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            blocks.setPixel(x, y, qRgb(0, 0, 255));
    ASSERT_TRUE(WriteJpeg(blocks, colour, false, 90));
    ASSERT_TRUE(WriteJpeg(blocks, grey, true, 90));
    auto near = [](const std::string &decoded, int r, int g, int b) {
        int dr = -1, dg = -1, db = -1;
        std::sscanf(decoded.c_str(), "%d,%d,%d", &dr, &dg, &db);
        return std::abs(dr - r) <= 3 && std::abs(dg - g) <= 3 && std::abs(db - b) <= 3;
    };
    EXPECT_PRED4(near, DecodedPixel(colour, 4, 8), 255, 0, 0);
    EXPECT_PRED4(near, DecodedPixel(colour, 28, 8), 0, 0, 255);
    EXPECT_PRED4(near, DecodedPixel(grey, 4, 8), 76, 76, 76);
    EXPECT_PRED4(near, DecodedPixel(grey, 28, 8), 29, 29, 29);
}

TEST_F(PictureWritersTest, FailuresNameTheFileAndLeaveNothingBehind)
{
    const std::string missing = Path("no/such/folder/net.bmp");
    const TWriteResult failed = WriteBmp(image, missing, 24);
    EXPECT_EQ(failed.Status, TWriteStatus::WriteFailed);
    EXPECT_EQ(failed.Path, missing);
    EXPECT_NE(failed.Reason.find(missing), std::string::npos) << failed.Reason;

    const std::string existing = Path("old.bmp");
    test::WriteFile(existing, "old picture");
    EXPECT_FALSE(WriteBmp(image, existing, 7));
    EXPECT_NE(WriteJpeg(image, existing, false, 0).Reason.find("1 to 100"), std::string::npos);
    EXPECT_FALSE(WriteJpeg(QImage(70000, 1, QImage::Format_RGB32), existing, false, 40))
        << "beyond what JPEG can hold";
    EXPECT_EQ(test::ReadFile(existing), "old picture");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file is left";
}

} // namespace
} // namespace morvane
