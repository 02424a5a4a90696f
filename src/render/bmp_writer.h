// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <QImage>

#include <string>

namespace morvane {

// Depths a bitmap file may have: 1, 4 and 8 bits with a palette (black and white; the sixteen
// VGA colours; those, a 6 x 6 x 6 colour cube and 24 greys), 15 bits (5-5-5), 16 bits (5-6-5,
// with bit-field masks) and 24 bits. Colours outside a palette take the nearest entry.
bool IsBmpDepth(int bitsPerPixel);

// Writes a bottom-up BMP file (file header, info header, masks or palette, rows padded to four
// bytes) whole or not at all; an unknown depth or a null image is EncodeFailed.
TWriteResult WriteBmp(const QImage &image, const std::string &path, int bitsPerPixel);

} // namespace morvane
