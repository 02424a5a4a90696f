// SPDX-License-Identifier: MIT
#include "common/xml_text_writer.h"

namespace morvane {

TXmlTextWriter::TXmlTextWriter(std::string &out)
    : m_out(out)
{
    m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

void TXmlTextWriter::Indent()
{
    m_out.append(2 * m_open.size(), ' ');
}

void TXmlTextWriter::EndStartTag()
{
    if (m_inStartTag)
        m_out += ">\n";
    m_inStartTag = false;
}

void TXmlTextWriter::Open(std::string_view name)
{
    EndStartTag();
    Indent();
    m_out += '<';
    m_out += name;
    m_open.push_back({ name });
    m_inStartTag = true;
}

void TXmlTextWriter::Attribute(std::string_view name, std::string_view value)
{
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    Escaped(value, true);
    m_out += '"';
}

void TXmlTextWriter::Attribute(std::string_view name, std::int64_t value)
{
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    m_out += std::to_string(value);
    m_out += '"';
}

void TXmlTextWriter::Text(std::string_view text)
{
    m_out += '>';
    m_inStartTag = false;
    m_open.back().TextOnly = true;
    Escaped(text, false);
}

void TXmlTextWriter::Element(std::string_view xml)
{
    EndStartTag();
    Indent();
    m_out += xml;
    m_out += '\n';
}

void TXmlTextWriter::Close()
{
    const TOpen open = m_open.back();
    m_open.pop_back();
    if (m_inStartTag) {
        m_out += " />\n";
        m_inStartTag = false;
        return;
    }
    if (!open.TextOnly)
        Indent();
    m_out += "</";
    m_out += open.Name;
    m_out += ">\n";
}

void TXmlTextWriter::Escaped(std::string_view text, bool attribute)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            m_out += "&amp;";
            break;
        case '<':
            m_out += "&lt;";
            break;
        case '>':
            m_out += "&gt;";
            break;
        case '"':
            if (attribute)
                m_out += "&quot;";
            else
                m_out += c;
            break;
        default:
            // Control characters as references; line breaks and tabs too within attributes,
            // where a reader would turn them into spaces.
            if (static_cast<unsigned char>(c) < 0x20
                && (attribute || (c != '\n' && c != '\r' && c != '\t')))
                m_out += "&#" + std::to_string(int(c)) + ';';
            else
                m_out += c;
        }
    }
}

} // namespace morvane
