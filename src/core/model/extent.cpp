// SPDX-License-Identifier: MIT
// The extent of the drawing, used to crop pictures and to fit the net into a window.
#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <algorithm>
#include <cstdint>

namespace morvane {

namespace {

// A node's label sits Lsize above it, and it belongs to the drawing.
std::int64_t VisibleTop(const TDrawingObject &obj)
{
    if (obj.Kind() == okArc)
        return std::min(obj.Top(), obj.Bottom());
    return std::int64_t(obj.Top()) - Globals().Lsize;
}

std::int32_t Clamp32(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

// Arc pieces may run right to left or upwards, so both of their end points count.
TPoint TDrawingObjects::TopLeftCorner() const
{
    if (m_objects.empty())
        return { 0, 0 };
    std::int32_t x = INT32_MAX;
    std::int64_t y = INT64_MAX;
    for (const auto &obj : m_objects) {
        const bool arc = obj->Kind() == okArc;
        x = std::min(x, arc ? std::min(obj->Left(), obj->Right()) : obj->Left());
        y = std::min(y, VisibleTop(*obj));
    }
    return { x, y < 0 ? 0 : Clamp32(y) };
}

TPoint TDrawingObjects::BottomRightCorner() const
{
    if (m_objects.empty())
        return { 0, 0 };
    std::int32_t x = INT32_MIN;
    std::int32_t y = INT32_MIN;
    for (const auto &obj : m_objects) {
        const bool arc = obj->Kind() == okArc;
        x = std::max(x, arc ? std::max(obj->Left(), obj->Right()) : obj->Right());
        y = std::max(y, arc ? std::max(obj->Top(), obj->Bottom()) : obj->Bottom());
    }
    return { x, y };
}

} // namespace morvane
