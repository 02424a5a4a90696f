// SPDX-License-Identifier: MIT
#pragma once

#include "model/transition_wizard.h"

#include <cstdint>

namespace morvane {

// The editor mode that every net window obeys; the main window holds it.
enum TEditorMode : std::uint16_t {
    mdNone = 0,
    mdEdit = 1,
    mdDragEdit = 2,
    mdSimulation = 4,
    mdPlacePosition = 128,
    mdPlaceTransition = 129,
    mdPlaceArc = 130,
    mdCut = 132,
    mdCopy = 136,
    mdPaste = 144,
    mdDelete = 160,
    mdLeftTransition = 192,
    mdTransitionWizard = 193,
    mdRightTransition = 194,
    mdArcWizard = 196,
    mdUndoRedo = 200,
};

// Modes whose entry performs one action and returns to mdEdit at once.
constexpr bool IsTransientMode(std::uint16_t mode)
{
    return mode == mdCut || mode == mdCopy || mode == mdPaste || mode == mdDelete
        || mode == mdUndoRedo;
}

constexpr bool IsTransitionWizardMode(std::uint16_t mode)
{
    return mode == mdLeftTransition || mode == mdTransitionWizard || mode == mdRightTransition;
}

// A net window's interaction state.
enum TEditState : std::uint16_t {
    esNone = 0,
    esGroup = 1,
    esSingle = 2,
    esDragging = 4,
    esWizardArmed = wsArmed,
    esWizardDone = wsDone,
    esWizardShown = wsShown,
    esWizardInputs = wsInputs,
    esWizardOutputs = wsOutputs,
    esWizardBoth = wsBoth,
    esLocated = 512,
};

// Cursor numbers the net windows are given by mode.
enum TCursorId : int {
    crPosition = 1000,
    crTransition = 1001,
    crTransWizard = 1002,
    crRTransWizard = 1003,
    crLTransWizard = 1004,
};

} // namespace morvane
