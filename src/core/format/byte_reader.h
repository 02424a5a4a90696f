// SPDX-License-Identifier: MIT
#pragma once

#include "format/value_tags.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane {

// The three reasons that end reading a net stream, word for word as the user sees them.
inline constexpr const char *kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char *kStreamReadError = "Stream read error";
inline constexpr const char *kInvalidPropertyValue = "Invalid property value";

// A failure that ends reading. `Offset` is where in the stream it was found.
class TStreamError : public std::runtime_error
{
public:
    TStreamError(const char *reason, std::size_t offset)
        : std::runtime_error(reason)
        , Offset(offset)
    {
    }
    std::size_t Offset;
};

// Reads primitive values from a byte buffer it does not own. Every length is checked against the
// bytes left before anything is allocated for it, so a hostile length costs nothing.
class TByteReader
{
public:
    explicit TByteReader(std::string_view bytes)
        : m_data(bytes)
    {
    }

    std::size_t Position() const { return m_pos; }
    std::size_t Size() const { return m_data.size(); }
    std::size_t Remaining() const { return m_data.size() - m_pos; }

    std::uint8_t ReadByte();
    std::uint8_t PeekByte() const;
    // A view into the buffer; valid as long as the buffer.
    std::string_view ReadBytes(std::size_t count);
    void Skip(std::size_t count) { ReadBytes(count); }
    std::uint32_t ReadUInt32();
    std::string_view ReadShortString();

    // Lists: tag 1 starts one, a zero byte ends it.
    bool EndOfList() const { return PeekByte() == vaNull; }
    void ReadListBegin();
    void ReadListEnd();

    TValueType ReadValueTag() { return static_cast<TValueType>(ReadByte()); }
    TValueType PeekValueTag() const { return static_cast<TValueType>(PeekByte()); }
    // The payload of an integer of tag 2, 3 or 4; any other tag is an invalid value.
    std::int32_t ReadIntegerPayload(TValueType tag, std::size_t tagOffset);
    std::int32_t ReadInteger();
    bool ReadBoolean();
    // Text of tags 6 and 12 (8-bit code page), 18 (UTF-16LE) and 20 (UTF-8), as UTF-8.
    std::string ReadText();
    // Skips one value of any tag of the table. `depth` counts nesting levels already entered;
    // lists and collections inside the value add to it.
    void SkipValue(int depth);
    // Skips a record prefix byte (and its child position) if there is one.
    void SkipPrefix();

    [[noreturn]] void Fail(const char *reason, std::size_t offset) const;
    [[noreturn]] void FailValue(std::size_t tagOffset) const
    {
        Fail(kInvalidPropertyValue, tagOffset);
    }
    // Ends reading when a nesting level deeper than kMaxDepth is entered.
    void CheckDepth(int depth) const;

    // Deeper than any file this program or its predecessor writes (three levels), shallow enough
    // that hostile nesting cannot exhaust the stack.
    static constexpr int kMaxDepth = 64;

private:
    void Need(std::size_t count) const
    {
        if (count > Remaining())
            Fail(kStreamReadError, m_data.size()); // the stream ends before the value does
    }

    std::string_view m_data;
    std::size_t m_pos = 0;
};

// Bytes of the 8-bit code page of old files, as UTF-8.
std::string DecodeCodePageText(std::string_view bytes);
// UTF-8 that may be malformed, as well-formed UTF-8 (bad bytes become U+FFFD).
std::string SanitizeUtf8(std::string_view bytes);

} // namespace morvane
