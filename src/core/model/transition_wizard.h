// SPDX-License-Identifier: MIT
#pragma once

#include "model/drawing_objects.h"

#include <cstdint>

namespace morvane {

// Where a transition wizard gesture stands; the values are the net window's interaction states.
enum TWizardState : std::uint16_t {
    wsArmed = 16,
    wsDone = 32,
    wsShown = 64,
    wsInputs = 128,
    wsOutputs = 256,
    wsBoth = 384,
};

// Which columns the wizard starts with.
enum class TWizardKind : std::uint8_t {
    Left, // one input, no output
    Both, // one of each
    Right, // no input, one output
};

// A transition with a column of input positions on its left and one of output positions on its
// right, each joined to it by a horizontal arc, anchored at (x, y). The preview goes into a
// scratch document (emptied first) with the labels Z, In<n>, Out<n> and the wizard display
// state; otherwise the objects join the net selected, labelled from the host's counters, each
// with a creation record.
void BuildTransitionWizard(TDrawingObjects &doc, std::int32_t x, std::int32_t y,
    std::int32_t inputs, std::int32_t outputs, bool preview);

// The row under the net y, counted from 1, of a wizard anchored at anchorY.
std::int32_t WizardRow(std::int32_t y, std::int32_t anchorY);
// A column's count after the pointer moved to the net y while its handle is dragged: one more
// once y passes below the last row, one fewer (never below 1) once it leaves it upwards.
std::int32_t StepWizardCount(std::int32_t count, std::int32_t y, std::int32_t anchorY);

// The transition wizard gesture: the first press fixes the anchor, presses on the preview's
// handles and drags change the counts, a press elsewhere and its release create the objects.
class TTransitionWizard
{
public:
    TTransitionWizard(TDrawingObjects &net, TDrawingObjects &preview);

    // Waits for the anchor press.
    void Arm(TWizardKind kind);
    void Press(TPoint p);
    // Answers whether the preview changed.
    bool Move(TPoint p);
    // Answers whether the objects were created in the net.
    bool Release();
    // After a zoom: the anchor goes back onto its grid cell and the preview is built anew.
    void Rezoom();
    // Empties the preview.
    void Discard();

    std::uint16_t State() const { return m_state; }
    std::int32_t Inputs() const { return m_inputs; }
    std::int32_t Outputs() const { return m_outputs; }
    TPoint Anchor() const { return m_anchor; }
    // The last press found a preview object: moves may change the counts.
    bool HandleHeld() const { return m_handle; }

private:
    void Rebuild();

    TDrawingObjects &m_net;
    TDrawingObjects &m_preview;
    TWizardKind m_kind = TWizardKind::Both;
    std::uint16_t m_state = wsArmed;
    std::int32_t m_inputs = 0;
    std::int32_t m_outputs = 0;
    TPoint m_cell;
    TPoint m_anchor;
    // The last press found a preview object.
    bool m_handle = false;
};

} // namespace morvane
