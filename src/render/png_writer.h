// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>

namespace morvane {

// Writes the file whole or not at all; returns an empty text on success, else the reason.
std::string WritePng(const QImage &image, const std::string &path);

} // namespace morvane
