// SPDX-License-Identifier: MIT
#include "model/transition_wizard.h"

#include "model/placing.h"
#include "options/display_globals.h"

#include <algorithm>
#include <string>

namespace morvane {

namespace {

// A zero or negative row spacing from a damaged option would divide by zero.
std::int32_t RowSpacing()
{
    return std::max(1, Globals().bDist);
}

// The position of one row and its arc; `input` puts it left of the transition at x.
void BuildRow(TDrawingObjects &doc, std::int32_t x, std::int32_t rowTop, bool input,
    const std::string &label, bool preview)
{
    const TDisplayGlobals &g = Globals();
    const std::int32_t px = input ? x - g.xDist : x + g.xDist;
    TPosition &p = PlacePosition(doc, px, rowTop, label);
    const std::int32_t arcY = SnapY(rowTop + g.YPsize / 2);
    const std::int32_t middle = SnapX(x + g.XTsize / 2);
    auto arc = doc.Add<TArc>();
    arc->Init(g.ColorTable[19]);
    if (input)
        arc->InitDrawn(SnapX(x + g.XTsize - g.xDist), arcY, middle, arcY, true);
    else
        arc->InitDrawn(middle, arcY, SnapX(px), arcY, true);
    p.Mode = arc->Mode = preview ? omWizard : omSelected;
    p.Draw();
    arc->Draw();
}

} // namespace

void BuildTransitionWizard(TDrawingObjects &doc, std::int32_t x, std::int32_t y,
    std::int32_t inputs, std::int32_t outputs, bool preview)
{
    const TDisplayGlobals &g = Globals();
    if (preview) {
        doc.SetModeOfAll(mfAll, mcErase);
        doc.Clear();
    }
    std::int32_t running = 0;
    TTransition &t = preview ? PlaceTransition(doc, x, y, "Z") : PlaceTransition(doc, x, y);
    t.SetHeight(std::max(inputs, outputs) * g.bDist + g.yDist);
    t.SetBottom(t.Top() + t.Height());
    t.Settle();
    t.Mode = omSelected;
    t.Draw();
    const auto label = [&](const char *base) {
        ++running;
        return preview ? base + std::to_string(running) : NextPositionLabel(doc);
    };
    const auto rowTop = [&](std::int32_t i) { return y + g.yDist + g.bDist * i; };
    for (std::int32_t i = 0; i < inputs; ++i)
        BuildRow(doc, x, rowTop(i), true, label("In"), preview);
    for (std::int32_t j = 0; j < outputs; ++j)
        BuildRow(doc, x, rowTop(j), false, label("Out"), preview);
    if (Canvas *c = doc.GetCanvas())
        c->SetPenStyle(TPenStyle::Solid);
}

std::int32_t WizardRow(std::int32_t y, std::int32_t anchorY)
{
    return (y - Globals().yDist - anchorY) / RowSpacing() + 1;
}

std::int32_t StepWizardCount(std::int32_t count, std::int32_t y, std::int32_t anchorY)
{
    const std::int32_t top = anchorY + Globals().yDist;
    if (y > RowSpacing() * count + top)
        return count + 1;
    if (y < RowSpacing() * (count - 1) + top && count > 1)
        return count - 1;
    return count;
}

TTransitionWizard::TTransitionWizard(TDrawingObjects &net, TDrawingObjects &preview)
    : m_net(net)
    , m_preview(preview)
{
}

void TTransitionWizard::Arm(TWizardKind kind)
{
    m_kind = kind;
    m_state = wsArmed;
    m_handle = false;
}

void TTransitionWizard::Press(TPoint p)
{
    switch (m_state) {
    case wsArmed: {
        const TDisplayGlobals &g = Globals();
        m_preview.SetxBaseUnit(m_net.xBaseUnit());
        m_preview.SetyBaseUnit(m_net.yBaseUnit());
        m_inputs = m_kind == TWizardKind::Right ? 0 : 1;
        m_outputs = m_kind == TWizardKind::Left ? 0 : 1;
        m_cell = { p.x / std::max(1, g.xGrid), p.y / std::max(1, g.yGrid) };
        m_anchor = p;
        m_state = wsShown;
        return;
    }
    case wsShown:
    case wsInputs:
    case wsOutputs: {
        TDrawingObject *hit = m_preview.FindAt(p.x, p.y, okNodes, true);
        m_handle = hit != nullptr;
        if (!hit) {
            m_state = wsDone;
            return;
        }
        // A row above the first (possible only with odd distances) still means one row.
        const std::int32_t n = std::max(1, WizardRow(p.y, m_anchor.y));
        const std::string &label = hit->selfLabel();
        if (label.starts_with('I')) {
            m_inputs = n;
            m_state = wsInputs;
        } else if (label.starts_with('O')) {
            m_outputs = n;
            m_state = wsOutputs;
        } else if (label == "Z") {
            m_inputs = m_outputs = n;
            m_state = wsBoth;
        } else {
            return;
        }
        Rebuild();
        return;
    }
    default:
        return;
    }
}

bool TTransitionWizard::Move(TPoint p)
{
    if (!m_handle)
        return false;
    const std::int32_t inputs
        = m_state & wsInputs ? StepWizardCount(m_inputs, p.y, m_anchor.y) : m_inputs;
    const std::int32_t outputs
        = m_state & wsOutputs ? StepWizardCount(m_outputs, p.y, m_anchor.y) : m_outputs;
    if (inputs == m_inputs && outputs == m_outputs)
        return false;
    m_inputs = inputs;
    m_outputs = outputs;
    Rebuild();
    return true;
}

bool TTransitionWizard::Release()
{
    // A release whose press came before the mode began has no anchor to build at.
    if (m_state == wsArmed)
        return false;
    if (m_state == wsDone) {
        BuildTransitionWizard(m_net, m_anchor.x, m_anchor.y, m_inputs, m_outputs, false);
        Discard();
        return true;
    }
    m_state = wsShown;
    Rebuild();
    return false;
}

void TTransitionWizard::Rezoom()
{
    m_preview.SetxBaseUnit(m_net.xBaseUnit());
    m_preview.SetyBaseUnit(m_net.yBaseUnit());
    if (m_state == wsArmed)
        return;
    const TDisplayGlobals &g = Globals();
    m_anchor = { g.xGrid * m_cell.x, g.yGrid * m_cell.y };
    Rebuild();
}

void TTransitionWizard::Discard()
{
    m_preview.Clear();
    m_handle = false;
}

void TTransitionWizard::Rebuild()
{
    BuildTransitionWizard(m_preview, m_anchor.x, m_anchor.y, m_inputs, m_outputs, true);
}

} // namespace morvane
