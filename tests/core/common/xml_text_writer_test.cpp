// SPDX-License-Identifier: MIT
#include "common/xml_text_writer.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace morvane {
namespace {

// Whatever a value or a text holds, a reader gets it back from a well-formed document, with
// elements nested, empty and text-only as written.
TEST(XmlTextWriter, ReaderGetsBackWhatWasWritten)
{
    const std::string values[]
        = { "plain", "a & b < c > d", "\"quoted\" 'too'", "line\nbreak\ttab", "Позиция", "]]>" };
    for (const std::string &value : values) {
        SCOPED_TRACE(value);
        std::string text;
        TXmlTextWriter xml(text);
        xml.Open("root");
        xml.Attribute("value", value);
        xml.Attribute("number", std::int64_t(-42));
        xml.Open("empty");
        xml.Close();
        xml.Open("text");
        xml.Text(value);
        xml.Close();
        xml.Element("<kept a=\"1\"><b/></kept>");
        xml.Close();
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(text.c_str())) << text;
        const pugi::xml_node root = doc.child("root");
        EXPECT_EQ(root.attribute("value").value(), value);
        EXPECT_EQ(root.attribute("number").as_int(), -42);
        EXPECT_TRUE(root.child("empty") && !root.child("empty").first_child());
        EXPECT_EQ(root.child("text").text().get(), value);
        EXPECT_TRUE(root.child("kept").child("b"));
    }
}

} // namespace
} // namespace morvane
