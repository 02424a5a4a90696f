// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <QImage>

#include <string>

namespace morvane {

// Writes the file whole or not at all; a null image is EncodeFailed.
TWriteResult WritePng(const QImage &image, const std::string &path);

} // namespace morvane
