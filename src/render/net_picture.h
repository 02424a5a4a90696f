// SPDX-License-Identifier: MIT
#pragma once

#include "model/canvas.h"
#include "options/display_globals.h"

#include <QImage>
#include <QPalette>

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

class TDrawingObjects;
class TRealOptions;

struct TPictureSettings
{
    // Pixels per grid step. Outside the zoom limits the net keeps its current scale.
    std::int32_t Scale = 8;
    std::int32_t MarginLeft = 0;
    std::int32_t MarginTop = 0;
    std::int32_t MarginRight = 0;
    std::int32_t MarginBottom = 0;
    std::int32_t PenWidth = 1;
    TFontSpec Font { "Liberation Sans", 8 };
};

struct TNetPicture
{
    QImage Image; // null when the picture could not be made
    std::string Error; // why not
    TPoint ExtentTopLeft;
    TPoint ExtentBottomRight;
};

// Pictures bigger than this are refused rather than half-allocated (a whole one is 4 bytes a
// pixel).
inline constexpr std::int64_t kMaxPictureSide = std::int64_t(1) << 24;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 28;

struct TPictureSize
{
    std::int64_t Width = 0, Height = 0;
};

// The colours of a plain light desktop, for pictures that must look the same on every machine
// whatever its theme (system colour 5, the window background, is white).
QPalette PicturePalette();

// The net drawn with the ordinary drawing code on a white image that holds its extent plus the
// margins, at the given scale, under the export zoom (TExportZoom); the net's canvas is
// restored afterwards. System colours come from `palette`.
TNetPicture MakeNetPicture(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette);
TNetPicture MakeNetPicture(
    TDrawingObjects &net, TRealOptions &options, const TPictureSettings &settings);

class QtCanvas;
class TExportZoom;

// A picture's size and the net pixel drawn at its (0, 0), under an export zoom already in force:
// the net's extent plus the margins, one pixel more each way for the extent's far edge.
TPictureSize PictureSizeAt(const TExportZoom &zoom, const TPictureSettings &settings);
TPoint PictureOrigin(const TExportZoom &zoom, const TPictureSettings &settings);

// Draws every object of the net on `canvas` with the picture's font and pen width, net pixel
// `origin` at the device's (0, 0); the net's own canvas is restored afterwards.
void DrawNetOn(
    TDrawingObjects &net, QtCanvas &canvas, const TPictureSettings &settings, TPoint origin);
// The same, leaving the canvas's painter open: a device with more pages to come must not end.
void DrawNetOnPage(
    TDrawingObjects &net, QtCanvas &canvas, const TPictureSettings &settings, TPoint origin);

// The size MakeNetPicture would give the picture, found without allocating or drawing it, so that
// a file format's limits can be checked first.
TPictureSize NetPictureSize(
    TDrawingObjects &net, TRealOptions &options, const TPictureSettings &settings);

// Receives a picture band by band, top to bottom.
class TPictureBands
{
public:
    virtual ~TPictureBands() = default;
    virtual bool Begin(int width, int height) = 0;
    // The first `rows` rows of `band` continue the picture.
    virtual bool Band(const QImage &band, int rows) = 0;
};

// The same picture as MakeNetPicture, drawn in bands of `bandHeight` rows (0: a few megabytes'
// worth) into one reused image, for writers that stream: a whole picture at a large scale would
// need gigabytes.
// Returns an error text, empty when every band was taken.
std::string DrawNetPictureInBands(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, int bandHeight,
    TPictureBands &bands);

// The picture as a JPEG file's bytes, drawn in bands. Returns an error text, empty on success.
std::string MakeNetJpeg(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, bool greyscale, int quality,
    std::vector<unsigned char> &jpeg);
// The picture as a PNG file's bytes, drawn in bands. Returns an error text, empty on success.
std::string MakeNetPng(TDrawingObjects &net, TRealOptions &options,
    const TPictureSettings &settings, const QPalette &palette, std::vector<unsigned char> &png);

} // namespace morvane
