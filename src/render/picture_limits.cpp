// SPDX-License-Identifier: MIT
#include "picture_limits.h"

namespace morvane {

namespace {

// libpng, which most programs read PNG with, refuses wider or taller pictures unless the program
// raises its user limit; the format itself allows 2^31 - 1, so this is the one that bites.
constexpr std::int64_t kPngMaxSide = 1'000'000;
// libjpeg's largest dimension.
constexpr std::int64_t kJpegMaxSide = 65'500;
// A bitmap stores its sizes as signed 32-bit numbers and its file size in 32 bits.
constexpr std::int64_t kBmpMaxSide = 0x7FFFFFFF;
constexpr std::int64_t kBmpMaxFileBytes = 0xFFFFFFFF;
// File header and info header, before the masks or the palette.
constexpr std::int64_t kBmpHeaderBytes = 14 + 40;

const char *Name(TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Bmp:
        return "BMP";
    case TPictureFormat::Jpeg:
        return "JPEG";
    case TPictureFormat::Png:
        return "PNG";
    }
    return "";
}

std::string SideError(
    TPictureFormat format, std::int64_t limit, std::int64_t width, std::int64_t height)
{
    const bool wide = width > limit;
    return std::string(Name(format)) + " pictures are at most " + std::to_string(limit) + " pixels "
        + (wide ? "wide" : "high") + "; this one would be " + std::to_string(wide ? width : height);
}

} // namespace

std::string PictureFormatLimitError(
    TPictureFormat format, std::int64_t width, std::int64_t height, int bitsPerPixel)
{
    std::int64_t side = kBmpMaxSide;
    if (format == TPictureFormat::Png)
        side = kPngMaxSide;
    else if (format == TPictureFormat::Jpeg)
        side = kJpegMaxSide;
    if (width > side || height > side)
        return SideError(format, side, width, height);
    if (format != TPictureFormat::Bmp)
        return {};
    const std::int64_t storedBits = bitsPerPixel == 15 ? 16 : bitsPerPixel;
    const std::int64_t extra = bitsPerPixel == 16 ? 12 : bitsPerPixel <= 8 ? 4 << bitsPerPixel : 0;
    // Both sides are below 2^31 here, so a row's bytes fit; their product with the height may
    // not, hence the division.
    const std::int64_t rowBytes = (width * storedBits + 31) / 32 * 4;
    if (height > 0 && rowBytes > (kBmpMaxFileBytes - kBmpHeaderBytes - extra) / height)
        return "BMP files are at most 4 GiB; this one would hold " + std::to_string(width) + " x "
            + std::to_string(height) + " pixels at " + std::to_string(bitsPerPixel) + " bits";
    return {};
}

} // namespace morvane
