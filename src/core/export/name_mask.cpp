// SPDX-License-Identifier: MIT
#include "name_mask.h"

#include <algorithm>
#include <cctype>

namespace morvane {

namespace {

std::string Upper(std::string_view text)
{
    std::string out(text);
    std::transform(
        out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return out;
}

} // namespace

std::string DeleteMaskToken(std::string mask, int tag)
{
    if (tag < 0 || tag >= int(kMaskTokens.size()))
        return mask;
    const std::string_view token = kMaskTokens[std::size_t(tag)];
    const auto at = Upper(mask).find(Upper(token));
    if (at != std::string::npos)
        mask.erase(at, token.size());
    return mask;
}

std::string InsertMaskToken(std::string mask, int tag)
{
    if (tag < 0 || tag >= int(kMaskTokens.size()))
        return mask;
    return DeleteMaskToken(std::move(mask), tag) + std::string(kMaskTokens[std::size_t(tag)]);
}

int MaskTokenAt(std::string_view mask, std::size_t at)
{
    // Names are expanded for every cell of every matrix: no copies here.
    const auto same = [](char a, char b) {
        const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
        return upper(a) == upper(b);
    };
    for (std::size_t tag = 0; tag < kMaskTokens.size(); ++tag) {
        const std::string_view token = kMaskTokens[tag];
        if (at + token.size() <= mask.size()
            && std::equal(token.begin(), token.end(), mask.begin() + std::ptrdiff_t(at), same))
            return int(tag);
    }
    return -1;
}

std::string ExpandMask(std::string_view mask, const std::array<std::string_view, 4> &parts)
{
    std::string out;
    for (std::size_t at = 0; at < mask.size();) {
        const int tag = MaskTokenAt(mask, at);
        if (tag < 0) {
            out += mask[at++];
        } else {
            out += parts[std::size_t(tag)];
            at += kMaskTokens[std::size_t(tag)].size();
        }
    }
    return out;
}

std::string_view ConstantText(int kind, bool longForm)
{
    if (kind == 3)
        return longForm ? "False" : "F";
    return longForm ? "True" : "T";
}

} // namespace morvane
