// SPDX-License-Identifier: MIT
#include "bmp_writer.h"

#include "format/atomic_file.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace morvane {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::int32_t kPixelsPerMetre = 3780; // 96 pixels per inch

void Put16(std::string &b, std::uint16_t v)
{
    b.push_back(char(v & 0xFF));
    b.push_back(char(v >> 8));
}

void Put32(std::string &b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(char((v >> (8 * i)) & 0xFF));
}

std::vector<QRgb> Palette(int bitsPerPixel)
{
    if (bitsPerPixel == 1)
        return { qRgb(0, 0, 0), qRgb(255, 255, 255) };
    std::vector<QRgb> colours = {
        qRgb(0, 0, 0),
        qRgb(128, 0, 0),
        qRgb(0, 128, 0),
        qRgb(128, 128, 0),
        qRgb(0, 0, 128),
        qRgb(128, 0, 128),
        qRgb(0, 128, 128),
        qRgb(192, 192, 192),
        qRgb(128, 128, 128),
        qRgb(255, 0, 0),
        qRgb(0, 255, 0),
        qRgb(255, 255, 0),
        qRgb(0, 0, 255),
        qRgb(255, 0, 255),
        qRgb(0, 255, 255),
        qRgb(255, 255, 255),
    };
    if (bitsPerPixel == 4)
        return colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 24; ++i)
        colours.push_back(qRgb(8 + 10 * i, 8 + 10 * i, 8 + 10 * i));
    return colours;
}

// Nearest palette entry by distance in RGB; a picture of a net has a handful of colours, so
// each is looked up once.
class TNearestColour
{
public:
    explicit TNearestColour(const std::vector<QRgb> &palette)
        : m_palette(palette)
    {
    }

    std::uint8_t operator()(QRgb c)
    {
        c &= 0x00FFFFFFu;
        if (auto it = m_cache.find(c); it != m_cache.end())
            return it->second;
        std::size_t best = 0;
        long bestDistance = -1;
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            const long dr = qRed(c) - qRed(m_palette[i]);
            const long dg = qGreen(c) - qGreen(m_palette[i]);
            const long db = qBlue(c) - qBlue(m_palette[i]);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return m_cache[c] = std::uint8_t(best);
    }

private:
    const std::vector<QRgb> &m_palette;
    std::unordered_map<QRgb, std::uint8_t> m_cache;
};

void PackRow(
    const QRgb *src, int width, int bitsPerPixel, TNearestColour *nearest, std::string &row)
{
    std::fill(row.begin(), row.end(), 0);
    auto *dst = reinterpret_cast<unsigned char *>(row.data());
    for (int x = 0; x < width; ++x) {
        const QRgb c = src[x];
        const unsigned r = unsigned(qRed(c)), g = unsigned(qGreen(c)), b = unsigned(qBlue(c));
        switch (bitsPerPixel) {
        case 1:
            dst[x / 8] |= (*nearest)(c) << (7 - x % 8);
            break;
        case 4:
            dst[x / 2] |= (*nearest)(c) << (x % 2 ? 0 : 4);
            break;
        case 8:
            dst[x] = (*nearest)(c);
            break;
        case 15:
        case 16: {
            const unsigned v = bitsPerPixel == 15 ? ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)
                                                  : ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
            dst[2 * x] = (unsigned char)(v & 0xFF);
            dst[2 * x + 1] = (unsigned char)(v >> 8);
            break;
        }
        default:
            dst[3 * x] = (unsigned char)b;
            dst[3 * x + 1] = (unsigned char)g;
            dst[3 * x + 2] = (unsigned char)r;
            break;
        }
    }
}

} // namespace

bool IsBmpDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 15:
    case 16:
    case 24:
        return true;
    default:
        return false;
    }
}

namespace {

// A complete bottom-up BMP file (file header, info header, masks or palette, rows padded to four
// bytes) in `out`. Returns false with a reason for an unknown depth or a null image.
bool EncodeBmp(const QImage &image, int bitsPerPixel, std::string &out, std::string &error)
{
    if (!IsBmpDepth(bitsPerPixel)) {
        error = "a bitmap has 1, 4, 8, 15, 16 or 24 bits per pixel, not "
            + std::to_string(bitsPerPixel);
        return false;
    }
    if (image.isNull()) {
        error = "there is no picture";
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const int storedBits = bitsPerPixel == 15 ? 16 : bitsPerPixel;
    const std::uint64_t rowBytes = (std::uint64_t(width) * std::uint64_t(storedBits) + 31) / 32 * 4;
    const std::vector<QRgb> palette
        = bitsPerPixel <= 8 ? Palette(bitsPerPixel) : std::vector<QRgb>();
    const bool bitfields = bitsPerPixel == 16;
    const std::uint32_t extra = bitfields ? 12 : std::uint32_t(palette.size() * 4);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + extra;
    const std::uint64_t imageBytes = rowBytes * std::uint64_t(height);
    if (imageBytes + offset > 0xFFFFFFFFull) {
        error = "the picture is too large for a bitmap file";
        return false;
    }

    out.clear();
    out.reserve(std::size_t(offset + imageBytes));
    std::string &header = out;
    header.push_back('B');
    header.push_back('M');
    Put32(header, std::uint32_t(offset + imageBytes));
    Put16(header, 0);
    Put16(header, 0);
    Put32(header, offset);
    Put32(header, kInfoHeaderSize);
    Put32(header, std::uint32_t(width));
    Put32(header, std::uint32_t(height)); // positive: rows run bottom-up
    Put16(header, 1);
    Put16(header, std::uint16_t(storedBits));
    Put32(header, bitfields ? kBiBitfields : kBiRgb);
    Put32(header, std::uint32_t(imageBytes));
    Put32(header, std::uint32_t(kPixelsPerMetre));
    Put32(header, std::uint32_t(kPixelsPerMetre));
    Put32(header, std::uint32_t(palette.size()));
    Put32(header, 0);
    if (bitfields) {
        Put32(header, 0xF800);
        Put32(header, 0x07E0);
        Put32(header, 0x001F);
    }
    for (QRgb c : palette) {
        header.push_back(char(qBlue(c)));
        header.push_back(char(qGreen(c)));
        header.push_back(char(qRed(c)));
        header.push_back(0);
    }

    TNearestColour nearest(palette);
    std::string row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        PackRow(reinterpret_cast<const QRgb *>(rgb.constScanLine(y)), width, bitsPerPixel, &nearest,
            row);
        out += row;
    }
    return true;
}

} // namespace

TWriteResult WriteBmp(const QImage &image, const std::string &path, int bitsPerPixel)
{
    std::string bytes, error;
    if (!EncodeBmp(image, bitsPerPixel, bytes, error))
        return TWriteResult::Failed(
            TWriteStatus::EncodeFailed, path, "cannot write " + path + ": " + error);
    return WriteFileAtomically(path, bytes);
}

} // namespace morvane
