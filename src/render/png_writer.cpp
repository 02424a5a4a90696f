// SPDX-License-Identifier: MIT
#include "png_writer.h"

#include "picture_limits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <zlib.h>

namespace morvane {

// A net's picture is mostly long runs of one colour. Each row is written unfiltered, and the
// deflate stream is made here, in blocks of the fixed code: a run of pixels becomes its first
// pixel and copies of the pixel before, 258 bytes a copy; the stream's checksum is worked out a
// run at a time. That is a few times faster than a general compressor, for files of about a
// few hundredths of the pixels' size.

namespace {

constexpr std::size_t kChunkBytes = 1 << 16; // of compressed data in one image-data chunk
constexpr unsigned kAdlerBase = 65521;

struct TCode
{
    std::uint32_t bits; // reversed, as the stream sends Huffman codes
    unsigned length;
};

// The fixed literal/length code.
const std::array<TCode, 288> &FixedCodes()
{
    static const std::array<TCode, 288> codes = [] {
        std::array<TCode, 288> c {};
        for (unsigned symbol = 0; symbol < 288; ++symbol) {
            unsigned code, length;
            if (symbol < 144)
                code = 0x30 + symbol, length = 8;
            else if (symbol < 256)
                code = 0x190 + symbol - 144, length = 9;
            else if (symbol < 280)
                code = symbol - 256, length = 7;
            else
                code = 0xC0 + symbol - 280, length = 8;
            std::uint32_t reversed = 0;
            for (unsigned i = 0; i < length; ++i)
                reversed |= ((code >> i) & 1u) << (length - 1 - i);
            c[symbol] = { reversed, length };
        }
        return c;
    }();
    return codes;
}

void PutBigEndian(std::vector<unsigned char> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(std::vector<unsigned char> &out, const char *type, const unsigned char *data,
    std::size_t length)
{
    PutBigEndian(out, std::uint32_t(length));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + length);
    PutBigEndian(
        out, std::uint32_t(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

} // namespace

struct TPngEncoder::State
{
    std::vector<unsigned char> bytes;
    std::string error;
    int width = 0, rowsLeft = 0;
    bool started = false;

    // The deflate stream not yet put in a chunk, and its last bits not yet a whole byte.
    std::vector<unsigned char> stream;
    std::uint64_t bitBuffer = 0;
    unsigned bitCount = 0;
    // Checksum of the uncompressed data.
    std::uint64_t adlerA = 1, adlerB = 0;

    void Bits(std::uint32_t bits, unsigned count)
    {
        bitBuffer |= std::uint64_t(bits) << bitCount;
        bitCount += count;
        while (bitCount >= 8) {
            stream.push_back(static_cast<unsigned char>(bitBuffer));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    }
    const std::array<TCode, 288> &codes = FixedCodes();
    void Symbol(unsigned symbol)
    {
        const TCode &c = codes[symbol];
        Bits(c.bits, c.length);
    }
    void Literal(unsigned char byte)
    {
        Symbol(byte);
        adlerA = (adlerA + byte) % kAdlerBase;
        adlerB = (adlerB + adlerA) % kAdlerBase;
    }
    // A copy of `length` (3 to 258) bytes from 3 bytes back.
    void CopyOfPixelBefore(unsigned length)
    {
        static constexpr unsigned kBase[29] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27,
            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
        static constexpr unsigned kExtra[29] = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3,
            3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
        unsigned i = 28;
        while (kBase[i] > length)
            --i;
        Symbol(257 + i);
        Bits(length - kBase[i], kExtra[i]);
        Bits(0b01000, 5); // distance code 2 (distance 3), reversed
    }
    // `count` pixels (r, g, b) following one of their own colour, as copies.
    void Copies(unsigned r, unsigned g, unsigned b, std::uint64_t count)
    {
        for (std::uint64_t left = 3 * count; left > 0;) {
            const auto length = unsigned(std::min<std::uint64_t>(left, 258)); // a multiple of 3
            CopyOfPixelBefore(length);
            left -= length;
        }
        // Each byte adds to the second sum the first one as it stands after the byte, so the
        // j-th of the n pixels from 0 adds r (3n - 3j) + g (3n - 3j - 1) + b (3n - 3j - 2) to it
        // beyond 3n times the first sum before the run; the terms in j sum to 3n (n + 1) / 2.
        const std::uint64_t n = count % kAdlerBase;
        const std::uint64_t weights = 3 * (count * (count + 1) / 2 % kAdlerBase) % kAdlerBase;
        adlerB
            = (adlerB + 3 * n % kAdlerBase * adlerA % kAdlerBase
                  + (r + g + b) * weights % kAdlerBase + kAdlerBase - (g + 2 * b) * n % kAdlerBase)
            % kAdlerBase;
        adlerA = (adlerA + (r + g + b) * n) % kAdlerBase;
    }
    void Row(const std::uint32_t *pixels)
    {
        Literal(0); // no filter
        const std::uint32_t *const end = pixels + width;
        for (const std::uint32_t *p = pixels; p != end;) {
            const std::uint32_t colour = *p;
            const std::uint32_t *q = p + 1;
            while (q != end && *q == colour)
                ++q;
            const unsigned r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
            std::uint64_t copies = std::uint64_t(q - p);
            if (p == pixels || p[-1] != colour) {
                Literal(static_cast<unsigned char>(r));
                Literal(static_cast<unsigned char>(g));
                Literal(static_cast<unsigned char>(b));
                --copies;
            }
            Copies(r, g, b, copies);
            p = q;
        }
    }
    // Moves whole bytes of the stream into image-data chunks, all of them when `all`.
    void Flush(bool all)
    {
        std::size_t from = 0;
        for (; stream.size() - from >= kChunkBytes || (all && from < stream.size());) {
            const std::size_t n = std::min(kChunkBytes, stream.size() - from);
            PutChunk(bytes, "IDAT", stream.data() + from, n);
            from += n;
        }
        stream.erase(stream.begin(), stream.begin() + std::ptrdiff_t(from));
    }
};

TPngEncoder::TPngEncoder()
    : m(std::make_unique<State>())
{
}

TPngEncoder::~TPngEncoder() = default;

bool TPngEncoder::Start(int width, int height, int dotsPerMeterX, int dotsPerMeterY)
{
    const std::string limit = PictureFormatLimitError(TPictureFormat::Png, width, height);
    if (!limit.empty()) {
        m->error = limit;
        return false;
    }
    try {
        static constexpr unsigned char kSignature[8]
            = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
        m->bytes.assign(kSignature, kSignature + 8);
        std::vector<unsigned char> header;
        PutBigEndian(header, std::uint32_t(width));
        PutBigEndian(header, std::uint32_t(height));
        // 8 bits a sample, RGB, deflate, adaptive filters, not interlaced.
        header.insert(header.end(), { 8, 2, 0, 0, 0 });
        PutChunk(m->bytes, "IHDR", header.data(), header.size());
        if (dotsPerMeterX > 0 || dotsPerMeterY > 0) {
            std::vector<unsigned char> density;
            PutBigEndian(density, std::uint32_t(std::max(dotsPerMeterX, 0)));
            PutBigEndian(density, std::uint32_t(std::max(dotsPerMeterY, 0)));
            density.push_back(1); // per metre
            PutChunk(m->bytes, "pHYs", density.data(), density.size());
        }
        m->stream = { 0x78, 0x01 }; // deflate, 32 KB window, no dictionary
    } catch (const std::bad_alloc &) {
        m->error = "PNG encoding failed: out of memory";
        return false;
    }
    m->width = width;
    m->rowsLeft = height;
    m->started = true;
    return true;
}

bool TPngEncoder::AddRows(const QImage &band, int rows)
{
    if (!m->started || !m->error.empty())
        return false;
    if (band.format() != QImage::Format_RGB32 || band.width() != m->width || rows > band.height()
        || rows > m->rowsLeft) {
        m->error = "PNG encoding failed: a band does not fit the picture";
        return false;
    }
    try {
        m->Bits(0b010, 3); // a block of the fixed code, not the last
        for (int y = 0; y < rows; ++y)
            m->Row(reinterpret_cast<const std::uint32_t *>(band.constScanLine(y)));
        m->Symbol(256); // end of block
        m->Flush(false);
    } catch (const std::bad_alloc &) {
        m->error = "PNG encoding failed: out of memory";
        return false;
    }
    m->rowsLeft -= rows;
    return true;
}

bool TPngEncoder::Finish()
{
    if (!m->started || !m->error.empty())
        return false;
    if (m->rowsLeft != 0) {
        m->error = "PNG encoding failed: the picture lacks rows";
        return false;
    }
    try {
        m->Bits(0b011, 3); // the last block, empty
        m->Symbol(256);
        if (m->bitCount > 0)
            m->Bits(0, 8 - m->bitCount);
        PutBigEndian(m->stream, std::uint32_t(m->adlerB << 16 | m->adlerA));
        m->Flush(true);
        PutChunk(m->bytes, "IEND", nullptr, 0);
    } catch (const std::bad_alloc &) {
        m->error = "PNG encoding failed: out of memory";
        return false;
    }
    m->started = false;
    return true;
}

const std::vector<unsigned char> &TPngEncoder::Bytes() const
{
    return m->bytes;
}

const std::string &TPngEncoder::Error() const
{
    return m->error;
}

} // namespace morvane
