// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct TPoint
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TPoint &) const = default;
};

enum class TPenStyle { Solid, Dot };
enum class TPenMode { Copy, NotXor };

// An 8 x 8 monochrome brush pattern, one byte a row, bit 7 the leftmost pixel.
using TBrushPattern = std::array<std::uint8_t, 8>;

// The drawing surface objects paint themselves on. The state (pen, brush, font, origin) lives
// here; the primitives are implemented by each surface: a QImage in the editor, a recorder in
// tests.
class Canvas
{
public:
    virtual ~Canvas() = default;

    void SetPenColor(TColor c) { m_penColor = c; }
    void SetPenStyle(TPenStyle s) { m_penStyle = s; }
    void SetPenMode(TPenMode m) { m_penMode = m; }
    void SetPenWidth(int w) { m_penWidth = w; }
    // Choosing a colour or a pattern makes the brush solid again.
    void SetBrushColor(TColor c)
    {
        m_brushColor = c;
        m_hasPattern = false;
        m_brushClear = false;
    }
    void SetBrushPattern(const TBrushPattern &p, TColor fg, TColor bg)
    {
        m_pattern = p;
        m_patternFg = fg;
        m_brushColor = bg;
        m_hasPattern = true;
        m_brushClear = false;
    }
    // A hollow brush: polygons, ellipses and rectangles get their outline only; the colour and
    // pattern are kept for when the brush is made solid again.
    void SetBrushClear(bool clear) { m_brushClear = clear; }
    void SetFont(const std::string &name, int pointSize)
    {
        m_fontName = name;
        m_fontSize = pointSize;
    }
    void SetFontName(const std::string &name) { m_fontName = name; }
    void SetFontSize(int pointSize) { m_fontSize = pointSize; }
    void SetFontColor(TColor c) { m_fontColor = c; }
    // The point of the surface that net pixel (0, 0) lands on is -origin.
    void SetOrigin(TPoint p) { m_origin = p; }

    TColor PenColor() const { return m_penColor; }
    TPenStyle PenStyle() const { return m_penStyle; }
    TPenMode PenMode() const { return m_penMode; }
    int PenWidth() const { return m_penWidth; }
    TColor BrushColor() const { return m_brushColor; }
    bool HasBrushPattern() const { return m_hasPattern; }
    bool BrushClear() const { return m_brushClear; }
    const TBrushPattern &BrushPattern() const { return m_pattern; }
    TColor BrushPatternColor() const { return m_patternFg; }
    const std::string &FontName() const { return m_fontName; }
    int FontSize() const { return m_fontSize; }
    TColor FontColor() const { return m_fontColor; }
    TPoint Origin() const { return m_origin; }
    TPoint PenPos() const { return m_penPos; }

    void MoveTo(int x, int y) { m_penPos = { x, y }; }
    void LineTo(int x, int y)
    {
        DoLine(m_penPos, { x, y });
        m_penPos = { x, y };
    }

    // Primitives, in net pixels (the origin is applied by the surface).
    virtual void DoLine(TPoint from, TPoint to) = 0;
    // Outlined with the pen and filled with the brush.
    virtual void Polygon(const std::vector<TPoint> &points) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Filled with the brush, no outline.
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    // A dotted inverting frame; drawn twice it vanishes.
    virtual void DrawFocusRect(int x1, int y1, int x2, int y2) = 0;
    virtual void SetPixel(int x, int y, TColor c) = 0;
    // (x, y) is the top-left corner of the text, drawn in the font colour on a box of the brush
    // colour (transparent with a hollow brush), so labels stay readable over grid points and arcs.
    virtual void TextOut(int x, int y, const std::string &utf8) = 0;
    virtual int TextWidth(const std::string &utf8) = 0;
    virtual int TextHeight(const std::string &utf8) = 0;

protected:
    TColor m_penColor = clBlack;
    TPenStyle m_penStyle = TPenStyle::Solid;
    TPenMode m_penMode = TPenMode::Copy;
    int m_penWidth = 1;
    TColor m_brushColor = clWhite;
    bool m_hasPattern = false;
    bool m_brushClear = false;
    TBrushPattern m_pattern {};
    TColor m_patternFg = clBlack;
    std::string m_fontName = "Liberation Sans";
    int m_fontSize = 8;
    TColor m_fontColor = clBlack;
    TPoint m_origin;
    TPoint m_penPos;
};

} // namespace morvane
