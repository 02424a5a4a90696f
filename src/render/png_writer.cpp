// SPDX-License-Identifier: MIT
#include "png_writer.h"

#include "picture_limits.h"

#include <csetjmp>
#include <new>
#include <png.h>
#include <zlib.h>

namespace morvane {

namespace {

// libpng reports errors by calling back and expects the callback not to return; we jump back
// into the encoder's method with the library's message.
void OnPngError(png_structp png, png_const_charp message)
{
    auto *error = static_cast<std::string *>(png_get_error_ptr(png));
    *error = std::string("PNG encoding failed: ") + message;
    png_longjmp(png, 1);
}

void IgnorePngWarning(png_structp, png_const_charp) { }

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto *out = static_cast<std::vector<unsigned char> *>(png_get_io_ptr(png));
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc &) {
        png_error(png, "out of memory");
    }
}

void NoFlush(png_structp) { }

} // namespace

struct TPngEncoder::State
{
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<unsigned char> bytes;
    std::string error;
    int width = 0, rowsLeft = 0;
};

TPngEncoder::TPngEncoder()
    : m(std::make_unique<State>())
{
}

TPngEncoder::~TPngEncoder()
{
    if (m->png)
        png_destroy_write_struct(&m->png, &m->info);
}

bool TPngEncoder::Start(int width, int height, int dotsPerMeterX, int dotsPerMeterY)
{
    const std::string limit = PictureFormatLimitError(TPictureFormat::Png, width, height);
    if (!limit.empty()) {
        m->error = limit;
        return false;
    }
    m->png
        = png_create_write_struct(PNG_LIBPNG_VER_STRING, &m->error, OnPngError, IgnorePngWarning);
    if (!m->png || !(m->info = png_create_info_struct(m->png))) {
        m->error = "PNG encoding failed: out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(m->png)))
        return false;
    png_set_write_fn(m->png, &m->bytes, AppendBytes, NoFlush);
    // A net's picture is mostly long runs of one colour, which run-length deflate of the plain
    // rows packs four times faster than the default filters and search, into a few times the
    // bytes (about a hundredth of the pixels' size).
    png_set_filter(m->png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_strategy(m->png, Z_RLE);
    png_set_IHDR(m->png, m->info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (dotsPerMeterX > 0 || dotsPerMeterY > 0)
        png_set_pHYs(m->png, m->info, png_uint_32(dotsPerMeterX), png_uint_32(dotsPerMeterY),
            PNG_RESOLUTION_METER);
    png_write_info(m->png, m->info);
    // QImage keeps a pixel as one native 32-bit word 0xffRRGGBB.
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
        png_set_bgr(m->png);
    png_set_filler(
        m->png, 0, Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    m->width = width;
    m->rowsLeft = height;
    return true;
}

bool TPngEncoder::AddRows(const QImage &band, int rows)
{
    if (!m->png || !m->error.empty())
        return false;
    if (band.format() != QImage::Format_RGB32 || band.width() != m->width || rows > band.height()
        || rows > m->rowsLeft) {
        m->error = "PNG encoding failed: a band does not fit the picture";
        return false;
    }
    if (setjmp(png_jmpbuf(m->png)))
        return false;
    for (int y = 0; y < rows; ++y)
        png_write_row(m->png, band.constScanLine(y));
    m->rowsLeft -= rows;
    return true;
}

bool TPngEncoder::Finish()
{
    if (!m->png || !m->error.empty())
        return false;
    if (m->rowsLeft != 0) {
        m->error = "PNG encoding failed: the picture lacks rows";
        return false;
    }
    if (setjmp(png_jmpbuf(m->png)))
        return false;
    png_write_end(m->png, m->info);
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
