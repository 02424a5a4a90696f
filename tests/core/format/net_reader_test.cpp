// SPDX-License-Identifier: MIT
#include "net_test_support.h"

#include "format/byte_writer.h"
#include "format/legacy_components.h"
#include "format/net_reader.h"
#include "format/net_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::TTestNet;
using ::testing::ElementsAre;

// Writes streams by hand, including what this program never writes.
struct TStream
{
    std::string Bytes;
    TByteWriter W { Bytes };

    TStream &Raw(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            W.WriteByte(std::uint8_t(b));
        return *this;
    }
    TStream &Name(std::string_view s)
    {
        W.WriteShortString(s);
        return *this;
    }
    TStream &Int(std::string_view name, std::int32_t v)
    {
        W.WriteIntegerProperty(name, v);
        return *this;
    }
    TStream &Record(std::string_view cls) { return Name(cls).Raw({ 0 }); }
    TStream &Root() { return Raw({ 'T', 'P', 'F', '0' }).Record("TDrawingObjects"); }
    TStream &End() { return Raw({ 0 }); }
};

struct TReadLog
{
    std::vector<std::string> Root;
    TRootErrorCallback Callback()
    {
        return [this](const std::string &text, std::size_t at) {
            Root.push_back(FormatRootError(text, at));
        };
    }
};

TEST(NetReader, RoundTripOfGeneratedNets)
{
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        TTestNet original;
        const auto links = test::FillRandomNet(original.Net, seed, int(seed % 7) * 15);
        const std::string first = WriteNetToString(original.Net);

        TTestNet copy;
        const TReadResult result = ReadNet(first, copy.Net);
        ASSERT_TRUE(result) << "seed " << seed << ": " << result.Reason << " at " << result.Offset;
        EXPECT_TRUE(copy.Messages.Empty());
        test::ApplyArcLinks(copy.Net, links);
        ASSERT_EQ(WriteNetToString(copy.Net), first) << "seed " << seed;

        for (const TTransition *tr : copy.Net.Transitions())
            // The two time function records become the transition's own.
            EXPECT_EQ(tr->Children.size(), 2u);
    }
}

TEST(NetReader, UnknownPropertiesAndClasses)
{
    TStream s;
    s.Root().Int("xBaseUnit", 16).Int("Foo", 300);
    const std::size_t afterFoo = s.Bytes.size();
    s.Name("Visual objects").Raw({ 1 });
    s.Record("TPosition").Int("Left", 40).Int("Foo", 7).Int("Top", 48);
    s.W.WriteTextProperty("selfLabel", "L1");
    s.End().End();
    s.Record("TWidget").Int("Left", 1).Name("X").Raw({ 6, 1, 'y' }).End();
    s.Record("TArc").End().End(); // a child of an unknown record is skipped with it
    s.End();
    s.Record("TArc").Int("Level", 3).End().End();
    s.End(); // end of the object list
    s.Name("Bar").Raw({ 9 });
    const std::size_t afterBar = s.Bytes.size();
    s.End();
    s.Record("TMystery").End().End(); // the root's children report like its properties
    const std::size_t afterMystery = s.Bytes.size();
    s.End();

    TTestNet t;
    TReadLog log;
    ASSERT_TRUE(ReadNet(s.Bytes, t.Net, log.Callback()));
    EXPECT_THAT(t.Lines(),
        ElementsAre("Worning : Error reading TPosition.Foo: Property Foo does not exist",
            "Worning : Class TWidget not found"));
    EXPECT_THAT(log.Root,
        ElementsAre("Error reading TDrawingObjects.Foo: Property Foo does not exist at pos "
                + std::to_string(afterFoo),
            "Error reading TDrawingObjects.Bar: Property Bar does not exist at pos "
                + std::to_string(afterBar),
            "Class TMystery not found at pos " + std::to_string(afterMystery)));
    ASSERT_EQ(t.Net.Positions().size(), 1u);
    const TPosition &p = *t.Net.Positions()[0];
    EXPECT_EQ(p.Left(), 40);
    EXPECT_EQ(p.GridLeft, 2); // the base unit read before the objects applies
    EXPECT_EQ(p.Top(), 48);
    EXPECT_EQ(p.selfLabel(), "L1");
    ASSERT_EQ(t.Net.Arcs().size(), 1u);
    EXPECT_EQ(t.Net.Arcs()[0]->Level, 3);

    // A named object is reported by its name; without message list nothing is reported.
    TStream named;
    named.Root().Name("Visual objects").Raw({ 1 }).Name("TArc").Name("Arc7").Int("Foo", 1);
    named.End().End().End().End().End();
    TTestNet u;
    ASSERT_TRUE(ReadNet(named.Bytes, u.Net));
    EXPECT_THAT(
        u.Lines(), ElementsAre("Worning : Error reading Arc7.Foo: Property Foo does not exist"));
    TDrawingObjects silent(nullptr, nullptr, nullptr);
    EXPECT_TRUE(ReadNet(named.Bytes, silent));
    EXPECT_EQ(silent.Arcs().size(), 1u);
}

TEST(NetReader, EveryTagIsSkipped)
{
    TStream s;
    s.Root().Name("Visual objects").Raw({ 1 });
    s.Raw({ 0xF6, 2, 5 }); // a prefix with flags 2|4: its child position follows
    s.Name("TPosition").Raw({ 0 });
    const std::vector<std::vector<int>> values = {
        { 0 },
        { 1, 2, 5, 1, 6, 1, 'a', 0, 0 },
        { 2, 1 },
        { 3, 1, 2 },
        { 4, 1, 2, 3, 4 },
        { 5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F },
        { 6, 2, 'h', 'i' },
        { 7, 3, 'c', 'l', 'X' },
        { 8 },
        { 9 },
        { 10, 3, 0, 0, 0, 1, 2, 3 },
        { 11, 2, 'a', 'b', 1, 'c', 0 },
        { 12, 2, 0, 0, 0, 'h', 'i' },
        { 13 },
        { 14, 2, 0, 1, 1, 'N', 2, 1, 0, 1, 0, 0 },
        { 15, 0, 0, 0x80, 0x3F },
        { 16, 1, 2, 3, 4, 5, 6, 7, 8 },
        { 17, 1, 2, 3, 4, 5, 6, 7, 8 },
        { 18, 2, 0, 0, 0, 'h', 0, 'i', 0 },
        { 19, 1, 2, 3, 4, 5, 6, 7, 8 },
        { 20, 2, 0, 0, 0, 'h', 'i' },
    };
    for (std::size_t tag = 0; tag < values.size(); ++tag) {
        s.Name("Unknown" + std::to_string(tag));
        for (int b : values[tag])
            s.W.WriteByte(std::uint8_t(b));
        s.Int("Priority", std::int32_t(tag));
    }
    s.End().End().End().End().End();

    TTestNet t;
    const TReadResult result = ReadNet(s.Bytes, t.Net);
    ASSERT_TRUE(result) << result.Reason << " at " << result.Offset;
    EXPECT_EQ(t.Messages.Count(), values.size());
    ASSERT_EQ(t.Net.Positions().size(), 1u);
    EXPECT_EQ(t.Net.Positions()[0]->Priority, 20);
}

TEST(NetReader, FatalErrorsKeepWhatWasRead)
{
    TTestNet source;
    source.Net.NetName = "Small";
    test::AddPosition(source.Net, 40, 48, "L1");
    auto tr = test::AddTransition(source.Net, 120, 40, "Z1");
    test::AddArc(source.Net, 72, 64, 136, 64);
    tr->InArcs.push_back(WeakOf(source.Net.Arcs()[0]));
    tr->InIndex.push_back({ "L1", {} });
    const std::string bytes = WriteNetToString(source.Net);
    // Where each object's record ends.
    std::vector<std::size_t> ends;
    std::size_t end = bytes.find("Visual objects") + 15;
    for (const auto &obj : source.Net.Objects()) {
        std::string record;
        TNetWriter(record).WriteRecord(*obj);
        ends.push_back(end += record.size());
    }
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        TTestNet t;
        const TReadResult result = ReadNet(std::string_view(bytes).substr(0, cut), t.Net);
        ASSERT_EQ(result.Status, TReadStatus::Fatal) << cut;
        EXPECT_EQ(result.Reason, "Stream read error") << cut;
        EXPECT_EQ(result.Offset, cut) << cut;
        std::size_t complete = 0;
        while (complete < ends.size() && ends[complete] <= cut)
            ++complete;
        ASSERT_EQ(t.Net.Count(), complete) << cut;
        // Whatever survives must be writable again.
        WriteNetToString(t.Net);
    }
    TTestNet whole;
    EXPECT_TRUE(ReadNet(bytes, whole.Net));
    ASSERT_EQ(whole.Net.Transitions().size(), 1u);
    EXPECT_EQ(whole.Net.Transitions()[0]->InIndex[0].Text, "L1");

    TTestNet wrong;
    TReadResult r = ReadNet("TPF1" + bytes.substr(4), wrong.Net);
    EXPECT_EQ(r.Reason, "Invalid stream format");
    EXPECT_EQ(wrong.Net.NetName, "");

    // A value of the wrong kind ends reading where it starts; values before it stay.
    TStream s;
    s.Root().Int("NetStart", 5).Name("NetDuration");
    const std::size_t at = s.Bytes.size();
    s.Raw({ 6, 1, 'x' }).End().End();
    TTestNet typed;
    r = ReadNet(s.Bytes, typed.Net);
    EXPECT_EQ(r.Reason, "Invalid property value");
    EXPECT_EQ(r.Offset, at);
    EXPECT_EQ(typed.Net.NetStart, 5);

    TStream list;
    list.Root().Name("Visual objects").Raw({ 0x42 }).End().End();
    EXPECT_EQ(ReadNet(list.Bytes, typed.Net).Reason, "Invalid property value");
    TStream color;
    color.Root().Name("Visual objects").Raw({ 1 }).Record("TArc").Name("Color").Raw({ 7 });
    color.Name("clNoSuchColour").End().End().End().End().End();
    EXPECT_EQ(ReadNet(color.Bytes, typed.Net).Reason, "Invalid property value");

    // Nesting has a floor: deep lists and records end reading instead of the stack.
    TStream deep;
    deep.Root().Name("Unknown");
    for (int i = 0; i < 100000; ++i)
        deep.Raw({ 1 });
    EXPECT_EQ(ReadNet(deep.Bytes, typed.Net).Reason, "Invalid stream format");
    TStream nested;
    nested.Root().End();
    for (int i = 0; i < 100000; ++i)
        nested.Record("TArc").End();
    EXPECT_EQ(ReadNet(nested.Bytes, typed.Net).Reason, "Invalid stream format");
}

TEST(NetReader, ValuesInEveryAcceptedForm)
{
    TStream s;
    s.Root().Name("Visual objects").Raw({ 1 }).Record("TArc");
    s.Name("left").Raw({ 4, 0x10, 0, 0, 0 }); // names in any case, tag 4
    s.Name("Color").Raw({ 7 }).Name("CLRED"); // identifiers in any case
    s.Name("Cursor").Raw({ 7 }).Name("crSize");
    s.Name("Mode").Raw({ 3, 0x02, 0x01 }); // only the low byte is kept
    s.Name("What").Raw({ 4, 0x01, 0x02, 0x03, 0x00 }); // only the low 16 bits
    s.Name("Arrowed").Raw({ 7 }).Name("True");
    s.Name("selfLabel").Raw({ 6, 3, 0xC0, 0xE1, '1' }); // the 8-bit code page
    s.End().End();
    s.Record("TTransition").Name("Predicates").Raw({ 1, 18, 1, 0, 0, 0, 0x16, 0x04 });
    s.Raw({ 20, 2, 0, 0, 0, 0xC3, 0x28 }); // malformed UTF-8 is repaired
    s.End().End().End();
    s.End().End().End();

    TTestNet t;
    ASSERT_TRUE(ReadNet(s.Bytes, t.Net));
    const TArc &a = *t.Net.Arcs()[0];
    EXPECT_EQ(a.Left(), 16);
    EXPECT_EQ(a.Color, clRed);
    EXPECT_EQ(a.Cursor(), -22);
    EXPECT_EQ(a.Mode, 2);
    EXPECT_EQ(a.What, 0x0201);
    EXPECT_TRUE(a.Arrowed);
    EXPECT_EQ(a.selfLabel(),
        "\xD0\x90\xD0\xB1"
        "1");
    const TTransition &tr = *t.Net.Transitions()[0];
    ASSERT_EQ(tr.Predicates.size(), 2u);
    EXPECT_EQ(tr.Predicates[0].Text, "Ж");
    EXPECT_EQ(tr.Predicates[1].Text, "\xEF\xBF\xBD(");
}

TEST(NetReader, LegacyContainers)
{
    TTestNet source;
    test::AddPosition(source.Net, 40, 48, "L1");
    auto engine = std::make_shared<TPropertyEngine>();
    for (const char *id : { "p1", "p2" }) {
        auto prop = std::make_shared<TProperty>();
        prop->ID = id;
        prop->Expression = "x+1";
        prop->Parameter = "Ω";
        engine->InsertComponent(prop);
    }
    source.Net.OtherComponents.push_back(engine);
    auto functions = std::make_shared<TStandardFunctions>();
    source.Net.OtherComponents.push_back(functions); // empty: no "Functions" property
    const std::string bytes = WriteNetToString(source.Net);
    EXPECT_EQ(bytes.substr(bytes.rfind("TStandardFunctions") + 18, 3), std::string(3, '\0'));
    // The legacy records follow the drawing objects.
    EXPECT_LT(bytes.find("TPosition"), bytes.find("TPropertyEngine"));

    TTestNet copy;
    ASSERT_TRUE(ReadNet(bytes, copy.Net));
    EXPECT_EQ(WriteNetToString(copy.Net), bytes);
    ASSERT_EQ(copy.Net.OtherComponents.size(), 2u);
    auto &read = dynamic_cast<TPropertyEngine &>(*copy.Net.OtherComponents[0]);
    ASSERT_EQ(read.Items.size(), 2u);
    EXPECT_EQ(read.Items[0].Key, "p1");
    EXPECT_EQ(read.Items[1].Object.lock(), read.Children[1]);

    // Reading a list replaces the children; unknown things inside it pass without a word.
    TStream s;
    s.Raw({ 'T', 'P', 'F', '0' }).Record("TDrawingObjects").Name("Visual objects").Raw({ 1 });
    s.Record("TPropertyEngine").Name("Properties").Raw({ 1 });
    s.Record("TProperty").Int("Foo", 1);
    s.W.WriteTextProperty("ID", "q");
    s.End().End().Record("TNothing").End().End();
    s.End().End().End().End().End().End();
    TTestNet t;
    ASSERT_TRUE(ReadNet(s.Bytes, t.Net));
    EXPECT_TRUE(t.Messages.Empty());
    auto &fresh = dynamic_cast<TPropertyEngine &>(*t.Net.OtherComponents[0]);
    ASSERT_EQ(fresh.Children.size(), 1u);
    const std::string list = s.Bytes.substr(s.Bytes.find("Properties") + 10);
    TNetReader again(list, t.Net, {});
    fresh.ReadData(again);
    ASSERT_EQ(fresh.Children.size(), 1u);
    ASSERT_EQ(fresh.Items.size(), 1u);
    EXPECT_EQ(fresh.Items[0].Key, "q");

    // Keys follow renamed IDs the next time the container is streamed.
    static_cast<TProperty &>(*fresh.Children[0]).ID = "renamed";
    WriteNetToString(t.Net);
    EXPECT_EQ(fresh.Items[0].Key, "renamed");
    fresh.RemoveComponent(fresh.Children[0].get());
    EXPECT_TRUE(fresh.Items.empty());
}

} // namespace
} // namespace morvane
