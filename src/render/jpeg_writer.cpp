// SPDX-License-Identifier: MIT
#include "jpeg_writer.h"

#include "format/atomic_file.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <new>

namespace morvane {

namespace {

// libjpeg-turbo reads 32-bit pixels as they lie in memory; plain libjpeg needs packed RGB.
#ifdef JCS_EXTENSIONS
constexpr bool kDirectInput = true;
constexpr J_COLOR_SPACE kQRgbLayout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
#else
constexpr bool kDirectInput = false;
constexpr J_COLOR_SPACE kQRgbLayout = JCS_RGB;
#endif

// libjpeg reports errors by calling back and expects the callback not to return; we jump back
// into the encoder's method with the library's own message.
struct TJpegErrors
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<TJpegErrors *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) { }

// Compressed bytes go straight into a vector we own, so an error half-way leaks nothing.
struct TVectorDestination
{
    jpeg_destination_mgr pub;
    std::vector<unsigned char> *out;
    unsigned char buffer[16384];
};

void InitDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<TVectorDestination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
}

bool Append(TVectorDestination *dest, std::size_t count)
{
    try {
        dest->out->insert(dest->out->end(), dest->buffer, dest->buffer + count);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

void OutOfMemory(j_compress_ptr cinfo)
{
    cinfo->err->msg_code = JERR_OUT_OF_MEMORY;
    (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<TVectorDestination *>(cinfo->dest);
    if (!Append(dest, sizeof dest->buffer))
        OutOfMemory(cinfo);
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<TVectorDestination *>(cinfo->dest);
    if (!Append(dest, sizeof dest->buffer - dest->pub.free_in_buffer))
        OutOfMemory(cinfo);
}

} // namespace

// Everything libjpeg touches lives here, at a fixed address, and has no destructor that a jump
// out of the library could skip.
struct TJpegEncoder::State
{
    jpeg_compress_struct cinfo;
    TJpegErrors errors;
    TVectorDestination dest;
    bool created = false;
    bool started = false;
    bool failed = false;
    std::vector<unsigned char> bytes;
    std::vector<unsigned char> row;
    std::string error;

    bool Fail(const std::string &reason)
    {
        failed = true;
        error = reason;
        if (created)
            jpeg_destroy_compress(&cinfo);
        created = false;
        bytes.clear();
        return false;
    }
    bool FailFromLibrary()
    {
        return Fail(errors.message[0] ? errors.message : "JPEG encoding failed");
    }
};

TJpegEncoder::TJpegEncoder()
    : m(std::make_unique<State>())
{
}

TJpegEncoder::~TJpegEncoder()
{
    if (m->created)
        jpeg_destroy_compress(&m->cinfo);
}

const std::vector<unsigned char> &TJpegEncoder::Bytes() const
{
    return m->bytes;
}

const std::string &TJpegEncoder::Error() const
{
    return m->error;
}

bool TJpegEncoder::Start(int width, int height, bool greyscale, int quality)
{
    if (m->failed)
        return false;
    if (m->started)
        return m->Fail("the encoder was started twice");
    if (quality < 1 || quality > 100)
        return m->Fail("the JPEG quality is 1 to 100, not " + std::to_string(quality));
    if (width < 1 || height < 1)
        return m->Fail("there is no picture");
    m->row.assign(kDirectInput ? 0 : std::size_t(width) * 3, 0);
    jpeg_compress_struct &cinfo = m->cinfo;
    cinfo.err = jpeg_std_error(&m->errors.pub);
    m->errors.pub.error_exit = OnJpegError;
    m->errors.pub.output_message = IgnoreJpegMessage;
    m->errors.message[0] = '\0';
    if (setjmp(m->errors.jump))
        return m->FailFromLibrary();
    jpeg_create_compress(&cinfo);
    m->created = true;
    m->dest.out = &m->bytes;
    m->dest.pub.init_destination = InitDestination;
    m->dest.pub.empty_output_buffer = EmptyOutputBuffer;
    m->dest.pub.term_destination = TermDestination;
    cinfo.dest = &m->dest.pub;
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = kDirectInput ? 4 : 3;
    cinfo.in_color_space = kQRgbLayout;
    jpeg_set_defaults(&cinfo);
    if (greyscale)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE); // libjpeg takes the luminance
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    jpeg_start_compress(&cinfo, TRUE);
    m->started = true;
    return true;
}

bool TJpegEncoder::AddRows(const QImage &band, int rows)
{
    if (m->failed)
        return false;
    if (!m->started)
        return m->Fail("the encoder was not started");
    jpeg_compress_struct &cinfo = m->cinfo;
    if (band.width() != int(cinfo.image_width) || band.depth() != 32 || rows > band.height())
        return m->Fail("a band does not fit the picture");
    if (setjmp(m->errors.jump))
        return m->FailFromLibrary();
    for (int y = 0; y < rows && cinfo.next_scanline < cinfo.image_height; ++y) {
        const uchar *line = band.constScanLine(y);
        JSAMPROW scanline[] = { const_cast<JSAMPROW>(line) };
        if (!kDirectInput) {
            const auto *src = reinterpret_cast<const QRgb *>(line);
            for (JDIMENSION x = 0; x < cinfo.image_width; ++x) {
                m->row[3 * x] = (unsigned char)qRed(src[x]);
                m->row[3 * x + 1] = (unsigned char)qGreen(src[x]);
                m->row[3 * x + 2] = (unsigned char)qBlue(src[x]);
            }
            scanline[0] = m->row.data();
        }
        jpeg_write_scanlines(&cinfo, scanline, 1);
    }
    return true;
}

bool TJpegEncoder::Finish()
{
    if (m->failed)
        return false;
    if (!m->started || m->cinfo.next_scanline < m->cinfo.image_height)
        return m->Fail("the picture is incomplete");
    if (setjmp(m->errors.jump))
        return m->FailFromLibrary();
    jpeg_finish_compress(&m->cinfo);
    jpeg_destroy_compress(&m->cinfo);
    m->created = false;
    m->started = false;
    return true;
}

namespace {

bool EncodeJpeg(const QImage &image, bool greyscale, int quality, std::vector<unsigned char> &out,
    std::string &error)
{
    if (image.isNull()) {
        error = "there is no picture";
        return false;
    }
    const QImage rgb = image.depth() == 32 && !image.hasAlphaChannel()
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    TJpegEncoder encoder;
    if (encoder.Start(rgb.width(), rgb.height(), greyscale, quality)
        && encoder.AddRows(rgb, rgb.height()) && encoder.Finish()) {
        out = encoder.Bytes();
        return true;
    }
    error = encoder.Error();
    return false;
}

} // namespace

TWriteResult WriteJpegBytes(const std::vector<unsigned char> &bytes, const std::string &path)
{
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

TWriteResult WriteJpeg(const QImage &image, const std::string &path, bool greyscale, int quality)
{
    std::vector<unsigned char> bytes;
    std::string error;
    if (!EncodeJpeg(image, greyscale, quality, bytes, error))
        return TWriteResult::Failed(
            TWriteStatus::EncodeFailed, path, "cannot write " + path + ": " + error);
    return WriteJpegBytes(bytes, path);
}

} // namespace morvane
