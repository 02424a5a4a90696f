// SPDX-License-Identifier: MIT
#include "pnml/pnml_import.h"
#include "pnml/pnml_reader.h"
#include "support/globals_fixture.h"

#include "common/message_list.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace morvane {
namespace {

const std::string kData = std::string(MORVANE_TEST_DATA) + "/pnml/";

std::string Joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const auto &l : lines)
        text += l + "\n";
    return text;
}

class PnmlImport : public test::GlobalsTest
{
};

// Every sample imports whole, with chains that the topology check finds sound, and says what it
// repaired or left out.
TEST_F(PnmlImport, SampleFilesGiveTheNetsTheyHold)
{
    struct Case
    {
        const char *File;
        std::size_t Positions, Transitions, Arcs;
        const char *Reported; // a line the report must hold, or ""
        const char *Label = "", *Base = ""; // a node's label and its base; the rest is the index
    };
    const Case cases[] = {
        { "lip6_pnmlframework_samplePTnet.pnml", 1, 1, 1, "inside labels were not kept" },
        { "lip6_pnmlframework_Token-ring.pnml", 18, 15, 67, "", "GoRelay", "GoRelay" },
        { "lip6_pnmlframework_philo.pnml", 30, 30, 96, "", "FORK_1", "FORK_" },
        { "SSoelvsten_bdd-benchmark_split.pnml", 3, 3, 6, "6 node(s) without coordinates", "t_34",
            "t_" },
        { "ekkart_ePNK_mutex.pnml", 7, 6, 16, "pages were placed side by side" },
        { "ekkart_ePNK_multiple-nets-technical.pnml", 3, 1, 2, "net \"n1\"" },
        { "ekkart_ePNK_CyclicReferences.pnml", 2, 0, 0, "reference \"10\" is part of a circle" },
        { "woped_WoPeD_Subprocesses.pnml", 6, 4, 10, "1 net(s) inside pages" },
        { "yanntm_pnmcc-models-2021_Kanban-PT-00005-model.pnml", 16, 16, 40, "" },
        { "yanntm_pnmcc-models-2021_SharedMemory-PT-000005-model.pnml", 41, 55, 200, "" },
        { "yanntm_pnmcc-models-2021_JoinFreeModules-PT-0050-model.pnml", 251, 401, 1152, "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.File);
        TMessageList messages;
        TDrawingObjects doc(nullptr, &messages, nullptr);
        const TPnmlImport imported = ImportPnmlFile(doc, kData + c.File, "");
        ASSERT_TRUE(imported.Ok) << imported.Error;
        EXPECT_EQ(doc.Positions().size(), c.Positions);
        EXPECT_EQ(doc.Transitions().size(), c.Transitions);
        EXPECT_EQ(imported.Counts.Arcs, c.Arcs);
        EXPECT_EQ(doc.Arcs().size(), imported.Counts.Pieces);
        EXPECT_NE(Joined(imported.Report).find(c.Reported), std::string::npos)
            << Joined(imported.Report);
        std::size_t inputs = 0, outputs = 0;
        for (const TTransition *t : doc.Transitions()) {
            inputs += t->InIndex.size();
            outputs += t->OutIndex.size();
        }
        EXPECT_EQ(inputs + outputs, c.Arcs);
        if (*c.Label) {
            const auto &nodes = doc.Objects();
            const auto node = std::find_if(nodes.begin(), nodes.end(),
                [&](const auto &o) { return o->selfLabel() == c.Label; });
            ASSERT_NE(node, nodes.end()) << c.Label;
            EXPECT_EQ((*node)->GetBase(), c.Base);
        }
        doc.CheckTopology();
        for (const auto &line : messages.Lines)
            EXPECT_EQ(line.Text.find("Error"), std::string::npos) << line.Text;
    }
}

TEST_F(PnmlImport, OtherNetIsChosenByItsId)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    const TPnmlImport imported
        = ImportPnmlFile(doc, kData + "ekkart_ePNK_multiple-nets-technical.pnml", "n3");
    ASSERT_TRUE(imported.Ok);
    EXPECT_NE(Joined(imported.Report).find("not a P/T net"), std::string::npos);
    TDrawingObjects none(nullptr, nullptr, nullptr);
    EXPECT_FALSE(ImportPnmlFile(none, kData + "ekkart_ePNK_mutex.pnml", "n9").Ok);
}

// Hostile or broken documents end in a clear refusal or a repaired net, never in a crash or an
// expansion of entities.
TEST_F(PnmlImport, BadInputIsRefusedOrRepaired)
{
    const std::string head
        = "<pnml xmlns=\"http://www.pnml.org/version-2009/grammar/pnml\">"
          "<net id=\"n\" type=\"http://www.pnml.org/version-2009/grammar/ptnet\">";
    const std::string tail = "</net></pnml>";
    std::string deep = head;
    for (int i = 0; i < 5000; ++i)
        deep += "<page id=\"g" + std::to_string(i) + "\">";
    deep += "<place id=\"deep\"/>";
    for (int i = 0; i < 5000; ++i)
        deep += "</page>";
    deep += tail;
    struct Case
    {
        std::string Text;
        bool Ok;
        const char *Said; // in the error or the report
        std::size_t Nodes;
    };
    const Case cases[] = {
        { "<pnml><net id=\"n\"><place id=\"p\"></net></pnml>", false, "not well-formed", 0 },
        { "<petrinet/>", false, "not a PNML document", 0 },
        { "<pnml/>", false, "holds no net", 0 },
        { "<!DOCTYPE pnml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
                + head + "<place id=\"p\"><name><text>&b;&b;&b;&b;</text></name></place>" + tail,
            true, "", 1 },
        { "<pnml xmlns=\"urn:other\"><net id=\"n\"><place id=\"p\"/></net></pnml>", true,
            "not the PNML 2009 one", 1 },
        { head + "<place id=\"p\"><graphics><position x=\"1e300\" y=\"-5\"/></graphics></place>"
                + tail,
            true, "out of range", 1 },
        { head + "<place id=\"p\"/><arc id=\"a\" source=\"p\" target=\"nowhere\"/>" + tail, true,
            "refers to nothing", 1 },
        { head + "<place id=\"p\"/><place id=\"p\"/>" + tail, true, "duplicate id", 1 },
        { head + "<place id=\"p\"/><place id=\"q\"/><arc id=\"a\" source=\"p\" target=\"q\"/>"
                + tail,
            true, "joins two places", 2 },
        { deep, true, "page(s) nested deeper", 0 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Said);
        TPnmlNet net;
        const TPnmlReadResult read = ReadPnml(c.Text, "", net);
        EXPECT_EQ(read.Ok, c.Ok);
        EXPECT_NE((read.Error + Joined(read.Report)).find(c.Said), std::string::npos)
            << read.Error << Joined(read.Report);
        EXPECT_EQ(net.Nodes.size(), c.Nodes);
        for (const TPnmlNode &n : net.Nodes)
            EXPECT_LT(n.Name.size(), 100u);
    }
}

} // namespace
} // namespace morvane
