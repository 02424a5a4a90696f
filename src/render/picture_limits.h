// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

enum class TPictureFormat { Bmp, Jpeg, Png };

// What a file of `format` can hold, checked from the picture's size before anything is allocated
// or drawn. Returns the limit that a `width` x `height` picture (`bitsPerPixel` for a bitmap)
// would break, naming the format ("PNG pictures are at most 1000000 pixels wide; this one would
// be 1200000"), or an empty text when the file can be made.
std::string PictureFormatLimitError(
    TPictureFormat format, std::int64_t width, std::int64_t height, int bitsPerPixel = 24);

} // namespace morvane
