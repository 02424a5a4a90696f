// SPDX-License-Identifier: MIT
#pragma once

#include "mode_handler.h"

namespace morvane {

// Cut, copy and paste through the main window's clipboard document. They are transient modes:
// the action runs when the mode is left, right after it was entered.
class TClipHandler final : public TModeHandler
{
public:
    using TModeHandler::TModeHandler;
    void Leave() override;

private:
    void Cut();
    void Copy();
    void Paste();
    // A picture of what was just cut or copied, as PNG and SVG, goes onto the system clipboard
    // for other programs; pasting here takes objects only from our own clipboard.
    void PutPicture();
};

} // namespace morvane
