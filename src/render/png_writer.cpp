// SPDX-License-Identifier: MIT
#include "png_writer.h"

#include "picture_limits.h"
#include "run_deflate.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <zlib.h>

namespace morvane {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16; // of compressed data in one image-data chunk

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
    TRunDeflater deflater;

    // Puts the deflated bytes in image-data chunks, all of them when `all`, else whole chunks.
    void Flush(bool all)
    {
        std::vector<unsigned char> &stream = deflater.Bytes();
        std::size_t from = 0;
        while (stream.size() - from >= kChunkBytes || (all && from < stream.size())) {
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
        for (int y = 0; y < rows; ++y)
            m->deflater.Row(reinterpret_cast<const std::uint32_t *>(band.constScanLine(y)),
                std::size_t(m->width));
        m->deflater.EndBlock();
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
        m->deflater.Finish();
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
