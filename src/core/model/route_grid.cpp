// SPDX-License-Identifier: MIT
// The document's side of arc routing: its objects as obstacles on a grid of page cells.
#include "model/drawing_objects.h"
#include "options/display_globals.h"
#include "routing/path_finder.h"

#include <algorithm>

namespace morvane {

namespace {

// Cells beyond the drawing, so that a route may pass round its outermost objects.
constexpr std::int64_t kRouteMargin = 16;
// A grid larger than this (five bytes a cell) is not made for a drawing spread that far; the
// page alone is routed then.
constexpr std::int64_t kMaxRouteCells = std::int64_t(1) << 24;

} // namespace

void TDrawingObjects::BuildRouteGrid()
{
    // The grid covers the page, grown to the drawing like the net window's page.
    const auto &g = Globals();
    std::int64_t w = g.xPageSize / m_xBaseUnit, h = g.yPageSize / m_yBaseUnit;
    const TPoint br = BottomRightCorner();
    const std::int64_t grownW = std::max<std::int64_t>(w, br.x / m_xBaseUnit + kRouteMargin);
    const std::int64_t grownH = std::max<std::int64_t>(h, br.y / m_yBaseUnit + kRouteMargin);
    if (grownW * grownH <= kMaxRouteCells) {
        w = grownW;
        h = grownH;
    }
    // Made once, and again only to grow, so a net that shrinks keeps its routes' grid.
    if (!PathFinder || PathFinder->GridWidth() < w || PathFinder->GridHeight() < h) {
        if (PathFinder) {
            w = std::max<std::int64_t>(w, PathFinder->GridWidth());
            h = std::max<std::int64_t>(h, PathFinder->GridHeight());
        }
        PathFinder = std::make_unique<TPathFinder>(std::int32_t(w), std::int32_t(h));
        PathFinder->SetMaxPasses(TPathFinder::DefaultMaxPasses);
    }
    PathFinder->Clear();
    // Nodes are raised by the band their label is drawn in.
    const std::int32_t labelBand = Globals().Lsize / m_yBaseUnit;
    for (const auto &obj : m_objects) {
        const std::int32_t l = obj->Left() / m_xBaseUnit, r = obj->Right() / m_xBaseUnit;
        const std::int32_t t = obj->Top() / m_yBaseUnit, b = obj->Bottom() / m_yBaseUnit;
        if (obj->Kind() == okArc) {
            const std::uint8_t code
                = std::uint8_t(4 - (obj->Width() == 0 ? 1 : 0) - (obj->Height() == 0 ? 2 : 0));
            PathFinder->FillRect(l, t, r, b, code);
        } else {
            PathFinder->FillRect(l, WrapSub(t, labelBand), r, b, 1);
        }
    }
}

bool TDrawingObjects::Route(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    // A route within one cell needs no search, and no grid is made for it.
    if (x1 / m_xBaseUnit == x2 / m_xBaseUnit && y1 / m_yBaseUnit == y2 / m_yBaseUnit)
        return false;
    BuildRouteGrid();
    return RouteOnBuiltGrid(x1, y1, x2, y2);
}

bool TDrawingObjects::RouteOnBuiltGrid(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const std::int32_t cx1 = x1 / m_xBaseUnit, cy1 = y1 / m_yBaseUnit;
    const std::int32_t cx2 = x2 / m_xBaseUnit, cy2 = y2 / m_yBaseUnit;
    if (cx1 == cx2 && cy1 == cy2)
        return false;
    return PathFinder->FindPath(cx1, cy1, cx2, cy2);
}

} // namespace morvane
