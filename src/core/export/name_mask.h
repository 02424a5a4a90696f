// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace morvane {

// The tokens of a predicate name mask by tag: input position name and index, output position
// name and index. Every token is five characters; other characters of a mask are literal.
inline constexpr std::array<std::string_view, 4> kMaskTokens { "#{iN}", "#{iI}", "#{oN}", "#{oI}" };
inline constexpr std::string_view kLongMask = "w#{iN}#{iI}#{oN}#{oI}";
inline constexpr std::string_view kShortMask = "w#{iI}#{oI}";

// Removes the first occurrence of token `tag` (compared without regard to letter case) from the
// mask as typed; a mask without it, or a tag out of range, is returned unchanged.
std::string DeleteMaskToken(std::string mask, int tag);
// Deletes token `tag`, then appends it as written in the token table: a token occurs once
// through these buttons, and inserting it again moves it to the end.
std::string InsertMaskToken(std::string mask, int tag);

// The tag of the token that starts at `at` in the mask (compared without regard to letter case),
// or -1 when none does.
int MaskTokenAt(std::string_view mask, std::size_t at);
// The mask with each token replaced by the text for its tag: input position name and index,
// output position name and index.
std::string ExpandMask(std::string_view mask, const std::array<std::string_view, 4> &parts);

// The text of constant True (kind 2) or False (kind 3), short ("T", "F") or long.
std::string_view ConstantText(int kind, bool longForm);

} // namespace morvane
