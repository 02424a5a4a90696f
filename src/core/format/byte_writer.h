// SPDX-License-Identifier: MIT
#pragma once

#include "format/value_tags.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// Appends the values of a net stream to a string, each in the one form this program writes.
class TByteWriter
{
public:
    explicit TByteWriter(std::string &out)
        : m_out(out)
    {
    }

    std::string &Bytes() { return m_out; }

    void WriteByte(std::uint8_t b) { m_out.push_back(char(b)); }
    void WriteRaw(std::string_view bytes) { m_out.append(bytes); }
    void WriteUInt32(std::uint32_t v);
    // Length byte and the bytes; names and identifiers are ASCII of at most 255 bytes.
    void WriteShortString(std::string_view s);

    void WriteListBegin() { WriteByte(vaList); }
    void WriteListEnd() { WriteByte(vaNull); }
    // The smallest of tags 2, 3 and 4 that holds the value.
    void WriteInteger(std::int32_t v);
    void WriteBoolean(bool v) { WriteByte(v ? vaTrue : vaFalse); }
    void WriteIdent(std::string_view name);
    // Text of a published string property: tag 18 when the UTF-8 form takes at least two bytes
    // per UTF-16 unit, else tag 20 when anything is outside ASCII, else tag 6 or 12.
    void WriteText(std::string_view utf8);
    // An entry of a text list: tag 20 when anything is outside ASCII, else tag 6 or 12.
    void WriteListItemText(std::string_view utf8);
    void WriteColor(std::uint32_t color);
    void WriteCursor(std::int32_t cursor);

    // Property name followed by its value, for the common cases.
    void WriteIntegerProperty(std::string_view name, std::int32_t v)
    {
        WriteShortString(name);
        WriteInteger(v);
    }
    void WriteTextProperty(std::string_view name, std::string_view text)
    {
        WriteShortString(name);
        WriteText(text);
    }

private:
    void WriteAsciiText(std::string_view ascii);

    std::string &m_out;
};

} // namespace morvane
