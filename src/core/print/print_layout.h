// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// Where the picture of a net sits in the printable area of the sheet.
enum class TPrintAnchor : std::uint8_t {
    LeftTop,
    CenterTop,
    RightTop,
    LeftCenter,
    CenterCenter,
    RightCenter,
    LeftBottom,
    CenterBottom,
    RightBottom,
    Custom, // CustomLeft, CustomTop from the printable area's top-left corner
};

// How big the picture is printed.
enum class TPrintSizing : std::uint8_t {
    Scale, // n:8, where 8:8 prints one grid step as one millimetre (the drawing page's unit)
    FullPage, // as large as the printable area allows, keeping the aspect ratio
    Custom, // CustomWidth x CustomHeight, given in pixels at the grid step CustomStep
};

// A page layout as the page setup dialog and the command line give it. Lengths are millimetres.
struct TPrintSetup
{
    double PaperWidth = 210, PaperHeight = 297; // the sheet upright
    bool Landscape = false;
    double MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
    TPrintAnchor Anchor = TPrintAnchor::LeftTop;
    double CustomLeft = 0, CustomTop = 0;
    TPrintSizing Sizing = TPrintSizing::Scale;
    std::int32_t Scale = 8;
    std::int32_t CustomWidth = 0, CustomHeight = 0, CustomStep = 8;
    bool KeepAspect = true;
};

struct TRectMM
{
    double Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TRectMM &) const = default;
};

// One sheet of the print: the part of the picture it carries.
struct TPrintPage
{
    std::int32_t Column = 0, Row = 0;
    // Where on this sheet (millimetres) the extent's top-left corner lands; off the sheet for
    // every page but the first of a tiling.
    double OriginX = 0, OriginY = 0;
    // The extent pixels the page shows, from the extent's top-left corner.
    TRectMM Source;
};

// A picture larger than the printable area is tiled over a grid of sheets, each showing the next
// printable area's worth of it; the anchor places the picture within that grid as a whole. Pages
// run left to right, then top to bottom, and a sheet left empty is not printed.
struct TPrintLayout
{
    std::string Error; // why the net cannot be laid out; no pages then
    double SheetWidth = 0, SheetHeight = 0; // as it lies
    TRectMM Area; // the printable area: the sheet less the margins
    double MmPerPixelX = 0, MmPerPixelY = 0;
    TRectMM Picture; // the whole picture, on the grid of sheets' printable areas put together
    std::int32_t Columns = 0, Rows = 0;
    std::vector<TPrintPage> Pages;
};

// More sheets than this is a layout mistake, not a print.
inline constexpr std::int32_t kMaxPrintPages = 1000;

// Lays out an extent of `extentWidth` x `extentHeight` pixels of a net shown at `pixelsPerStep`
// pixels a grid step.
TPrintLayout LayOutPrint(
    const TPrintSetup &setup, double extentWidth, double extentHeight, std::int32_t pixelsPerStep);

} // namespace morvane
