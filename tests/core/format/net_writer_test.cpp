// SPDX-License-Identifier: MIT
#include "net_test_support.h"

#include "format/byte_writer.h"
#include "format/legacy_components.h"
#include "format/net_writer.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::TTestNet;

std::string Short(std::string_view s)
{
    return std::string(1, char(s.size())) + std::string(s);
}

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += char(b);
    return s;
}

std::string Text(std::string_view value, void (TByteWriter::*write)(std::string_view))
{
    std::string out;
    TByteWriter w(out);
    (w.*write)(value);
    return out;
}

TEST(NetWriter, PositionRecordOfTheWorkedExample)
{
    TTestNet t;
    ASSERT_EQ(t.Net.xBaseUnit(), 8);
    test::AddPosition(t.Net, 40, 48, "L1");
    const std::string expected = Short("TPosition") + Bytes({ 0 }) //
        + Short("Left") + Bytes({ 2, 0x28 }) + Short("Top") + Bytes({ 2, 0x30 }) //
        + Short("Width") + Bytes({ 2, 0x20 }) + Short("Height") + Bytes({ 2, 0x20 }) //
        + Short("Cursor") + Bytes({ 7 }) + Short("crSizeAll") //
        + Short("Right") + Bytes({ 2, 0x48 }) + Short("Bottom") + Bytes({ 2, 0x50 }) //
        + Short("Mode") + Bytes({ 2, 0 }) + Short("Color") + Bytes({ 7 }) + Short("clBlack") //
        + Short("selfLabel") + Bytes({ 6, 2 }) + "L1" + Short("Outlined") + Bytes({ 8 }) //
        + Short("FillColor") + Bytes({ 7 }) + Short("clWindow") //
        + Short("Priority") + Bytes({ 2, 0 }) + Short("Capacity") + Bytes({ 2, 0xFF }) //
        + Bytes({ 0, 0 });
    const std::string root = std::string("TPF0") + Short("TDrawingObjects") + Bytes({ 0 })
        + Short("Left") + Bytes({ 2, 0 }) + Short("Top") + Bytes({ 2, 0 }) + Short("Width")
        + Bytes({ 2, 0 }) + Short("Height") + Bytes({ 2, 0 }) + Short("xBaseUnit") + Bytes({ 2, 8 })
        + Short("yBaseUnit") + Bytes({ 2, 8 }) + Short("PosCounter") + Bytes({ 2, 0 })
        + Short("TrCounter") + Bytes({ 2, 0 }) + Short("NetStart") + Bytes({ 2, 0 })
        + Short("NetDuration") + Bytes({ 3, 0x00, 0x01 }) + Short("NetTimeStep") + Bytes({ 2, 1 });
    EXPECT_EQ(WriteNetToString(t.Net),
        root + Short("Visual objects") + Bytes({ 1 }) + expected + Bytes({ 0, 0, 0 }));

    // Without objects the list is left out altogether.
    TTestNet empty;
    EXPECT_EQ(WriteNetToString(empty.Net), root + Bytes({ 0, 0 }));
}

TEST(NetWriter, ValueForms)
{
    auto integer = [](std::int32_t v) {
        std::string out;
        TByteWriter(out).WriteInteger(v);
        return out;
    };
    EXPECT_EQ(integer(0), Bytes({ 2, 0 }));
    EXPECT_EQ(integer(-1), Bytes({ 2, 0xFF }));
    EXPECT_EQ(integer(127), Bytes({ 2, 0x7F }));
    EXPECT_EQ(integer(-128), Bytes({ 2, 0x80 }));
    EXPECT_EQ(integer(128), Bytes({ 3, 0x80, 0 }));
    EXPECT_EQ(integer(258), Bytes({ 3, 2, 1 }));
    EXPECT_EQ(integer(-32769), Bytes({ 4, 0xFF, 0x7F, 0xFF, 0xFF }));
    EXPECT_EQ(integer(INT32_MIN), Bytes({ 4, 0, 0, 0, 0x80 }));

    auto color = [](TColor c) {
        std::string out;
        TByteWriter(out).WriteColor(c);
        return out;
    };
    EXPECT_EQ(color(0xFF000005), Bytes({ 7 }) + Short("clWindow"));
    EXPECT_EQ(color(0x00808080), Bytes({ 7 }) + Short("clGray"));
    EXPECT_EQ(color(0x00123456), Bytes({ 4, 0x56, 0x34, 0x12, 0 }));
    std::string cursor;
    TByteWriter(cursor).WriteCursor(-22);
    EXPECT_EQ(cursor, Bytes({ 7 }) + Short("crSizeAll"));

    // Published text: ASCII short and long, Cyrillic only, Cyrillic with a digit.
    const auto text = &TByteWriter::WriteText;
    EXPECT_EQ(Text("L1", text), Bytes({ 6, 2 }) + "L1");
    const std::string longText(300, 'a');
    EXPECT_EQ(Text(longText, text), Bytes({ 12, 0x2C, 1, 0, 0 }) + longText);
    EXPECT_EQ(Text("Жа", text), Bytes({ 18, 2, 0, 0, 0, 0x16, 0x04, 0x30, 0x04 }));
    EXPECT_EQ(Text("Жа1", text), Bytes({ 20, 5, 0, 0, 0 }) + "Жа1");
    EXPECT_EQ(Text("😀", text)[0], 18); // four bytes for two units
    EXPECT_EQ(Text(std::string(300, 'a') + "Ж", text).substr(0, 5), Bytes({ 20, 0x2E, 1, 0, 0 }));

    // List items know no tag 18; empty ones are written.
    const auto item = &TByteWriter::WriteListItemText;
    EXPECT_EQ(Text("Жа", item), Bytes({ 20, 4, 0, 0, 0 }) + "Жа");
    EXPECT_EQ(Text("", item), Bytes({ 6, 0 }));
    EXPECT_EQ(Text(longText, item).substr(0, 5), Bytes({ 12, 0x2C, 1, 0, 0 }));
}

TEST(NetWriter, TransitionTail)
{
    TTestNet t;
    auto tr = test::AddTransition(t.Net, 80, 40, "Z1");
    auto arc = test::AddArc(t.Net, 0, 56, 96, 56);
    tr->InArcs.push_back(WeakOf(arc.get())); // an arc whose chain starts nowhere
    tr->CharFn.push_back({ "", {} });

    const std::string tail = Short("CharFn") + Bytes({ 1, 6, 0, 0 }) + Short("InIndex")
        + Bytes({ 1, 0 }) + Short("TimeFunctions") //
        + Short("TTime") + Bytes({ 0 }) + Short("TimeType") + Bytes({ 2, 2 }) //
        + Short("ID") + Bytes({ 6, 5 }) + "actZ1" + Short("Expression") + Bytes({ 6, 1 }) + "1"
        + Bytes({ 0, 0 }) //
        + Short("TTime") + Bytes({ 0 }) + Short("TimeType") + Bytes({ 2, 2 }) //
        + Short("ID") + Bytes({ 6, 5 }) + "durZ1" + Short("Expression") + Bytes({ 6, 1 }) + "1"
        + Bytes({ 0, 0 }) //
        + Short("PredicateDef") + Bytes({ 1, 0 }) + Bytes({ 0, 0 });
    const std::string first = WriteNetToString(t.Net);
    EXPECT_NE(first.find(Short("Priority") + Bytes({ 2, 0 }) + tail), std::string::npos);

    // The time functions are made once: a later relabel does not rename them.
    tr->SetselfLabel("Z9");
    const std::string second = WriteNetToString(t.Net);
    EXPECT_NE(second.find("actZ1"), std::string::npos);
    EXPECT_EQ(second.find("actZ9"), std::string::npos);
    ASSERT_NE(dynamic_cast<TTime *>(tr->ActivationFn.get()), nullptr);
    EXPECT_EQ(static_cast<TTime &>(*tr->ActivationFn).Number, -1);

    // No arcs on one side: that index list is left out even when it has entries.
    tr->InArcs.clear();
    tr->OutIndex.push_back({ "L1", {} });
    EXPECT_EQ(WriteNetToString(t.Net).find("Index"), std::string::npos);
}

} // namespace
} // namespace morvane
