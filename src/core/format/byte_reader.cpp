// SPDX-License-Identifier: MIT
#include "format/byte_reader.h"

#include "common/text.h"

namespace morvane {

void TByteReader::Fail(const char *reason, std::size_t offset) const
{
    throw TStreamError(reason, offset);
}

void TByteReader::CheckDepth(int depth) const
{
    if (depth > kMaxDepth)
        Fail(kInvalidStreamFormat, m_pos);
}

std::uint8_t TByteReader::ReadByte()
{
    Need(1);
    return static_cast<std::uint8_t>(m_data[m_pos++]);
}

std::uint8_t TByteReader::PeekByte() const
{
    Need(1);
    return static_cast<std::uint8_t>(m_data[m_pos]);
}

std::string_view TByteReader::ReadBytes(std::size_t count)
{
    Need(count);
    const std::string_view bytes = m_data.substr(m_pos, count);
    m_pos += count;
    return bytes;
}

std::uint32_t TByteReader::ReadUInt32()
{
    const std::string_view b = ReadBytes(4);
    return std::uint32_t(std::uint8_t(b[0])) | (std::uint32_t(std::uint8_t(b[1])) << 8)
        | (std::uint32_t(std::uint8_t(b[2])) << 16) | (std::uint32_t(std::uint8_t(b[3])) << 24);
}

std::string_view TByteReader::ReadShortString()
{
    const std::uint8_t length = ReadByte();
    return ReadBytes(length);
}

void TByteReader::ReadListBegin()
{
    const std::size_t at = m_pos;
    if (ReadValueTag() != vaList)
        FailValue(at);
}

void TByteReader::ReadListEnd()
{
    const std::size_t at = m_pos;
    if (ReadValueTag() != vaNull)
        FailValue(at);
}

std::int32_t TByteReader::ReadIntegerPayload(TValueType tag, std::size_t tagOffset)
{
    switch (tag) {
    case vaInt8:
        return static_cast<std::int8_t>(ReadByte());
    case vaInt16: {
        const std::string_view b = ReadBytes(2);
        return static_cast<std::int16_t>(
            std::uint16_t(std::uint8_t(b[0])) | (std::uint16_t(std::uint8_t(b[1])) << 8));
    }
    case vaInt32:
        return static_cast<std::int32_t>(ReadUInt32());
    default:
        FailValue(tagOffset);
    }
}

std::int32_t TByteReader::ReadInteger()
{
    const std::size_t at = m_pos;
    return ReadIntegerPayload(ReadValueTag(), at);
}

bool TByteReader::ReadBoolean()
{
    const std::size_t at = m_pos;
    switch (ReadValueTag()) {
    case vaFalse:
        return false;
    case vaTrue:
        return true;
    case vaIdent: {
        // A boolean is an enumeration, so its names are accepted as well.
        const std::string_view name = ReadShortString();
        if (name.size() == 4 && (name[0] | 0x20) == 't' && (name[1] | 0x20) == 'r'
            && (name[2] | 0x20) == 'u' && (name[3] | 0x20) == 'e')
            return true;
        if (name.size() == 5 && (name[0] | 0x20) == 'f' && (name[1] | 0x20) == 'a'
            && (name[2] | 0x20) == 'l' && (name[3] | 0x20) == 's' && (name[4] | 0x20) == 'e')
            return false;
        FailValue(at);
    }
    default:
        FailValue(at);
    }
}

std::string DecodeCodePageText(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    return Cp1251ToUtf8(bytes);
}

std::string SanitizeUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    return Utf32ToUtf8(Utf8ToUtf32(bytes));
}

std::string TByteReader::ReadText()
{
    const std::size_t at = m_pos;
    switch (ReadValueTag()) {
    case vaString:
        return DecodeCodePageText(ReadShortString());
    case vaLString:
        return DecodeCodePageText(ReadBytes(ReadUInt32()));
    case vaWString: {
        const std::uint64_t units = ReadUInt32();
        const std::string_view raw = ReadBytes(std::size_t(units * 2));
        std::u16string wide(std::size_t(units), u'\0');
        for (std::size_t i = 0; i < wide.size(); ++i)
            wide[i] = char16_t(std::uint8_t(raw[2 * i]) | (std::uint8_t(raw[2 * i + 1]) << 8));
        return Utf16ToUtf8(wide);
    }
    case vaUTF8String:
        return SanitizeUtf8(ReadBytes(ReadUInt32()));
    default:
        FailValue(at);
    }
}

void TByteReader::SkipPrefix()
{
    if ((PeekByte() & 0xF0) != 0xF0)
        return;
    const std::uint8_t flags = ReadByte() & 0x0F;
    constexpr std::uint8_t ffChildPos = 2;
    if (flags & ffChildPos)
        ReadInteger();
}

void TByteReader::SkipValue(int depth)
{
    const std::size_t at = m_pos;
    switch (ReadValueTag()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        return;
    case vaList:
        CheckDepth(depth + 1);
        while (!EndOfList())
            SkipValue(depth + 1);
        ReadListEnd();
        return;
    case vaInt8:
        Skip(1);
        return;
    case vaInt16:
        Skip(2);
        return;
    case vaInt32:
    case vaSingle:
        Skip(4);
        return;
    case vaExtended:
        Skip(10);
        return;
    case vaString:
    case vaIdent:
        ReadShortString();
        return;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        Skip(ReadUInt32());
        return;
    case vaWString: {
        const std::uint64_t bytes = std::uint64_t(ReadUInt32()) * 2;
        if (bytes > Remaining())
            Fail(kStreamReadError, m_data.size());
        Skip(std::size_t(bytes));
        return;
    }
    case vaSet:
        while (!ReadShortString().empty()) { }
        return;
    case vaCollection:
        CheckDepth(depth + 1);
        while (!EndOfList()) {
            const TValueType next = PeekValueTag();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadShortString();
                SkipValue(depth + 1);
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    case vaCurrency:
    case vaDate:
    case vaInt64:
        Skip(8);
        return;
    }
    // A tag beyond the table: nothing tells how long its payload is.
    FailValue(at);
}

} // namespace morvane
