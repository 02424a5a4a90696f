// SPDX-License-Identifier: MIT
#include "support/globals_fixture.h"
#include "support/test_files.h"

#include "export/xml_export.h"
#include "model/chain_building.h"

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace morvane {
namespace {

namespace fs = std::filesystem;
using test::chains::Node;
using test::chains::Segment;

class XmlExportTest : public test::GlobalsTest
{
protected:
    // Z1 with a two-piece input arc from L1 and a one-piece output arc to L2; Z2 alone.
    void BuildNet()
    {
        doc.NetName = "Demo";
        Node<TTransition>(doc, 160, 120, "Z1");
        Node<TTransition>(doc, 400, 0, "Z2");
        auto *l1 = Node<TPosition>(doc, 40, 120, "L1");
        l1->Priority = 1;
        l1->Capacity = -1;
        Node<TPosition>(doc, 280, 144, "L2");
        Segment(doc, 56, 136, 56, 180);
        Segment(doc, 56, 180, 176, 180);
        Segment(doc, 176, 130, 296, 160);
    }

    test::TempDir dir;
    const fs::path folder = dir.Path();
    TDrawingObjects doc { nullptr, nullptr, nullptr };
};

TEST_F(XmlExportTest, DescribesTransitionsWithTheirArcsAndThenThePlaces)
{
    BuildNet();
    TXMLExport exporter(doc, (folder / "demo.xml").string());
    EXPECT_EQ(exporter.GetXMLText(),
        "<gn xmlns=\"urn:morvane:net\" name=\"Demo\" time=\"256\">\n"
        "\t<transitions>\n"
        "\t\t<transition id=\"Z1\" positionX=\"160\" positionY=\"120\" sizeX=\"32\" "
        "sizeY=\"80\">\n"
        "\t\t\t<inputs>\n"
        "\t\t\t\t<input ref=\"L1\">\n"
        "\t\t\t\t\t<arc>\n"
        "\t\t\t\t\t\t<point positionX=\"176\" positionY=\"180\" />\n"
        "\t\t\t\t\t\t<point positionX=\"56\" positionY=\"180\" />\n"
        "\t\t\t\t\t\t<point positionX=\"56\" positionY=\"136\" />\n"
        "\t\t\t\t\t</arc>\n"
        "\t\t\t\t</input>\n"
        "\t\t\t</inputs>\n"
        "\t\t\t<outputs>\n"
        "\t\t\t\t<output ref=\"L2\">\n"
        "\t\t\t\t\t<arc>\n"
        "\t\t\t\t\t\t<point positionX=\"176\" positionY=\"130\" />\n"
        "\t\t\t\t\t\t<point positionX=\"296\" positionY=\"160\" />\n"
        "\t\t\t\t\t</arc>\n"
        "\t\t\t\t</output>\n"
        "\t\t\t</outputs>\n"
        "\t\t</transition>\n"
        "\t\t<transition id=\"Z2\" positionX=\"400\" positionY=\"0\" sizeX=\"32\" "
        "sizeY=\"80\">\n"
        "\t\t\t<inputs />\n"
        "\t\t\t<outputs />\n"
        "\t\t</transition>\n"
        "\t</transitions>\n"
        "\t<places>\n"
        "\t\t<place id=\"L1\" priority=\"1\" capacity=\"inf\" positionX=\"40\" "
        "positionY=\"120\" />\n"
        "\t\t<place id=\"L2\" priority=\"0\" capacity=\"0\" positionX=\"280\" "
        "positionY=\"144\" />\n"
        "\t</places>\n"
        "</gn>\n");

    TDrawingObjects empty { nullptr, nullptr, nullptr };
    empty.NetStart = 10;
    empty.NetDuration = 4;
    EXPECT_EQ(TXMLExport(empty, "").GetXMLText(),
        "<gn xmlns=\"urn:morvane:net\" time=\"-6\">\n"
        "\t<transitions />\n"
        "\t<places />\n"
        "</gn>\n");
}

// Saving skips recomputing connections that are still current; every change after the last
// recomputation must make it recompute, or the description would show stale links.
TEST_F(XmlExportTest, ChangesSinceTheLastRebuildAreDescribed)
{
    auto state = [this] {
        TXMLExport asIs(doc, "");
        asIs.RebuildFirst = false;
        std::string text = asIs.GetXMLText();
        for (const TTransition *t : doc.Transitions())
            for (const TStringList *list : { &t->InIndex, &t->OutIndex })
                for (const TStringItem &item : *list)
                    text += "|" + item.Text;
        return text;
    };
    const std::vector<std::pair<const char *, std::function<void()>>> changes = {
        { "piece end moved off its node",
            [this] {
                auto *arc = doc.Arcs()[2];
                arc->SetBottom(400);
                arc->UpdateExtent();
            } },
        { "position relabelled", [this] { doc.Positions()[0]->SetselfLabel("L9"); } },
        { "link cut directly", [this] { doc.Arcs()[1]->SetPrevArc(nullptr); } },
        { "piece removed", [this] { doc.Remove(doc.Arcs()[0]); } },
    };
    for (const auto &[name, change] : changes) {
        SCOPED_TRACE(name);
        doc.Clear();
        BuildNet();
        doc.RebuildConnections();
        change();
        const std::string stale = state();
        (void)TXMLExport(doc, "").GetXMLText();
        const std::string described = state();
        doc.RebuildConnections();
        EXPECT_NE(stale, state());
        EXPECT_EQ(described, state());
    }
}

TEST_F(XmlExportTest, FileBesideTheNetIsReadByXmllint)
{
    BuildNet();
    // Names from old files may hold anything; the file must stay readable.
    doc.NetName = "A&B \"q\" <x> \x01 \xD0\x9F";
    const TWriteResult result = SaveXmlBeside(doc, (folder / "demo.vgn").string());
    ASSERT_TRUE(result) << result.Reason;
    const std::string written = result.Path;
    ASSERT_EQ(written, (folder / "demo.xml").string());
    std::string lines = TXMLExport(doc, "").GetXMLText();
    for (std::size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 2)
        lines.insert(at, 1, '\r');
    EXPECT_EQ(test::ReadFile(written), lines);

    const std::string query = "concat(namespace-uri(/*), '|', /*/@name, '|', "
                              "count(//*[local-name()='input']//*[local-name()='point']), '|', "
                              "//*[local-name()='output']/@ref)";
    FILE *pipe = ::popen(("xmllint --xpath \"" + query + "\" " + written).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char answer[256] = {};
    EXPECT_NE(std::fgets(answer, sizeof answer, pipe), nullptr);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_STREQ(answer, "urn:morvane:net|A&B \"q\" <x> \xEF\xBF\xBD \xD0\x9F|3|L2\n");

    // A file that cannot be written leaves nothing behind and says so.
    TXMLExport unwritable(doc, (folder / "missing" / "demo.xml").string());
    const TWriteResult failed = unwritable.Save();
    EXPECT_EQ(failed.Status, TWriteStatus::WriteFailed);
    EXPECT_EQ(failed.Path, unwritable.FileName);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

} // namespace
} // namespace morvane
