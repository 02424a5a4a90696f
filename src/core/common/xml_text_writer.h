// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Writes an XML document straight into a string, element by element, indented by two spaces:
// for large documents, where building a tree first costs more than the writing. Element and
// attribute names are written as given; values and text are escaped.
class TXmlTextWriter
{
public:
    // Starts the text with the XML declaration.
    explicit TXmlTextWriter(std::string &out);

    // Opens an element; its attributes follow, then its children or its text, then Close().
    void Open(std::string_view name);
    void Attribute(std::string_view name, std::string_view value);
    void Attribute(std::string_view name, std::int64_t value);
    // The element's whole content as text.
    void Text(std::string_view text);
    // A whole element given as well-formed XML text, as a child of the open element.
    void Element(std::string_view xml);
    void Close();

private:
    struct TOpen
    {
        std::string_view Name;
        bool TextOnly = false;
    };
    void EndStartTag();
    void Indent();
    void Escaped(std::string_view text, bool attribute);

    std::string &m_out;
    std::vector<TOpen> m_open;
    bool m_inStartTag = false;
};

} // namespace morvane
