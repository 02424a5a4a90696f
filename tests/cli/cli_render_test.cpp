// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"
#include "support/globals_fixture.h"
#include "support/net_building.h"

#include "format/net_writer.h"
#include "model/drawing_objects.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;

class CliRenderTest : public test::GlobalsTest
{
protected:
    test::TempDir temp;
    const fs::path dir = temp.Path();
    const fs::path net = dir / "net.vgn";
    std::string err;

    // A position with its label and an arrowed arc below it: 96 x 60 pixels at scale 8.
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        test::PlaceNode<TPosition>(doc, 40, 64, "L1");
        test::AddPiece(doc, 40, 104, 136, 104, true);
        ASSERT_TRUE(SaveNetFile(net.string(), doc));
    }

    int Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "render");
        const test::CliRun run = test::RunCli(args);
        err = run.Err;
        return run.Exit;
    }
    std::string Identify(const fs::path &file, const std::string &format)
    {
        return test::CommandOutput(
            "identify -format '" + format + "' '" + file.string() + "' 2>&1");
    }
    std::string Out(const std::string &name) const { return (dir / name).string(); }
};

TEST_F(CliRenderTest, WritesEachFormatAtTheRequestedScaleAndMargins)
{
    ASSERT_EQ(Run({ net.string(), Out("net.bmp") }), 0) << err;
    EXPECT_EQ(Identify(Out("net.bmp"), "%m %w %h"), "BMP3 97 61");
    EXPECT_EQ(err, "");

    ASSERT_EQ(Run({ net.string(), Out("two.bmp"), "--bpp", "1", "--margins=10,20,30,40" }), 0)
        << err;
    EXPECT_EQ(Identify(Out("two.bmp"), "%w %h %z"), "137 121 1");

    ASSERT_EQ(
        Run({ net.string(), Out("grey.jpg"), "--grey", "--quality", "90", "--scale", "16" }), 0)
        << err;
    EXPECT_EQ(Identify(Out("grey.jpg"), "%m %w %h %[colorspace]"), "JPEG 193 121 Gray");

    ASSERT_EQ(Run({ net.string(), Out("net.PNG"), "--scale=4" }), 0) << err;
    EXPECT_EQ(Identify(Out("net.PNG"), "%m %w %h"), "PNG 49 31");

    // Vector pictures: the bitmap's size in units, the label as text.
    ASSERT_EQ(Run({ net.string(), Out("net.svg") }), 0) << err;
    const std::string svg = test::CommandOutput("cat '" + Out("net.svg") + "'");
    EXPECT_NE(svg.find("viewBox=\"0 0 97 61\""), std::string::npos) << svg;
    EXPECT_NE(svg.find(">L</text>"), std::string::npos) << svg;
    ASSERT_EQ(Run({ net.string(), Out("net.pdf") }), 0) << err;
    EXPECT_EQ(test::CommandOutput("head -c 5 '" + Out("net.pdf") + "'"), "%PDF-");
}

// The option parser is shared with latex, whose test tries the margins, unknown options and
// missing values; here what render adds.
TEST_F(CliRenderTest, BadUsageWritesNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        { net.string() },
        { net.string(), Out("a.gif") },
        { net.string(), Out("a.bmp"), "--scale", "0" },
        { net.string(), Out("a.bmp"), "--scale", "8x" },
        { net.string(), Out("a.bmp"), "--bpp", "32" },
        { net.string(), Out("a.jpg"), "--bpp", "8" },
        { net.string(), Out("a.png"), "--grey" },
        { net.string(), Out("a.svg"), "--bpp", "8" },
        { net.string(), Out("a.jpg"), "--quality", "0" },
    };
    for (const auto &args : cases) {
        SCOPED_TRACE(args.empty() ? "(none)" : args.back());
        EXPECT_EQ(Run(args), 64);
        EXPECT_NE(err.find("usage: morvane-cli render FILE OUT"), std::string::npos) << err;
    }
    EXPECT_EQ(Run({ net.string(), Out("a.bmp"), "--scale", "65" }), 64);
    EXPECT_EQ(err.substr(0, err.find('\n')),
        "morvane-cli: --scale 65 is outside the zoom limits 1 to 64");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "only the net";
}

TEST_F(CliRenderTest, UnreadableInputAndUnwritableOutput)
{
    std::ofstream(dir / "garbage.vgn") << "this is not a net";
    EXPECT_EQ(Run({ Out("garbage.vgn"), Out("a.png") }), 2) << err;
    EXPECT_FALSE(fs::exists(dir / "a.png")) << "no picture of half a net";

    EXPECT_EQ(Run({ net.string(), Out("no/such/folder/a.jpg") }), 3);
    EXPECT_NE(err.find("no/such/folder/a.jpg"), std::string::npos) << err;
}

// Two positions 1,200,000 pixels apart: the picture would be too wide for PNG and JPEG, and the
// refusal comes before a 288 MB image is allocated and drawn.
TEST_F(CliRenderTest, FormatLimitsAreCheckedBeforeDrawing)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    test::PlaceNode<TPosition>(doc, 40, 64, "L1");
    test::PlaceNode<TPosition>(doc, 1'200'040, 64, "L2");
    ASSERT_TRUE(SaveNetFile(Out("wide.vgn"), doc));
    const std::pair<const char *, const char *> cases[] = {
        { "wide.png", "PNG pictures are at most 1000000 pixels wide; this one would be 12000" },
        { "wide.jpg", "JPEG pictures are at most 65500 pixels wide; this one would be 12000" },
    };
    for (const auto &[name, message] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Run({ Out("wide.vgn"), Out(name) }), 2);
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_FALSE(fs::exists(dir / name));
    }
}

} // namespace
} // namespace morvane
