// SPDX-License-Identifier: MIT
// How a net window paints: the page (background, grid, page edges, objects, inverting marks)
// goes into the backing image, and a scroll moves that image and paints only what it uncovers.
#include "net_window.h"

#include "options/display_globals.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace morvane {

namespace {

enum class TGridKind { None, Tile, Points };

// At the two common scales the grid is a brush tile anchored at the net's origin; at other
// scales it is set point by point from the window's corner, and it is left out where it would
// be too dense.
TGridKind GridKind()
{
    const TDisplayGlobals &g = Globals();
    if (!g.ShowGrid)
        return TGridKind::None;
    if (g.xGrid == 8 || g.xGrid == 4)
        return TGridKind::Tile;
    if (g.xGrid > g.GridHide && g.yGrid > 0)
        return TGridKind::Points;
    return TGridKind::None;
}

void RestOnGrid(TNet &net)
{
    net.SetHorzPosition(net.SnapX(net.HorzPosition()));
    net.SetVertPosition(net.SnapY(net.VertPosition()));
}

// Moves a 32-bit image's pixels by (dx, dy); what lies in the uncovered part is left over.
void ShiftPixels(QImage &image, int dx, int dy)
{
    const int cols = image.width() - std::abs(dx), rows = image.height() - std::abs(dy);
    if (cols <= 0 || rows <= 0)
        return;
    uchar *bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    auto move = [&](int to) {
        const int from = to - dy;
        std::memmove(bits + to * line + std::max(dx, 0) * 4,
            bits + from * line + std::max(-dx, 0) * 4, std::size_t(cols) * 4);
    };
    if (dy > 0)
        for (int y = image.height() - 1; y >= dy; --y)
            move(y);
    else
        for (int y = 0; y < rows; ++y)
            move(y);
}

// The half-open ranges of rows (or columns) of a window n long to paint anew after its picture
// moved by d: the uncovered ones and, where the window's last line carries a frame that hides
// grid dots, the line it was on and the line it is on now.
std::vector<std::pair<int, int>> SpansToPaint(
    int d, int n, int frame, bool wasFramed, bool isFramed)
{
    std::vector<std::pair<int, int>> spans { d > 0 ? std::pair(0, d) : std::pair(n + d, n) };
    if (wasFramed)
        spans.emplace_back(frame + d, frame + d + 1);
    if (isFramed)
        spans.emplace_back(frame, frame + 1);
    for (auto &[a, b] : spans) {
        a = std::clamp(a, 0, n);
        b = std::clamp(b, 0, n);
    }
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto &s : spans) {
        if (s.first >= s.second)
            continue;
        if (!merged.empty() && s.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, s.second);
        else
            merged.push_back(s);
    }
    return merged;
}

} // namespace

void TNet::DrawPage(const QRect &area)
{
    const TDisplayGlobals &g = Globals();
    const std::int32_t h = HorzPosition(), v = VertPosition();
    const std::int32_t cw = viewport()->width(), ch = viewport()->height();
    Canvas &c = *m_canvas;

    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenWidth(1);
    c.SetBrushColor(g.ColorTable[0]);
    c.FillRect(h, v, h + cw, v + ch);

    const std::int32_t w = std::min(cw, m_xPgSize), hgt = std::min(ch, m_yPgSize);
    switch (GridKind()) {
    case TGridKind::Tile: {
        TBrushPattern pattern {};
        const QRgb gridRgb = m_gridTile.pixel(0, 0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (m_gridTile.pixel(x, y) == gridRgb)
                    pattern[std::size_t(y)] |= std::uint8_t(0x80 >> x);
        c.SetPenColor(g.ColorTable[0]);
        c.SetBrushPattern(pattern, g.ColorTable[2], g.ColorTable[0]);
        c.Rectangle(h - g.xGrid, v - g.yGrid, h + w, v + hgt);
        break;
    }
    case TGridKind::Points: {
        // Only the points inside the area: the others would fall off the canvas.
        const std::int32_t i0 = (std::max(area.left(), 0) + g.xGrid - 1) / g.xGrid;
        const std::int32_t j0 = (std::max(area.top(), 0) + g.yGrid - 1) / g.yGrid;
        const std::int32_t i1 = std::min(w, area.right()) / g.xGrid;
        const std::int32_t j1 = std::min(hgt, area.bottom()) / g.yGrid;
        for (std::int32_t i = i0; i <= i1; ++i)
            for (std::int32_t j = j0; j <= j1; ++j)
                c.SetPixel(h + i * g.xGrid, v + j * g.yGrid, g.ColorTable[2]);
        break;
    }
    case TGridKind::None:
        break;
    }

    if (cw > m_xPgSize || ch > m_yPgSize) {
        c.SetBrushColor(g.ColorTable[0]);
        c.SetPenColor(SystemColor(15));
        c.SetPenWidth(1);
        c.MoveTo(m_xPgSize + 1, 0);
        c.LineTo(m_xPgSize + 1, m_yPgSize);
        c.MoveTo(0, m_yPgSize + 1);
        c.LineTo(m_xPgSize, m_yPgSize + 1);
    }

    // The net rectangle of the area with a pixel around it, as the visible rectangle has.
    const std::int32_t x1 = h + area.left() - 1, y1 = v + area.top() - 1;
    const std::int32_t x2 = h + area.right() + 2, y2 = v + area.bottom() + 2;
    m_net->RepaintRect(x1, y1, x2, y2);
    m_wizardObjects->RepaintRect(x1, y1, x2, y2);
    // The inverting marks still shown go back over the fresh picture.
    InvertShownMarks();
}

void TNet::PaintPage()
{
    m_painting = true;
    if (!m_interval.isActive())
        RestOnGrid(*this); // the view rests on grid lines
    SyncOrigin();
    DrawPage(viewport()->rect());
    m_canvas->Release();
    m_dirty = false;
    m_painting = false;
}

void TNet::PaintStrip(const QRect &area)
{
    QImage strip = DeviceImage(area.size(), 1);
    m_canvas->SetDevice(&strip);
    m_canvas->SetOrigin({ HorzPosition() + area.x(), VertPosition() + area.y() });
    DrawPage(area);
    m_canvas->SetDevice(&m_backing);
    SyncOrigin();
    for (int y = 0; y < strip.height(); ++y)
        std::memcpy(m_backing.scanLine(area.y() + y) + std::size_t(area.x()) * 4,
            strip.constScanLine(y), std::size_t(strip.width()) * 4);
}

bool TNet::ScrollBacking(int dx, int dy)
{
    const TDisplayGlobals &g = Globals();
    const int cw = viewport()->width(), ch = viewport()->height();
    // On a screen of a higher pixel ratio Qt draws the lines, and where the image cuts one
    // moves its pixels, so a strip would not match the picture around it.
    if (m_dirty || m_painting || m_backing.devicePixelRatio() != 1 || std::abs(dx) >= cw
        || std::abs(dy) >= ch || m_backing.size() != QSize(cw, ch))
        return false;
    // Points set from the window's corner move along with the picture only by whole cells.
    const TGridKind grid = GridKind();
    if (grid == TGridKind::Points && (dx % g.xGrid != 0 || dy % g.yGrid != 0))
        return false;

    m_canvas->Release();
    ShiftPixels(m_backing, dx, dy);
    // The tile grid's outline lies on the window's last row and column in the background
    // colour; where it hid a line of dots, or hides one now, that line is painted anew.
    const auto dots = [&](std::int32_t net, bool row) {
        if (grid != TGridKind::Tile)
            return false;
        const int line = int((net % 8 + 8) % 8);
        const QRgb dot = m_gridTile.pixel(0, 0);
        for (int i = 0; i < 8; ++i)
            if (m_gridTile.pixel(row ? i : line, row ? line : i) == dot)
                return true;
        return false;
    };
    const std::int32_t h = HorzPosition(), v = VertPosition();
    const int lastColumn = std::min(cw, m_xPgSize) - 1, lastRow = std::min(ch, m_yPgSize) - 1;
    std::vector<QRect> painted;
    if (dy != 0)
        for (const auto &[a, b] :
            SpansToPaint(dy, ch, lastRow, dots(v + lastRow + dy, true), dots(v + lastRow, true)))
            painted.emplace_back(0, a, cw, b - a);
    if (dx != 0)
        for (const auto &[a, b] : SpansToPaint(
                 dx, cw, lastColumn, dots(h + lastColumn + dx, false), dots(h + lastColumn, false)))
            painted.emplace_back(a, 0, b - a, ch);
    for (const QRect &r : painted)
        PaintStrip(r);

    // The screen moves its own pixels too; a paint under way shows the moved image whole.
    if (m_inPaintEvent) {
        viewport()->update();
        return true;
    }
    viewport()->scroll(dx, dy);
    for (const QRect &r : painted)
        viewport()->update(r);
    return true;
}

void TNet::scrollContentsBy(int dx, int dy)
{
    SyncOrigin();
    if (!ScrollBacking(dx, dy))
        Invalidate();
}

void TNet::paintEvent(QPaintEvent *)
{
    m_inPaintEvent = true;
    // A scroll bar may have left the view between grid lines.
    if (!m_interval.isActive() && !m_painting)
        RestOnGrid(*this);
    if (m_dirty && !m_painting)
        PaintPage();
    m_inPaintEvent = false;
    m_canvas->Release();
    QPainter p(viewport());
    p.drawImage(0, 0, m_backing);
}

} // namespace morvane
