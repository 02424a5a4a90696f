// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"
#include "pnml/pnml_reader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using morvane::test::RunCli;

const fs::path kPnml = fs::path(MORVANE_TEST_DATA) / "pnml";
const fs::path kSample
    = fs::path(MORVANE_TEST_DATA).parent_path().parent_path() / "samples/simple.vgn";

// What a round trip must keep, by PNML id: places with names and markings, transitions with
// names, arcs with their ends and inscriptions.
struct Structure
{
    std::vector<std::tuple<std::string, bool, std::string, std::string>> Nodes;
    std::vector<std::tuple<std::string, std::string, std::string>> Arcs;
    bool operator==(const Structure &) const = default;
};

Structure Read(const fs::path &file, bool namedOnly, const Structure *names = nullptr)
{
    morvane::TPnmlNet net;
    EXPECT_TRUE(morvane::ReadPnmlFile(file.string(), "", net).Ok) << file;
    Structure s;
    for (const auto &n : net.Nodes) {
        // Nodes without a name come back with the label the import gave them.
        bool named = !n.Name.empty();
        if (names)
            named = std::any_of(names->Nodes.begin(), names->Nodes.end(),
                [&](const auto &o) { return std::get<0>(o) == n.Id; });
        if (!namedOnly || named)
            s.Nodes.emplace_back(n.Id, n.IsPlace, named ? n.Name : "", n.Marking);
    }
    for (const auto &a : net.Arcs)
        s.Arcs.emplace_back(net.Nodes[a.Source].Id, net.Nodes[a.Target].Id, a.Inscription);
    std::sort(s.Nodes.begin(), s.Nodes.end());
    std::sort(s.Arcs.begin(), s.Arcs.end());
    return s;
}

TEST(CliPnml, PnmlThroughNetFileKeepsStructureAndValidates)
{
    morvane::test::TempDir dir;
    for (const char *name : { "lip6_pnmlframework_samplePTnet", "lip6_pnmlframework_philo",
             "lip6_pnmlframework_Token-ring", "ekkart_ePNK_mutex",
             "yanntm_pnmcc-models-2021_Kanban-PT-00005-model" }) {
        SCOPED_TRACE(name);
        const fs::path in = kPnml / (std::string(name) + ".pnml");
        const fs::path vgn = dir.Path() / "net.vgn", out = dir.Path() / "out.pnml";
        ASSERT_EQ(RunCli({ "convert", in.string(), vgn.string() }).Exit, 0);
        const auto back = RunCli({ "convert", vgn.string(), out.string() });
        ASSERT_EQ(back.Exit, 0) << back.Err;
        const Structure before = Read(in, true);
        EXPECT_EQ(Read(out, true, &before), before);
        const std::string validate = "xmllint --noout --relaxng "
            + morvane::test::ShellQuote((kPnml / "grammar/ptnet.pntd").string()) + " "
            + morvane::test::ShellQuote(out.string()) + " 2>/dev/null";
        EXPECT_EQ(std::system(validate.c_str()), 0);
    }
}

TEST(CliPnml, NetFileThroughPnmlKeepsCheckAndDescription)
{
    morvane::test::TempDir dir;
    const fs::path pnml = dir.Path() / "net.pnml", vgn = dir.Path() / "net.vgn";
    ASSERT_EQ(RunCli({ "convert", kSample.string(), pnml.string() }).Exit, 0);
    ASSERT_EQ(RunCli({ "convert", pnml.string(), vgn.string() }).Exit, 0);
    for (const char *command : { "check", "xml" })
        EXPECT_EQ(RunCli({ command, vgn.string() }).Out, RunCli({ command, kSample.string() }).Out)
            << command;
    const auto wrongNet = RunCli({ "convert", "--net", "n9", pnml.string(), vgn.string() });
    EXPECT_EQ(wrongNet.Exit, 2);
    EXPECT_NE(wrongNet.Err.find("no net with the id \"n9\"; nets: \"net1\""), std::string::npos)
        << wrongNet.Err;
}

} // namespace
