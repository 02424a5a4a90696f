// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>

namespace morvane {

// Depths a bitmap file may have: 1, 4 and 8 bits with a palette (black and white; the sixteen
// VGA colours; those, a 6 x 6 x 6 colour cube and 24 greys), 15 bits (5-5-5), 16 bits (5-6-5,
// with bit-field masks) and 24 bits. Colours outside a palette take the nearest entry.
bool IsBmpDepth(int bitsPerPixel);

// A complete bottom-up BMP file (file header, info header, masks or palette, rows padded to four
// bytes) in `out`. Returns false with a reason for an unknown depth or a null image.
bool EncodeBmp(const QImage &image, int bitsPerPixel, std::string &out, std::string &error);

// Writes the file whole or not at all; returns an empty text on success, else the reason.
std::string WriteBmp(const QImage &image, const std::string &path, int bitsPerPixel);

} // namespace morvane
