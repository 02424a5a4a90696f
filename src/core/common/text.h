// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Integers shown to the user: a negative priority or capacity means "unlimited" and reads "inf".
std::string IntToStrInf(std::int32_t value);
// Accepts "inf" in any letter case as -1, otherwise a decimal integer; nothing for anything else.
std::optional<std::int32_t> StrToIntInf(std::string_view text);
// The integer right-aligned in a width of 8, followed by one blank (used as a sort key).
std::string SortKey8(std::int32_t value);

// Code points of UTF-8 text; malformed bytes become U+FFFD one byte at a time.
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view text);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Windows-1251 (Cyrillic) is the 8-bit code page of old net files.
std::string Cp1251ToUtf8(std::string_view bytes);
bool IsAscii(std::string_view text);
// Equal but for the letter case of ASCII letters.
bool SameAsciiText(std::string_view a, std::string_view b);
// Number of code points in UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);
// Byte offset of code point number `count` (clamped to the end).
std::size_t Utf8Offset(std::string_view utf8, std::size_t count);

} // namespace morvane
