// SPDX-License-Identifier: MIT
// The inverting marks a net window draws over the net: the selection band, the rubber line and
// the route's start marker.
#include "net_window.h"

#include "options/display_globals.h"

namespace morvane {

void TNet::ShowFocusRect(TOverlay &overlay, TPoint a, TPoint b)
{
    HideFocusRect(overlay);
    m_canvas->DrawFocusRect(a.x, a.y, b.x, b.y);
    overlay = { true, a, b };
}

void TNet::HideFocusRect(TOverlay &overlay)
{
    if (!overlay.Shown)
        return;
    m_canvas->DrawFocusRect(overlay.A.x, overlay.A.y, overlay.B.x, overlay.B.y);
    overlay.Shown = false;
}

void TNet::InvertRubberLine()
{
    Canvas &c = *m_canvas;
    c.SetPenColor(19);
    c.SetPenStyle(TPenStyle::Dot);
    c.SetPenMode(TPenMode::NotXor);
    c.SetPenWidth(1);
    c.MoveTo(m_rubberLine.A.x, m_rubberLine.A.y);
    c.LineTo(m_rubberLine.B.x, m_rubberLine.B.y);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenMode(TPenMode::Copy);
}

void TNet::ShowRubberLine(TPoint a, TPoint b)
{
    HideRubberLine();
    m_rubberLine = { true, a, b };
    InvertRubberLine();
}

void TNet::HideRubberLine()
{
    if (!m_rubberLine.Shown)
        return;
    InvertRubberLine();
    m_rubberLine.Shown = false;
}

void TNet::HideArcMarker()
{
    HideFocusRect(m_marker);
    m_state.MarkerShown = false;
}

void TNet::UpdateArcMarker(TPoint p)
{
    HideArcMarker();
    TPoint &anchor = m_state.WizardAnchor;
    anchor = p;
    m_state.MarkerShown = m_net->ArcStartAlignment(anchor.x, anchor.y);
    if (m_state.MarkerShown) {
        const std::int32_t y = SnapY(anchor.y);
        ShowFocusRect(m_marker, { anchor.x, y - 8 }, { anchor.x + 8, y + 8 });
    }
}

void TNet::ShowSelectionBand(TPoint a, TPoint b)
{
    ShowFocusRect(m_selectionRect, a, b);
}

void TNet::HideSelectionBand()
{
    HideFocusRect(m_selectionRect);
}

void TNet::InvertShownMarks()
{
    for (const TOverlay *o : { &m_selectionRect, &m_marker })
        if (o->Shown)
            m_canvas->DrawFocusRect(o->A.x, o->A.y, o->B.x, o->B.y);
    if (m_rubberLine.Shown)
        InvertRubberLine();
}

} // namespace morvane
