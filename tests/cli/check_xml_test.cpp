// SPDX-License-Identifier: MIT
// morvane-cli check and xml, run as a user runs them.
#include "cli/cli_run.h"
#include "core/model/chain_building.h"

#include "export/xml_export.h"
#include "format/net_writer.h"
#include "options/display_globals.h"

#include <fstream>
#include <gtest/gtest.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;
using test::RunCli;
using test::chains::Node;
using test::chains::Segment;

class CheckXmlCliTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetGlobals(); }
    std::string Save(TDrawingObjects &net, const char *name)
    {
        const std::string path = (folder / name).string();
        EXPECT_TRUE(SaveNetFile(path, net));
        return path;
    }

    test::TempDir dir;
    const fs::path folder = dir.Path();
};

TEST_F(CheckXmlCliTest, CheckPrintsTheTopologyAndFailsOnErrorsOnly)
{
    TDrawingObjects sound { nullptr, nullptr, nullptr };
    Node<TPosition>(sound, 0, 0, "L1");
    Node<TTransition>(sound, 200, 0, "Z1");
    Segment(sound, 16, 16, 216, 16);
    const test::CliRun clean = RunCli({ "check", Save(sound, "sound.vgn") });
    EXPECT_EQ(clean.Exit, 0);
    EXPECT_EQ(clean.Out, "");

    Node<TPosition>(sound, 400, 400, "L2");
    const test::CliRun warned = RunCli({ "check", Save(sound, "warned.vgn") });
    EXPECT_EQ(warned.Exit, 0);
    EXPECT_EQ(warned.Out, "Warning : Position L2 is not connected.\n");

    TDrawingObjects wrong { nullptr, nullptr, nullptr };
    Node<TPosition>(wrong, 0, 0, "L1");
    Node<TPosition>(wrong, 200, 0, "L2");
    Segment(wrong, 16, 16, 216, 16);
    const test::CliRun failed = RunCli({ "check", Save(wrong, "wrong.vgn") });
    EXPECT_EQ(failed.Exit, 1);
    EXPECT_EQ(failed.Out.rfind("Error : Position L1 is directly connected with L2\n", 0), 0u);

    std::ofstream(folder / "garbage.vgn") << "not a net";
    EXPECT_EQ(RunCli({ "check", (folder / "garbage.vgn").string() }).Exit, 2);
    EXPECT_EQ(RunCli({ "check", (folder / "absent.vgn").string() }).Exit, 2);
    EXPECT_EQ(RunCli({ "check" }).Exit, 64);
}

TEST_F(CheckXmlCliTest, XmlGoesToStandardOutputOrWholeIntoTheOutputFile)
{
    TDrawingObjects net { nullptr, nullptr, nullptr };
    net.NetName = "Demo";
    Node<TTransition>(net, 160, 120, "Z1");
    Node<TPosition>(net, 40, 120, "L1")->Capacity = -1;
    Segment(net, 56, 136, 56, 180);
    Segment(net, 56, 180, 176, 180);
    const std::string path = Save(net, "demo.vgn");
    const std::string expected = TXMLExport(net, "").GetFileText();
    ASSERT_NE(expected.find("capacity=\"inf\""), std::string::npos);

    const test::CliRun printed = RunCli({ "xml", path });
    EXPECT_EQ(printed.Exit, 0);
    EXPECT_EQ(printed.Out, expected);

    const fs::path out = folder / "demo-out.xml";
    const test::CliRun written = RunCli({ "xml", path, "-o", out.string() });
    EXPECT_EQ(written.Exit, 0);
    EXPECT_EQ(written.Out, "");
    EXPECT_EQ(test::ReadFile(out), expected);

    // Nothing is left behind when the input is bad or the output cannot be written.
    const fs::path none = folder / "none.xml";
    std::ofstream(folder / "garbage.vgn") << "not a net";
    EXPECT_EQ(RunCli({ "xml", (folder / "garbage.vgn").string(), "-o", none.string() }).Exit, 2);
    EXPECT_FALSE(fs::exists(none));
    EXPECT_EQ(RunCli({ "xml", path, "-o", (folder / "no" / "x.xml").string() }).Exit, 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);

    EXPECT_EQ(RunCli({ "xml", path, "-o" }).Exit, 64);
    EXPECT_EQ(RunCli({ "xml", path, path }).Exit, 64);
    EXPECT_EQ(RunCli({ "xml", "--pretty", path }).Exit, 64);

    // The plain-text formal description takes the same options.
    EXPECT_EQ(RunCli({ "formal", path }).Out,
        "Z1 = ⟨{L1}, {}⟩\r\nr1 =    |\r\n     ---+\r\n     L1 |\r\n");
    EXPECT_EQ(RunCli({ "formal", path, "-o", (folder / "no" / "x.txt").string() }).Exit, 3);
    EXPECT_EQ(RunCli({ "formal", path, "--components", "4,16" }).Out, "Z1 = ⟨{L1}, 0⟩\r\n");
}

} // namespace
} // namespace morvane
