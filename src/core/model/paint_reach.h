// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_object.h"

#include <cstdint>

namespace morvane {

class Canvas;

// Where an object paints: its grid rectangle times the base units, so that an object dragged
// between grid lines still shows on the grid.
struct TDrawRect
{
    std::int32_t L, T, R, B;
};
TDrawRect DrawingRect(const TDrawingObject &obj);

// A bound on the pixels an object's Draw touches (symbol, handles, arrow head, ghost, label), so
// that a repaint of a rectangle may leave out every object whose bound misses it. Label widths
// are measured on the canvas only when nothing cheaper decides.
class TPaintReach
{
public:
    explicit TPaintReach(Canvas &canvas);

    // The rows the object's painting may touch, inclusive.
    void Rows(const TDrawingObject &obj, std::int64_t &top, std::int64_t &bottom) const;
    // Whether the object's painting may touch the rectangle (inclusive corners).
    bool Reaches(const TDrawingObject &obj, std::int64_t x1, std::int64_t y1, std::int64_t x2,
        std::int64_t y2) const;

private:
    THitBox Symbol(const TDrawingObject &obj) const;
    // The label's rows and its left end; false when the object has no label.
    bool LabelRows(const TDrawingObject &obj, std::int64_t &top, std::int64_t &bottom,
        std::int64_t &left) const;
    std::int64_t LabelWidth(const TDrawingObject &obj) const;

    Canvas &m_canvas;
    std::int64_t m_pad = 0;
    // The taller of the base and index fonts, for node labels: positions and arc pieces, then
    // transitions.
    std::int64_t m_textHeight[2] = {};
};

} // namespace morvane
