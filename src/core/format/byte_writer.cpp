// SPDX-License-Identifier: MIT
#include "format/byte_writer.h"

#include "common/text.h"
#include "format/identifiers.h"

namespace morvane {

void TByteWriter::WriteUInt32(std::uint32_t v)
{
    const char bytes[4]
        = { char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF) };
    m_out.append(bytes, 4);
}

void TByteWriter::WriteShortString(std::string_view s)
{
    if (s.size() > 255)
        s = s.substr(0, 255);
    WriteByte(std::uint8_t(s.size()));
    m_out.append(s);
}

void TByteWriter::WriteInteger(std::int32_t v)
{
    if (v >= -128 && v <= 127) {
        WriteByte(vaInt8);
        WriteByte(std::uint8_t(v));
    } else if (v >= -32768 && v <= 32767) {
        WriteByte(vaInt16);
        WriteByte(std::uint8_t(v & 0xFF));
        WriteByte(std::uint8_t((v >> 8) & 0xFF));
    } else {
        WriteByte(vaInt32);
        WriteUInt32(std::uint32_t(v));
    }
}

void TByteWriter::WriteIdent(std::string_view name)
{
    WriteByte(vaIdent);
    WriteShortString(name);
}

void TByteWriter::WriteAsciiText(std::string_view ascii)
{
    if (ascii.size() <= 255) {
        WriteByte(vaString);
        WriteShortString(ascii);
    } else {
        WriteByte(vaLString);
        WriteUInt32(std::uint32_t(ascii.size()));
        m_out.append(ascii);
    }
}

void TByteWriter::WriteText(std::string_view utf8)
{
    if (IsAscii(utf8)) {
        WriteAsciiText(utf8);
        return;
    }
    // Malformed bytes are written as U+FFFD, so what is written always reads back as written.
    const std::u16string wide = Utf8ToUtf16(utf8);
    const std::string clean = Utf16ToUtf8(wide);
    if (clean.size() >= 2 * wide.size()) {
        WriteByte(vaWString);
        WriteUInt32(std::uint32_t(wide.size()));
        for (char16_t unit : wide) {
            WriteByte(std::uint8_t(unit & 0xFF));
            WriteByte(std::uint8_t(unit >> 8));
        }
    } else {
        WriteByte(vaUTF8String);
        WriteUInt32(std::uint32_t(clean.size()));
        m_out.append(clean);
    }
}

void TByteWriter::WriteListItemText(std::string_view utf8)
{
    if (IsAscii(utf8)) {
        WriteAsciiText(utf8);
        return;
    }
    const std::string clean = Utf16ToUtf8(Utf8ToUtf16(utf8));
    WriteByte(vaUTF8String);
    WriteUInt32(std::uint32_t(clean.size()));
    m_out.append(clean);
}

void TByteWriter::WriteColor(std::uint32_t color)
{
    if (const char *name = ColorToIdent(color))
        WriteIdent(name);
    else
        WriteInteger(std::int32_t(color));
}

void TByteWriter::WriteCursor(std::int32_t cursor)
{
    if (const char *name = CursorToIdent(cursor))
        WriteIdent(name);
    else
        WriteInteger(cursor);
}

} // namespace morvane
