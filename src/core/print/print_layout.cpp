// SPDX-License-Identifier: MIT
#include "print/print_layout.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

// Lengths that differ by less than this are equal: a picture fitted to the page must not spill
// onto a second sheet by a rounding error.
constexpr double kSlack = 1e-6;

// How many sheets of `area` hold `length` starting `offset` into the first.
double SheetsFor(double offset, double length, double area)
{
    return std::max(1.0, std::ceil((offset + length) / area - kSlack));
}

// 0, 1, 2: the near edge, the middle, the far edge.
double Place(int where, double room, double length)
{
    return where == 0 ? 0 : where == 1 ? (room - length) / 2 : room - length;
}

std::string CheckSetup(const TPrintSetup &s, std::int32_t pixelsPerStep)
{
    if (!(s.PaperWidth > 0 && s.PaperHeight > 0))
        return "the paper has no size";
    if (pixelsPerStep < 1)
        return "the net has no grid step";
    if (std::min({ s.MarginLeft, s.MarginTop, s.MarginRight, s.MarginBottom }) < 0)
        return "a margin is negative";
    if (s.Anchor == TPrintAnchor::Custom && std::min(s.CustomLeft, s.CustomTop) < 0)
        return "the picture's position is negative";
    if (s.Sizing == TPrintSizing::Scale && s.Scale < 1)
        return "the scale must be at least 1:8";
    if (s.Sizing == TPrintSizing::Custom
        && (s.CustomWidth < 1 || s.CustomHeight < 1 || s.CustomStep < 1))
        return "the picture's width and height must be at least 1";
    return {};
}

} // namespace

TPrintLayout LayOutPrint(
    const TPrintSetup &s, double extentWidth, double extentHeight, std::int32_t pixelsPerStep)
{
    TPrintLayout l;
    l.Error = CheckSetup(s, pixelsPerStep);
    if (!l.Error.empty())
        return l;
    l.SheetWidth = s.Landscape ? s.PaperHeight : s.PaperWidth;
    l.SheetHeight = s.Landscape ? s.PaperWidth : s.PaperHeight;
    l.Area = { s.MarginLeft, s.MarginTop, l.SheetWidth - s.MarginLeft - s.MarginRight,
        l.SheetHeight - s.MarginTop - s.MarginBottom };
    if (l.Area.Width <= kSlack || l.Area.Height <= kSlack) {
        l.Error = "the margins leave no room on the sheet";
        return l;
    }
    // An empty net still has its one pixel.
    const double width = std::max(extentWidth, 1.0), height = std::max(extentHeight, 1.0);
    const double stepsAcross = width / pixelsPerStep, stepsDown = height / pixelsPerStep;
    double perStepX = s.Scale / 8.0, perStepY = perStepX; // millimetres a grid step
    if (s.Sizing == TPrintSizing::FullPage) {
        perStepX = perStepY = std::min(l.Area.Width / stepsAcross, l.Area.Height / stepsDown);
    } else if (s.Sizing == TPrintSizing::Custom) {
        perStepX = double(s.CustomWidth) / s.CustomStep / stepsAcross;
        perStepY = double(s.CustomHeight) / s.CustomStep / stepsDown;
        if (s.KeepAspect)
            perStepX = perStepY = std::min(perStepX, perStepY);
    }
    l.MmPerPixelX = perStepX / pixelsPerStep;
    l.MmPerPixelY = perStepY / pixelsPerStep;
    l.Picture.Width = width * l.MmPerPixelX;
    l.Picture.Height = height * l.MmPerPixelY;

    const bool custom = s.Anchor == TPrintAnchor::Custom;
    const double columns = SheetsFor(custom ? s.CustomLeft : 0, l.Picture.Width, l.Area.Width);
    const double rows = SheetsFor(custom ? s.CustomTop : 0, l.Picture.Height, l.Area.Height);
    if (columns * rows > kMaxPrintPages) {
        l.Error = "the picture would take " + std::to_string(std::int64_t(columns * rows))
            + " sheets; at most " + std::to_string(kMaxPrintPages) + " are printed";
        return l;
    }
    l.Columns = std::int32_t(columns);
    l.Rows = std::int32_t(rows);
    const int anchor = int(s.Anchor);
    l.Picture.Left
        = custom ? s.CustomLeft : Place(anchor % 3, l.Columns * l.Area.Width, l.Picture.Width);
    l.Picture.Top
        = custom ? s.CustomTop : Place(anchor / 3, l.Rows * l.Area.Height, l.Picture.Height);

    for (std::int32_t row = 0; row < l.Rows; ++row)
        for (std::int32_t column = 0; column < l.Columns; ++column) {
            const double sliceLeft = column * l.Area.Width, sliceTop = row * l.Area.Height;
            const double left = std::max(sliceLeft, l.Picture.Left);
            const double top = std::max(sliceTop, l.Picture.Top);
            const double right
                = std::min(sliceLeft + l.Area.Width, l.Picture.Left + l.Picture.Width);
            const double bottom
                = std::min(sliceTop + l.Area.Height, l.Picture.Top + l.Picture.Height);
            if (right - left <= kSlack || bottom - top <= kSlack)
                continue;
            TPrintPage page;
            page.Column = column;
            page.Row = row;
            page.OriginX = l.Area.Left + l.Picture.Left - sliceLeft;
            page.OriginY = l.Area.Top + l.Picture.Top - sliceTop;
            page.Source
                = { (left - l.Picture.Left) / l.MmPerPixelX, (top - l.Picture.Top) / l.MmPerPixelY,
                      (right - left) / l.MmPerPixelX, (bottom - top) / l.MmPerPixelY };
            l.Pages.push_back(page);
        }
    return l;
}

} // namespace morvane
