// SPDX-License-Identifier: MIT
// Where morvane-cli's output goes: never over its own input, never lost without a word.
#include "cli/cli_run.h"
#include "support/globals_fixture.h"

#include "format/net_writer.h"
#include "model/drawing_objects.h"

#include <gmock/gmock.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CliOutputTest : public test::GlobalsTest
{
protected:
    void SetUp() override
    {
        test::GlobalsTest::SetUp();
        // An unconnected position: every command below has something to print.
        TDrawingObjects doc(nullptr, nullptr, nullptr);
        doc.Add<TPosition>()->Place(160, 160, "L1");
        ASSERT_TRUE(SaveNetFile(net, doc));
    }

    test::TempDir dir;
    const std::string net = (dir.Path() / "net.vgn").string();
};

TEST_F(CliOutputTest, NoCommandWritesOverItsInputUnderAnyName)
{
    const fs::path d = dir.Path();
    fs::create_symlink(net, d / "link.png");
    fs::create_hard_link(net, d / "hard.tex");
    const std::string bytes = test::ReadFile(net);
    const std::string roundabout = (d / ".." / d.filename() / "net.vgn").string();
    for (const std::vector<std::string> &args :
        { std::vector<std::string> { "xml", net, "-o", net }, { "convert", net, roundabout },
            { "render", net, (d / "link.png").string() },
            { "latex", net, "-o", (d / "hard.tex").string() },
            { "autoroute", net, "0", "0", "80", "80", "-o", (d / "link.png").string() } }) {
        test::WriteFile(net, bytes); // in place: both links stay
        const test::CliRun run = test::RunCli(args);
        EXPECT_EQ(run.Exit, 64) << args[0];
        EXPECT_THAT(run.Err, HasSubstr("would overwrite the input file")) << args[0];
        EXPECT_EQ(test::ReadFile(net), bytes) << args[0];
    }
    EXPECT_TRUE(fs::is_symlink(d / "link.png"));
    EXPECT_EQ(fs::hard_link_count(net), 2u);
}

TEST_F(CliOutputTest, StandardOutputThatCannotBeWrittenIsAFailure)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string> &args : { std::vector<std::string> { "info", net },
             { "check", net }, { "xml", net }, { "route", net, "80", "176", "320", "176" },
             { "autoroute", net, "80", "176", "320", "176" }, { "help" } }) {
        const test::CliRun run = test::RunCli(args, "/dev/full");
        EXPECT_EQ(run.Exit, 3) << args[0];
        EXPECT_THAT(run.Err, HasSubstr("morvane-cli: cannot write standard output: ")) << args[0];
    }
}

} // namespace
} // namespace morvane
