// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace morvane {

// Hands out label numbers: Next returns the last number plus one and remembers it.
class TCountObject
{
public:
    std::int32_t Value = 0;
    std::int32_t Calls = 0;

    std::int32_t Next()
    {
        ++Calls;
        return ++Value;
    }
};

} // namespace morvane
