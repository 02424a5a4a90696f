// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"
#include "support/globals_fixture.h"
#include "support/net_building.h"

#include "format/net_writer.h"
#include "model/drawing_objects.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// The box of pixels a line touches on a sheet (a hairline at a low resolution is light grey), as
// fractions of its width and height.
struct TInk
{
    double left = 1, top = 1, right = 0, bottom = 0;
    double CentreX() const { return (left + right) / 2; }
    double CentreY() const { return (top + bottom) / 2; }
};

// Reads a binary grey map (P5, 8 bits) and finds its ink.
TInk InkOf(const std::string &pgm)
{
    std::istringstream in(pgm);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    TInk ink;
    if (magic != "P5" || width < 1 || height < 1)
        return ink;
    const std::string pixels = pgm.substr(std::size_t(in.tellg()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (static_cast<unsigned char>(pixels[std::size_t(y) * width + x]) < 250) {
                ink.left = std::min(ink.left, double(x) / width);
                ink.right = std::max(ink.right, double(x + 1) / width);
                ink.top = std::min(ink.top, double(y) / height);
                ink.bottom = std::max(ink.bottom, double(y + 1) / height);
            }
    return ink;
}

class CliPrintTest : public test::GlobalsTest
{
protected:
    test::TempDir temp;
    const fs::path dir = temp.Path();
    const fs::path net = dir / "net.vgn";
    const std::string pdf = (dir / "net.pdf").string();
    std::string err;

    // A position with its label and an arc to its right: 801 x 61 pixels, 100 x 7.6 mm at 8:8.
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        test::PlaceNode<TPosition>(doc, 40, 64, "L1");
        test::AddPiece(doc, 40, 104, 840, 104, true);
        ASSERT_TRUE(SaveNetFile(net.string(), doc));
    }

    int Print(std::vector<std::string> options)
    {
        std::vector<std::string> args { "print", net.string(), pdf };
        args.insert(args.end(), options.begin(), options.end());
        const test::CliRun run = test::RunCli(args);
        err = run.Err;
        return run.Exit;
    }
    std::string Info(const std::string &key)
    {
        const std::string info = test::CommandOutput("pdfinfo '" + pdf + "' 2>&1");
        const auto at = info.find(key + ":");
        if (at == std::string::npos)
            return info;
        const auto start = info.find_first_not_of(' ', at + key.size() + 1);
        return info.substr(start, info.find('\n', start) - start);
    }
    TInk Sheet(int page)
    {
        const std::string n = std::to_string(page);
        return InkOf(test::CommandOutput("pdftoppm -r 72 -gray -singlefile -f " + n + " -l " + n
            + " '" + pdf + "' 2>/dev/null"));
    }
};

TEST_F(CliPrintTest, TheAnchorPutsTheNetWhereItSays)
{
    // Within 10 mm margins of A4: the picture's middle lies 60 mm from the left, 3.8 mm below
    // the top margin, and so on.
    struct Case
    {
        const char *anchor;
        const char *paper;
        double x, y; // the middle of the ink, as fractions of the sheet
    };
    const Case cases[] = {
        { "left-top", "A4", 60 / 210.0, 13.8 / 297 },
        { "center", "A4", 0.5, 0.5 },
        { "right-bottom", "A4", 150 / 210.0, 283.2 / 297 },
        { "20,30", "A4", 80 / 210.0, 43.8 / 297 },
        { "center-top", "200x100", 0.5, 13.8 / 100 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.anchor);
        ASSERT_EQ(Print({ "--anchor", c.anchor, "--margins", "10,10,10,10", "--page", c.paper }), 0)
            << err;
        EXPECT_EQ(Info("Pages"), "1");
        const TInk ink = Sheet(1);
        EXPECT_NEAR(ink.CentreX(), c.x, 0.03);
        EXPECT_NEAR(ink.CentreY(), c.y, 0.03);
    }
}

TEST_F(CliPrintTest, SheetsFollowThePaperTheScaleAndTheRange)
{
    ASSERT_EQ(Print({ "--landscape", "--fit" }), 0) << err;
    EXPECT_EQ(Info("Page size"), "842 x 595 pts (A4)");
    const TInk fitted = Sheet(1);
    EXPECT_NEAR(fitted.left, 0, 0.02);
    EXPECT_NEAR(fitted.right, 1, 0.02) << "the width fills the sheet";

    // At 24:8 the picture is 300 mm wide: the left part on one A4 sheet, the rest on a second.
    ASSERT_EQ(Print({ "--scale", "24", "--page", "a4" }), 0) << err;
    EXPECT_EQ(Info("Pages"), "2");
    EXPECT_EQ(Info("Page size"), "595 x 842 pts (A4)");
    EXPECT_NEAR(Sheet(1).right, 1, 0.02);
    EXPECT_NEAR(Sheet(2).left, 0, 0.02);
    EXPECT_NEAR(Sheet(2).right, 90 / 210.0, 0.03);

    ASSERT_EQ(Print({ "--scale", "24", "--pages", "2" }), 0) << err;
    EXPECT_EQ(Info("Pages"), "1");
    EXPECT_NEAR(Sheet(1).left, 0, 0.02) << "the second sheet alone";
}

TEST_F(CliPrintTest, BadOptionsAreRefusedWithTheReason)
{
    struct Case
    {
        std::vector<std::string> options;
        const char *message;
    };
    const Case cases[] = {
        { { "--scale", "8", "--fit" }, "--scale and --fit exclude each other" },
        { { "--scale", "0" }, "--scale" },
        { { "--anchor", "middle" }, "--anchor is left-top" },
        { { "--page", "B7" }, "--page is A4" },
        { { "--margins", "150,0,70,0" }, "the margins leave no room on the sheet" },
        { { "--pages", "3-4" }, "the net prints on 1 sheet; there is no sheet 3" },
        { { "--pages", "2-1" }, "runs backwards" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Print(c.options), 64);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
    }
    const test::CliRun png = test::RunCli({ "print", net.string(), (dir / "net.png").string() });
    EXPECT_EQ(png.Exit, 64);
    EXPECT_NE(png.Err.find("must end in .pdf"), std::string::npos) << png.Err;
}

} // namespace
} // namespace morvane
