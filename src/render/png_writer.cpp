// SPDX-License-Identifier: MIT
#include "png_writer.h"

#include "picture_limits.h"

#include "format/atomic_file.h"

#include <QBuffer>
#include <QByteArray>

namespace morvane {

TWriteResult WritePng(const QImage &image, const std::string &path)
{
    const std::string limit
        = PictureFormatLimitError(TPictureFormat::Png, image.width(), image.height());
    if (!limit.empty())
        return TWriteResult::Failed(
            TWriteStatus::EncodeFailed, path, "cannot write " + path + ": " + limit);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return TWriteResult::Failed(
            TWriteStatus::EncodeFailed, path, "cannot write " + path + ": PNG encoding failed");
    return WriteFileAtomically(
        path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace morvane
