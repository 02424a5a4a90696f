// SPDX-License-Identifier: MIT
// How objects paint themselves on their document's canvas, from their drawing rectangle.
#include "model/canvas.h"
#include "model/drawing_object.h"
#include "model/drawing_objects.h"
#include "model/paint_reach.h"
#include "options/display_globals.h"

namespace morvane {

namespace {

// The tip of a transition's head: half the width below the top, in the middle.
TPoint HeadTip(const TDrawRect &r)
{
    const std::int32_t h = WrapAbs(WrapSub(r.R, r.L)) / 2;
    return { WrapAdd(r.L, h), WrapAdd(r.T, h) };
}

TColor TableColor(int index)
{
    return Globals().ColorTable[std::size_t(index)];
}

// Labels would be unreadable smudges when zoomed far out; the position label size decides for
// every class so that all labels disappear together.
bool LabelsShown()
{
    const auto &g = Globals();
    return g.Fnsize > g.LabelHide;
}

void DrawHandle(Canvas &c, std::int32_t x, std::int32_t y)
{
    const std::int32_t e = Globals().Esize;
    c.Rectangle(WrapSub(x, e), WrapSub(y, e), WrapAdd(x, e), WrapAdd(y, e));
}

// A dragged object follows the mouse as an inverted outline: drawing it a second time at the
// same place gives the old pixels back, so the editor never has to repaint under it.
void PaintGhost(TDrawingObject &obj, Canvas &c)
{
    c.SetPenColor(clBlack);
    c.SetPenMode(TPenMode::NotXor);
    c.SetBrushColor(TableColor(0));
    obj.DrawSymbol();
    c.SetPenMode(TPenMode::Copy);
}

// Base at the label size; index after it in the index size, lowered by a third of the label
// font's height so that it reads as a subscript.
void PaintLabel(const TDrawingObject &obj, Canvas &c, const std::string &fontName,
    std::int32_t size, std::int32_t indexSize)
{
    const std::string base = obj.GetBase();
    if (base.empty())
        return;
    const TDrawRect r = DrawingRect(obj);
    const std::int32_t y = WrapSub(r.T, Globals().Lsize);
    c.SetFont(fontName, size);
    const std::int32_t lowered = c.TextHeight(base) / 3;
    const std::int32_t baseWidth = c.TextWidth(base);
    c.TextOut(r.L, y, base);
    const std::string index = obj.GetIndex();
    if (index.empty())
        return;
    c.SetFontSize(indexSize);
    const std::int32_t gap = c.TextWidth(" ") / 2;
    c.TextOut(WrapAdd(WrapAdd(r.L, baseWidth), gap), WrapAdd(y, lowered), index);
}

// Pen, brush and font colours of one class in each display state. Negative indexes: no font
// colour (arc pieces), and no brush where a class leaves it alone.
struct TModeColors
{
    int font; // colour table index of the label, or -1
    int selected; // pen of selected and edited objects
    int wizard; // dotted pen of the wizard preview
    TColor normalPen;
    const TColor *normalBrush;
    TColor activePen;
    const TColor *activeBrush;
};

void ApplyModeColors(TDrawingObject &obj, Canvas &c, const TModeColors &m)
{
    if (m.font >= 0)
        c.SetFontColor(TableColor(m.font));
    switch (obj.Mode) {
    case omEdited:
        c.SetPenColor(clBlack);
        obj.DrawHandles();
        c.SetPenColor(TableColor(m.selected));
        break;
    case omSelected:
        c.SetPenColor(TableColor(m.selected));
        break;
    case omDragged:
        PaintGhost(obj, c);
        break;
    case omWizard:
        c.SetPenColor(TableColor(m.wizard));
        c.SetPenStyle(TPenStyle::Dot);
        break;
    case omActive:
        c.SetPenColor(m.activePen);
        if (m.activeBrush)
            c.SetBrushColor(*m.activeBrush);
        break;
    default: // normal, 32, and any state a file may hold that the editor never makes
        c.SetPenColor(m.normalPen);
        if (m.normalBrush)
            c.SetBrushColor(*m.normalBrush);
        break;
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Common part

void TDrawingObject::DrawHandles() { }

// Only the classes know their colours; a bare drawing object draws in its own colour.
void TDrawingObject::SetColor()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    if (Mode == omDragged)
        PaintGhost(*this, *c);
    else
        c->SetPenColor(Color);
}

void TDrawingObject::Draw()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    SetColor();
    if (Mode != omDragged) {
        DrawSymbol();
        // Labels are drawn on the background colour.
        c->SetBrushColor(TableColor(0));
        if (LabelsShown())
            DrawLabel();
    }
    if (Mode == omWizard)
        c->SetPenStyle(TPenStyle::Solid);
}

void TDrawingObject::DrawLabel()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const auto &g = Globals();
    PaintLabel(*this, *c, g.PositionFont.Name, g.Fnsize, g.FnIndsize);
}

void TDrawingObject::Erase()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TColor background = TableColor(0);
    c->SetPenColor(background);
    c->SetFontColor(background);
    if (LabelsShown())
        DrawLabel();
    DrawHandles();
    DrawSymbol();
}

// ---------------------------------------------------------------------------------------------
// Positions

void TPosition::SetColor()
{
    if (Canvas *c = OwnerCanvas())
        ApplyModeColors(*this, *c, { 12, 13, 14, Color, &FillColor, TableColor(15), &ActiveColor });
}

void TPosition::DrawSymbolOutline()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    const bool wasClear = c->BrushClear();
    c->SetBrushClear(true);
    c->Ellipse(r.L, r.T, r.R, r.B);
    c->SetBrushClear(wasClear);
}

void TPosition::DrawFilledSymbol()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    c->Ellipse(r.L, r.T, r.R, r.B);
}

// ---------------------------------------------------------------------------------------------
// Transitions

void TTransition::DrawHandles()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    const std::int32_t half = Width() / 2;
    const std::int32_t x = WrapAdd(r.L, half);
    DrawHandle(*c, x, WrapAdd(r.T, half));
    DrawHandle(*c, x, r.B);
}

void TTransition::SetColor()
{
    static const TColor green = clGreen;
    if (Canvas *c = OwnerCanvas())
        ApplyModeColors(*this, *c, { 5, 7, 8, Color, &FillColor, green, &green });
}

void TTransition::DrawLabel()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const auto &g = Globals();
    PaintLabel(*this, *c, g.TransitionFont.Name, g.tFnsize, g.tFnIndsize);
}

// A downward triangle of height h whose tip continues as the bar.
void TTransition::DrawSymbolOutline()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    const auto [tipX, tipY] = HeadTip(r);
    c->MoveTo(tipX, tipY);
    c->LineTo(r.R, r.T);
    c->LineTo(r.L, r.T);
    c->LineTo(tipX, tipY);
    c->LineTo(tipX, r.B);
}

void TTransition::DrawFilledSymbol()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    const auto [tipX, tipY] = HeadTip(r);
    c->Polygon({ { tipX, tipY }, { r.R, r.T }, { r.L, r.T } });
    c->MoveTo(tipX, tipY);
    c->LineTo(tipX, r.B);
}

// ---------------------------------------------------------------------------------------------
// Arc pieces

void TArc::DrawHandles()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    DrawHandle(*c, r.L, r.T);
    DrawHandle(*c, r.R, r.B);
}

void TArc::SetColor()
{
    const TColor activeBrush = TableColor(17);
    if (Canvas *c = OwnerCanvas())
        ApplyModeColors(*this, *c, { -1, 20, 21, Color, nullptr, TableColor(9), &activeBrush });
}

void TArc::DrawSymbolOutline()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    c->MoveTo(r.L, r.T);
    c->LineTo(r.R, r.B);
    DrawArrowHead(false);
}

void TArc::DrawFilledSymbol()
{
    Canvas *c = OwnerCanvas();
    if (!c)
        return;
    const TDrawRect r = DrawingRect(*this);
    c->MoveTo(r.L, r.T);
    c->LineTo(r.R, r.B);
    DrawArrowHead(true);
}

// Heads go only on straight horizontal or vertical pieces: an arc always enters its node that
// way, and a slanted head would need trigonometry the grid never asks for.
void TArc::DrawArrowHead(bool filled)
{
    Canvas *c = OwnerCanvas();
    if (!c || !Arrowed || (Width() != 0 && Height() != 0))
        return;
    const auto &g = Globals();
    const TDrawRect r = DrawingRect(*this);
    // Signs pointing back along the piece, from the tip towards the start.
    const std::int32_t sx = WrapSub(r.R, r.L) < 1 ? 1 : -1;
    const std::int32_t sy = WrapSub(r.B, r.T) < 1 ? 1 : -1;
    TPoint wing1, wing2;
    if (Width() <= Height()) {
        const std::int32_t y = WrapAdd(r.B, WrapMul(g.hAsize, sy));
        wing1 = { WrapSub(r.R, WrapMul(g.wAsize, sx)), y };
        wing2 = { WrapAdd(r.R, WrapMul(g.wAsize, sx)), y };
    } else {
        const std::int32_t x = WrapAdd(r.R, WrapMul(g.hAsize, sx));
        wing1 = { x, WrapSub(r.B, WrapMul(g.wAsize, sy)) };
        wing2 = { x, WrapAdd(r.B, WrapMul(g.wAsize, sy)) };
    }
    const TPoint tip { r.R, r.B };
    if (filled) {
        c->SetBrushColor(c->PenColor());
        c->Polygon({ wing1, wing2, tip });
        c->SetBrushColor(TableColor(0));
    } else {
        c->MoveTo(wing1.x, wing1.y);
        c->LineTo(tip.x, tip.y);
        c->LineTo(wing2.x, wing2.y);
    }
}

} // namespace morvane
