// SPDX-License-Identifier: MIT
#pragma once

#include "common/text.h"
#include "model/canvas.h"

#include <ostream>
#include <string>
#include <vector>

namespace morvane {

inline void PrintTo(const TPoint &p, std::ostream *os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

} // namespace morvane

namespace morvane::test {

// One primitive as it reached the surface, with the canvas state it was drawn in.
struct DrawCall
{
    enum Kind { Line, Polygon, Ellipse, Rectangle, FillRect, FocusRect, Pixel, Text };
    Kind kind = Line;
    std::vector<TPoint> points; // line: from, to; shapes: the two corners; pixel: the point
    std::string text;
    TColor pixelColor = 0;

    TColor penColor = 0;
    TPenStyle penStyle = TPenStyle::Solid;
    TPenMode penMode = TPenMode::Copy;
    TColor brushColor = 0;
    bool brushClear = false;
    std::string fontName;
    int fontSize = 0;
    TColor fontColor = 0;
    TPoint origin;
};

// A surface that draws nothing and remembers everything. Text is measured as if every character
// were FontSize() pixels wide and one and a half FontSize() high, so that tests can compute
// label positions by hand.
class RecordingCanvas : public Canvas
{
public:
    std::vector<DrawCall> calls;

    void DoLine(TPoint from, TPoint to) override { Add(DrawCall::Line, { from, to }); }
    void Polygon(const std::vector<TPoint> &points) override { Add(DrawCall::Polygon, points); }
    void Ellipse(int x1, int y1, int x2, int y2) override
    {
        Add(DrawCall::Ellipse, { { x1, y1 }, { x2, y2 } });
    }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        Add(DrawCall::Rectangle, { { x1, y1 }, { x2, y2 } });
    }
    void FillRect(int x1, int y1, int x2, int y2) override
    {
        Add(DrawCall::FillRect, { { x1, y1 }, { x2, y2 } });
    }
    void DrawFocusRect(int x1, int y1, int x2, int y2) override
    {
        Add(DrawCall::FocusRect, { { x1, y1 }, { x2, y2 } });
    }
    void SetPixel(int x, int y, TColor c) override
    {
        Add(DrawCall::Pixel, { { x, y } }).pixelColor = c;
    }
    void TextOut(int x, int y, const std::string &utf8) override
    {
        Add(DrawCall::Text, { { x, y } }).text = utf8;
    }
    int TextWidth(const std::string &utf8) override { return FontSize() * int(Utf8Length(utf8)); }
    int TextHeight(const std::string &) override { return FontSize() * 3 / 2; }

    std::vector<DrawCall> Of(DrawCall::Kind kind) const
    {
        std::vector<DrawCall> found;
        for (const auto &c : calls)
            if (c.kind == kind)
                found.push_back(c);
        return found;
    }

private:
    DrawCall &Add(DrawCall::Kind kind, std::vector<TPoint> points)
    {
        DrawCall c;
        c.kind = kind;
        c.points = std::move(points);
        c.penColor = PenColor();
        c.penStyle = PenStyle();
        c.penMode = PenMode();
        c.brushColor = BrushColor();
        c.brushClear = BrushClear();
        c.fontName = FontName();
        c.fontSize = FontSize();
        c.fontColor = FontColor();
        c.origin = Origin();
        calls.push_back(std::move(c));
        return calls.back();
    }
};

} // namespace morvane::test
