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

std::string_view ConstantText(int kind, bool longForm)
{
    if (kind == 3)
        return longForm ? "False" : "F";
    return longForm ? "True" : "T";
}

} // namespace morvane
