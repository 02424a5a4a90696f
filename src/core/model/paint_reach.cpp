// SPDX-License-Identifier: MIT
#include "model/paint_reach.h"

#include "model/canvas.h"
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>

namespace morvane {

namespace {

struct TLabelFont
{
    const std::string &name;
    std::int32_t size, indexSize;
};

TLabelFont LabelFont(const TDrawingObject &obj)
{
    const auto &g = Globals();
    if (obj.Kind() == okTransition)
        return { g.TransitionFont.Name, g.tFnsize, g.tFnIndsize };
    return { g.PositionFont.Name, g.Fnsize, g.FnIndsize };
}

// Runs `measure` with the canvas font set for it, leaving the canvas font as it was.
template <class F> auto WithFont(Canvas &c, const std::string &name, std::int32_t size, F measure)
{
    const std::string savedName = c.FontName();
    const int savedSize = c.FontSize();
    c.SetFont(name, size);
    const auto result = measure();
    c.SetFont(savedName, savedSize);
    return result;
}

} // namespace

TDrawRect DrawingRect(const TDrawingObject &obj)
{
    const TDrawingObjects *doc = obj.Owner();
    const std::int32_t ux = doc ? doc->xBaseUnit() : 1;
    const std::int32_t uy = doc ? doc->yBaseUnit() : 1;
    return { WrapMul(obj.GridLeft, ux), WrapMul(obj.GridTop, uy), WrapMul(obj.GridRight, ux),
        WrapMul(obj.GridBottom, uy) };
}

TPaintReach::TPaintReach(Canvas &canvas)
    : m_canvas(canvas)
{
    const auto &g = Globals();
    // Handles, arrow heads and a wide pen stay this close to the rectangle.
    m_pad = std::int64_t(std::max({ g.Esize, g.hAsize, g.wAsize, 0 })) + canvas.PenWidth() + 2;
    const TFontSpec *fonts[2] = { &g.PositionFont, &g.TransitionFont };
    const std::int32_t sizes[2][2] = { { g.Fnsize, g.FnIndsize }, { g.tFnsize, g.tFnIndsize } };
    for (int k = 0; k < 2; ++k)
        for (std::int32_t size : sizes[k])
            m_textHeight[k] = std::max<std::int64_t>(m_textHeight[k],
                WithFont(canvas, fonts[k]->Name, size, [&] { return canvas.TextHeight("Ag"); }));
}

THitBox TPaintReach::Symbol(const TDrawingObject &obj) const
{
    const TDrawRect r = DrawingRect(obj);
    return { std::int64_t(std::min(r.L, r.R)) - m_pad, std::int64_t(std::min(r.T, r.B)) - m_pad,
        std::int64_t(std::max(r.L, r.R)) + m_pad, std::int64_t(std::max(r.T, r.B)) + m_pad };
}

// The base is written from the label's top left, the index after it a third of a line lower;
// a text height of slack on every side covers overhanging glyphs.
bool TPaintReach::LabelRows(
    const TDrawingObject &obj, std::int64_t &top, std::int64_t &bottom, std::int64_t &left) const
{
    if (obj.selfLabel().empty())
        return false;
    const TDrawRect r = DrawingRect(obj);
    const std::int64_t h = m_textHeight[obj.Kind() == okTransition ? 1 : 0];
    const std::int64_t y = WrapSub(r.T, Globals().Lsize);
    top = y - h;
    bottom = y + 3 * h;
    left = std::int64_t(r.L) - h;
    return true;
}

std::int64_t TPaintReach::LabelWidth(const TDrawingObject &obj) const
{
    const TLabelFont font = LabelFont(obj);
    const std::int64_t base = WithFont(
        m_canvas, font.name, font.size, [&] { return m_canvas.TextWidth(obj.GetBase()); });
    const std::int64_t index = WithFont(m_canvas, font.name, font.indexSize,
        [&] { return m_canvas.TextWidth(obj.GetIndex()) + m_canvas.TextWidth(" "); });
    return base + index + 2 * m_textHeight[obj.Kind() == okTransition ? 1 : 0];
}

void TPaintReach::Rows(const TDrawingObject &obj, std::int64_t &top, std::int64_t &bottom) const
{
    const THitBox s = Symbol(obj);
    top = s.y1;
    bottom = s.y2;
    std::int64_t labelTop, labelBottom, left;
    if (LabelRows(obj, labelTop, labelBottom, left)) {
        top = std::min(top, labelTop);
        bottom = std::max(bottom, labelBottom);
    }
}

bool TPaintReach::Reaches(const TDrawingObject &obj, std::int64_t x1, std::int64_t y1,
    std::int64_t x2, std::int64_t y2) const
{
    const THitBox s = Symbol(obj);
    if (!(x2 < s.x1 || x1 > s.x2 || y2 < s.y1 || y1 > s.y2))
        return true;
    std::int64_t top, bottom, left;
    if (!LabelRows(obj, top, bottom, left) || y2 < top || y1 > bottom || x2 < left)
        return false;
    return x1 <= left || x1 <= left + LabelWidth(obj);
}

} // namespace morvane
