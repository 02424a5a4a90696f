// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"

#include <array>
#include <cstdint>
#include <string>

namespace morvane {

struct TFontSpec
{
    std::string Name;
    std::int32_t Size = 8; // points
    bool operator==(const TFontSpec &) const = default;
};

inline constexpr int kColorTableSize = 25;
inline constexpr const char *VersionString = "0.8 Research";

// The program-wide display globals. The options record mirrors every option into one of these
// fields (usually scaled to pixels); drawing and editing read them directly. One instance,
// reached through Globals().
struct TDisplayGlobals
{
    std::int32_t zMin = 1;
    std::int32_t zMax = 64;
    std::int32_t GridHide = 4;
    std::int32_t LabelHide = 4;
    std::int32_t xPageSize = 1680;
    std::int32_t yPageSize = 2376;
    std::int32_t xGrid = 8;
    std::int32_t yGrid = 8;
    bool SnapToGrid = true;
    bool ShowGrid = true;
    bool OutlinedA = false;
    bool OutlinedP = false;
    bool OutlinedT = true;
    std::int32_t XPsize = 32;
    std::int32_t YPsize = 32;
    std::int32_t XTsize = 32;
    std::int32_t YTsize = 80;
    std::int32_t Lsize = 20;
    std::int32_t Esize = 4;
    std::int32_t hAsize = 10;
    std::int32_t wAsize = 2;
    std::int32_t Fnsize = 10;
    std::int32_t FnIndsize = 8;
    std::int32_t tFnsize = 10;
    std::int32_t tFnIndsize = 8;
    std::int32_t xDist = 40;
    std::int32_t yDist = 16;
    std::int32_t bDist = 56;
    // How many files the reopen history holds.
    std::int32_t HistoryDepth = 5;

    std::array<TColor, kColorTableSize> ColorTable = DefaultColorTable();
    TFontSpec PositionFont { "Liberation Sans", 8 };
    TFontSpec TransitionFont { "Liberation Sans", 8 };

    static std::array<TColor, kColorTableSize> DefaultColorTable();
};

TDisplayGlobals &Globals();
// Puts every global back to its initial value (test fixtures and a fresh start).
void ResetGlobals();

} // namespace morvane
