// SPDX-License-Identifier: MIT
#include "net_print.h"

#include "net_picture.h"
#include "qt_canvas.h"

#include "export/export_zoom.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace morvane {

namespace {

// Colour table entries: what the screen uses, and what paper uses instead.
enum : std::size_t {
    ctBackground = 0,
    ctBackgroundPrint = 1,
    ctTransitionLabel = 5,
    ctTransitionPrint = 10,
    ctPositionLabel = 12,
    ctPositionPrint = 18,
    ctArcPrint = 22,
};

// The drawing page's scale: one grid step of 8 pixels, printed as a millimetre at 8:8.
constexpr std::int32_t kPaperStep = 8;

// The net as paper shows it: a copy of its objects in their print colours, every one plain,
// labels left out where the look says so, zoomed to the paper step; the colour table gives
// labels and fills their print colours while the copy lives.
class TPaperNet
{
public:
    TPaperNet(TDrawingObjects &net, TRealOptions &options, const TPrintLook &look)
        : m_copy(std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr))
    {
        m_copy->SetxBaseUnit(net.xBaseUnit());
        m_copy->SetyBaseUnit(net.yBaseUnit());
        const auto &table = Globals().ColorTable;
        for (const auto &object : net.Objects()) {
            const auto copy = object->Copy(m_copy.get());
            copy->Mode = omNormal;
            if (auto *p = dynamic_cast<TPosition *>(copy.get())) {
                p->Color = table[ctPositionPrint];
                p->FillColor = table[ctBackgroundPrint];
                if (!look.PositionLabels)
                    p->SetselfLabel({});
            } else if (auto *t = dynamic_cast<TTransition *>(copy.get())) {
                t->Color = table[ctTransitionPrint];
                t->FillColor = table[ctBackgroundPrint];
                if (!look.TransitionLabels)
                    t->SetselfLabel({});
            } else {
                copy->Color = table[ctArcPrint];
            }
        }
        // The zoom puts the display globals back as they were, colours included.
        m_zoom.emplace(*m_copy, options, kPaperStep);
        auto &colors = Globals().ColorTable;
        colors[ctPositionLabel] = colors[ctPositionPrint];
        colors[ctTransitionLabel] = colors[ctTransitionPrint];
        colors[ctBackground] = colors[ctBackgroundPrint];
    }

    TDrawingObjects &Net() { return *m_copy; }
    TPoint TopLeft() const { return m_zoom->TopLeft(); }
    // The extent with its far edge, as a picture has it.
    double Width() const { return double(m_zoom->BottomRight().x) - TopLeft().x + 1; }
    double Height() const { return double(m_zoom->BottomRight().y) - TopLeft().y + 1; }
    std::int32_t Step() const { return m_copy->xBaseUnit(); }
    TPrintLayout LayOut(const TPrintSetup &setup) const
    {
        return LayOutPrint(setup, Width(), Height(), Step());
    }

private:
    std::unique_ptr<TDrawingObjects> m_copy;
    std::optional<TExportZoom> m_zoom;
};

// Where a sheet lies on the device: units a millimetre and the device point of the sheet's
// top-left corner.
struct TSheetPlace
{
    double PerMmX = 1, PerMmY = 1;
    QPointF Corner;
};

void DrawSheet(TPaperNet &paper, const TPrintLayout &layout, const TPrintPage &page,
    QtCanvas &canvas, const TSheetPlace &place)
{
    // Whole pixels of the page's part of the extent, with a pixel to spare each way.
    const double left = std::floor(page.Source.Left) - 1, top = std::floor(page.Source.Top) - 1;
    const QSize logical(
        int(std::ceil(page.Source.Width)) + 3, int(std::ceil(page.Source.Height)) + 3);
    const double perPixelX = place.PerMmX * layout.MmPerPixelX;
    const double perPixelY = place.PerMmY * layout.MmPerPixelY;
    const QTransform view(perPixelX, 0, 0, perPixelY,
        place.Corner.x() + place.PerMmX * page.OriginX + left * perPixelX,
        place.Corner.y() + place.PerMmY * page.OriginY + top * perPixelY);
    const QRectF clip(place.Corner.x() + place.PerMmX * layout.Area.Left,
        place.Corner.y() + place.PerMmY * layout.Area.Top, place.PerMmX * layout.Area.Width,
        place.PerMmY * layout.Area.Height);
    canvas.SetView(view, logical, clip);
    const TPoint origin { std::int32_t(paper.TopLeft().x + left),
        std::int32_t(paper.TopLeft().y + top) };
    // The extent on the print background; the rest of the sheet is the paper's own.
    canvas.SetOrigin(origin);
    canvas.SetBrushClear(false);
    canvas.SetBrushColor(Globals().ColorTable[ctBackgroundPrint]);
    canvas.FillRect(paper.TopLeft().x, paper.TopLeft().y,
        std::int32_t(paper.TopLeft().x + paper.Width()),
        std::int32_t(paper.TopLeft().y + paper.Height()));
    DrawNetOnPage(paper.Net(), canvas, TPictureSettings {}, origin);
}

} // namespace

TPrintLayout LayOutNetPrint(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup)
{
    TPaperNet paper(net, options, {});
    return paper.LayOut(setup);
}

std::string PrintNet(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup,
    const TPrintLook &look, QPagedPaintDevice &device, int first, int last)
{
    const QPageLayout::Orientation orientation
        = setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QPageSize size(QSizeF(setup.PaperWidth, setup.PaperHeight), QPageSize::Millimeter,
        QString(), QPageSize::FuzzyOrientationMatch);
    // The whole sheet, where the device allows it; the margins it cannot go below widen ours.
    QPageLayout pageLayout(size, orientation, QMarginsF(), QPageLayout::Millimeter);
    pageLayout.setMode(QPageLayout::FullPageMode);
    if (!device.setPageLayout(pageLayout)) {
        // A printer that cannot print to the edge keeps its margins and takes the paper alone.
        device.setPageSize(size);
        device.setPageOrientation(orientation);
    }
    pageLayout = device.pageLayout();
    pageLayout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = pageLayout.minimumMargins();
    TPrintSetup s = setup;
    s.MarginLeft = std::max(s.MarginLeft, least.left());
    s.MarginTop = std::max(s.MarginTop, least.top());
    s.MarginRight = std::max(s.MarginRight, least.right());
    s.MarginBottom = std::max(s.MarginBottom, least.bottom());

    TPaperNet paper(net, options, look);
    const TPrintLayout layout = paper.LayOut(s);
    if (!layout.Error.empty())
        return layout.Error;
    const int count = int(layout.Pages.size());
    const int from = std::max(first, 1), to = last > 0 ? std::min(last, count) : count;
    if (from > to)
        return "the net prints on " + std::to_string(count) + " sheet" + (count == 1 ? "" : "s")
            + "; there is no sheet " + std::to_string(from);
    TSheetPlace place;
    place.PerMmX = device.logicalDpiX() / 25.4;
    place.PerMmY = device.logicalDpiY() / 25.4;
    // The painter starts at the paint rectangle, which a device with a printable area of its
    // own may put inside the sheet.
    const QRect paint = pageLayout.paintRectPixels(device.logicalDpiX());
    place.Corner = -QPointF(paint.topLeft());
    QtCanvas canvas(&device, PicturePalette());
    for (int i = from; i <= to; ++i) {
        if (i > from && !device.newPage())
            return "the printer took no further sheet";
        DrawSheet(paper, layout, layout.Pages[std::size_t(i - 1)], canvas, place);
    }
    canvas.Release();
    return {};
}

TPrintLayout DrawPrintSheet(TDrawingObjects &net, TRealOptions &options, const TPrintSetup &setup,
    const TPrintLook &look, QPaintDevice &device, double perMmX, double perMmY, int page)
{
    TPaperNet paper(net, options, look);
    const TPrintLayout layout = paper.LayOut(setup);
    if (page < 0 || page >= int(layout.Pages.size()))
        return layout;
    QtCanvas canvas(&device, PicturePalette());
    DrawSheet(paper, layout, layout.Pages[std::size_t(page)], canvas, { perMmX, perMmY, {} });
    canvas.Release();
    return layout;
}

} // namespace morvane
