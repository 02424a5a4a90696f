// SPDX-License-Identifier: MIT
#include "clip_handler.h"

#include "editor_modes.h"
#include "gn_main.h"
#include "net_window.h"

#include "model/clipboard.h"
#include "options/display_globals.h"

namespace morvane {

void TClipHandler::Leave()
{
    switch (Mode()) {
    case mdCut:
        Cut();
        break;
    case mdCopy:
        Copy();
        break;
    case mdPaste:
        Paste();
        break;
    default:
        break;
    }
}

void TClipHandler::Cut()
{
    TNet &w = Window();
    w.ForgetMessagesOfSelected();
    CutSelection(Doc(), w.Main().ClipObjects());
    w.SetSelected(nullptr);
    w.Redraw();
}

void TClipHandler::Copy()
{
    CopySelection(Doc(), Window().Main().ClipObjects());
    Paste();
}

void TClipHandler::Paste()
{
    TNet &w = Window();
    PasteClip(Doc(), w.Main().ClipObjects(), Globals().xGrid, Globals().yGrid);
    w.Redraw();
}

} // namespace morvane
