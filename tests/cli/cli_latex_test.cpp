// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"

#include "export/latex_test_net.h"
#include "format/net_writer.h"

#include <gmock/gmock.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::vector<std::string> CrLfLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back("<unterminated: " + text.substr(start) + ">");
    return lines;
}

class CliLaTeXTest : public test::LaTeXTest
{
protected:
    void SetUp() override
    {
        test::LaTeXTest::SetUp();
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        test::BuildSmallNet(doc);
        ASSERT_TRUE(SaveNetFile(net.string(), doc));
    }

    // The exit code; standard error lands in `err`.
    int Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "latex");
        const test::CliRun run = test::RunCli(args);
        err = run.Err;
        return run.Exit;
    }

    test::TempDir dir;
    fs::path net = dir.Path() / "net1.vgn";
    fs::path out = dir.Path() / "out.tex";
    std::string err;
};

TEST_F(CliLaTeXTest, DefaultsWriteBothPartsBesideTheNet)
{
    ASSERT_EQ(Run({ net.string() }), 0) << err;
    const auto tex = dir.Path() / "net1.tex";
    EXPECT_EQ(CrLfLines(test::ReadFile(tex)), test::GoldenLines("small_net.tex"));
}

TEST_F(CliLaTeXTest, SettingsReachTheDocumentAsTheExportDialogPassesThem)
{
    ASSERT_EQ(Run({ "--scheme", "--scale", "16", "--mul", "2", "--margins", "8,4,2,1", "--triangle",
                  "--font-size", "11", "--unit", "0.5", "--thickness", "0.1", "-o", out.string(),
                  net.string() }),
        0)
        << err;
    // Each setting shows in one line; the composer's order and the rest are pinned elsewhere. At
    // scale 16 the extent is 544 x 328 pixels and the lowest bottom is 528; the picture size adds
    // the margins, coordinates lose the left and top margins and are doubled.
    const auto lines = CrLfLines(test::ReadFile(out));
    for (const char *line :
        { "\\documentstyle[11pt]{article}", "\\unitlength 0.5mm", "\\linethickness{0.1pt}",
            "\\begin{picture}(554,333)", "\\put(688,504){\\line(1,1){64}}",
            "\\put(208,504){\\circle{128}}", "\\put(272,504){\\vector(1,0){352}}" })
        EXPECT_THAT(lines, ::testing::Contains(line));
    EXPECT_THAT(lines, ::testing::Not(::testing::Contains("$$")));

    ASSERT_EQ(Run({ net.string(), "--formal", "-o", out.string() }), 0) << err;
    EXPECT_EQ(CrLfLines(test::ReadFile(out)), test::GoldenLines("small_net_formal.tex"));
    // --components chooses the parts of each transition; the document parts are no components.
    ASSERT_EQ(Run({ net.string(), "--formal", "--components", "8", "-o", out.string() }), 0) << err;
    EXPECT_THAT(CrLfLines(test::ReadFile(out)),
        ::testing::Contains("$$Z_{1} = \\langle \\{L_{3}\\}\\rangle, $$"));
    EXPECT_EQ(Run({ net.string(), "--formal", "--components", "3", "-o", out.string() }), 64);
    ASSERT_EQ(Run({ net.string(), "--formal", "--mask", "v#{iI}#{oI}", "-o", out.string() }), 0);
    EXPECT_THAT(CrLfLines(test::ReadFile(out)), ::testing::Contains("L_{2} & v_{2,3}\\\\"));
    EXPECT_EQ(Run({ net.string(), "--formal", "--constants", "T", "-o", out.string() }), 64);
}

// Regression: latex put a position left between grid lines onto its cell while render kept it
// where it was, so the two pictures of one net had different extents.
TEST_F(CliLaTeXTest, LaTeXAndRenderReadTheSameExtentOfAnOffGridNet)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    test::PlaceNode<TPosition>(doc, 43, 85, "L1");
    test::PlaceNode<TPosition>(doc, 200, 200, "L2");
    ASSERT_TRUE(SaveNetFile(net.string(), doc));
    for (const char *scale : { "8", "16" }) {
        SCOPED_TRACE(scale);
        // Both commands read options the same way (latex refused "--scale=16").
        ASSERT_EQ(
            Run({ net.string(), "--scheme", std::string("--scale=") + scale, "-o", out.string() }),
            0)
            << err;
        const auto bmp = dir.Path() / "net.bmp";
        const test::CliRun render
            = test::RunCli({ "render", net.string(), bmp.string(), "--scale", scale });
        ASSERT_EQ(render.Exit, 0) << render.Err;
        const std::string header = test::ReadFile(bmp).substr(18, 8);
        auto extent = [&header](std::size_t at) {
            return std::to_string(
                (std::uint8_t(header[at]) | std::uint8_t(header[at + 1]) << 8) - 1);
        };
        // The picture holds one pixel more than the extent each way.
        EXPECT_THAT(CrLfLines(test::ReadFile(out)),
            ::testing::Contains("\\begin{picture}(" + extent(0) + "," + extent(4) + ")"));
    }
}

TEST_F(CliLaTeXTest, FailuresLeaveNoOutput)
{
    const std::string n = net.string();
    for (const std::vector<std::string> &args : { std::vector<std::string> {}, { n, n },
             { n, "--frobnicate" }, { n, "-o" }, { n, "--scale", "65" }, { n, "--div", "0" },
             { n, "--font-size", "12pt" }, { n, "--unit", "\\input{x}" }, { n, "--thickness", "." },
             { n, "--margins", "1,2,3" }, { n, "--margins", "1,-2,3,4" }, { n, "-o", n } }) {
        EXPECT_EQ(Run(args), 64) << ::testing::PrintToString(args);
        EXPECT_THAT(err, HasSubstr("usage: morvane-cli latex FILE"));
    }
    const std::string bytes = test::ReadFile(net);
    const auto cut = dir.Path() / "cut.vgn";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    EXPECT_EQ(Run({ cut.string(), "-o", out.string() }), 2);
    EXPECT_EQ(Run({ n, "-o", (dir.Path() / "no" / "out.tex").string() }), 3);
    // Nothing beside the two inputs: no output, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);
}

// Regression: an arc spanning the whole coordinate range wrapped the picture size to
// \\begin{picture}(-8,0). A picture beyond LaTeX's largest dimension at the unit in use is refused.
TEST_F(CliLaTeXTest, PictureLaTeXCannotHoldIsRefused)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    test::AddPiece(doc, INT32_MIN, 0, INT32_MAX, 0);
    const auto wide = dir.Path() / "wide.vgn";
    ASSERT_TRUE(SaveNetFile(wide.string(), doc));
    for (const auto &[input, unit] : { std::pair { wide, "0.25" }, { net, "30" } }) {
        EXPECT_EQ(Run({ input.string(), "--unit", unit, "-o", out.string() }), 2) << unit;
        EXPECT_THAT(err, HasSubstr("but LaTeX holds at most"));
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(Run({ net.string(), "--unit", "15", "-o", out.string() }), 0) << err;
}

} // namespace
} // namespace morvane
