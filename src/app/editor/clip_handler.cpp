// SPDX-License-Identifier: MIT
#include "clip_handler.h"

#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "gn_main.h"
#include "net_window.h"
#include "program.h"
#include "render/net_picture.h"
#include "render/vector_picture.h"

#include "model/clipboard.h"
#include "options/display_globals.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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
    PutPicture();
    w.SetSelected(nullptr);
    w.Redraw();
}

void TClipHandler::Copy()
{
    CopySelection(Doc(), Window().Main().ClipObjects());
    PutPicture();
    Paste();
}

void TClipHandler::Paste()
{
    TNet &w = Window();
    PasteClip(Doc(), w.Main().ClipObjects(), Globals().xGrid, Globals().yGrid);
    w.Redraw();
}

void TClipHandler::PutPicture()
{
    TDrawingObjects &clip = Window().Main().ClipObjects();
    TOptions *options = Program().Options;
    if (!options || clip.Count() == 0)
        return;
    // Drawn as plain objects; a paste sets every clipboard object's state anyway.
    for (const auto &obj : clip.Objects())
        obj->Mode = omNormal;
    TPictureSettings settings;
    settings.Scale = Globals().xGrid;
    settings.MarginLeft = settings.MarginTop = settings.MarginRight = settings.MarginBottom = 8;
    // A huge selection would hold up every copy for a picture nobody pastes at that size.
    constexpr std::int64_t kMaxPixels = std::int64_t(1) << 24;
    const TPictureSize size = NetPictureSize(clip, options->Record(), settings);
    if (size.Width * size.Height > kMaxPixels)
        return;
    const TNetPicture picture = MakeNetPicture(clip, options->Record(), settings, PicturePalette());
    if (!picture.Image.isNull())
        QGuiApplication::clipboard()->setImage(picture.Image);
}

} // namespace morvane
