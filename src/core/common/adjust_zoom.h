// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// Maps page pixels to the units of an exported picture: a value has the origin subtracted, is
// multiplied and then divided (truncating toward zero), separately per axis. Each export carries
// its own, filled from the export's settings.
struct TAdjustZoom
{
    std::int32_t XOrigin = 0;
    std::int32_t YOrigin = 0;
    std::int32_t XMul = 1;
    std::int32_t XDiv = 1;
    std::int32_t YMul = 1;
    std::int32_t YDiv = 1;

    // A coordinate.
    std::int64_t X(std::int64_t v) const;
    std::int64_t Y(std::int64_t v) const;
    std::string XToStr(std::int64_t v) const { return std::to_string(X(v)); }
    std::string YToStr(std::int64_t v) const { return std::to_string(Y(v)); }

    // A length: scaled only. Shifting a length by the origin would shrink every line and circle
    // by the margin and, past it, make the length negative, which LaTeX rejects.
    std::int64_t XLength(std::int64_t v) const;
    std::int64_t YLength(std::int64_t v) const;
    std::string XLengthToStr(std::int64_t v) const { return std::to_string(XLength(v)); }
    std::string YLengthToStr(std::int64_t v) const { return std::to_string(YLength(v)); }
};

} // namespace morvane
