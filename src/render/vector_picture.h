// SPDX-License-Identifier: MIT
#pragma once

#include "net_picture.h"

#include "format/write_result.h"

#include <QPalette>

#include <string>

namespace morvane {

class TDrawingObjects;
class TRealOptions;

enum class TVectorFormat { Svg, Pdf };

// The net as a vector picture of its extent plus the margins at the settings' scale, drawn by
// the ordinary drawing code: the same geometry as the bitmap picture, one unit a pixel, with
// labels as text. The file is written whole or not at all.
TWriteResult WriteNetVector(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, TVectorFormat format,
    const std::string &path);

// The picture's bytes; empty with `error` set when it cannot be made.
QByteArray MakeNetVector(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, TVectorFormat format,
    std::string &error);

} // namespace morvane
