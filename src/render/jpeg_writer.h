// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace morvane {

// JPEG through libjpeg, fed a band of rows at a time so that a large picture never has to exist
// whole: 24-bit colour or 8-bit greyscale, quality 1 to 100. After a failure every call returns
// false and Error() tells why.
class TJpegEncoder
{
public:
    TJpegEncoder();
    ~TJpegEncoder();
    TJpegEncoder(const TJpegEncoder &) = delete;
    TJpegEncoder &operator=(const TJpegEncoder &) = delete;

    bool Start(int width, int height, bool greyscale, int quality);
    // The first `rows` rows of `band`, which is as wide as the picture.
    bool AddRows(const QImage &band, int rows);
    bool Finish();

    const std::vector<unsigned char> &Bytes() const;
    const std::string &Error() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

// Write the file whole or not at all; a picture libjpeg refuses is EncodeFailed.
TWriteResult WriteJpeg(const QImage &image, const std::string &path, bool greyscale, int quality);
TWriteResult WriteJpegBytes(const std::vector<unsigned char> &bytes, const std::string &path);

} // namespace morvane
