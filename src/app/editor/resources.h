// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace morvane {

// The program's own pictures, compiled in and found by name.
namespace resources {

inline constexpr int kGlyphSize = 16;
inline constexpr int kGlyphCount = 25;

// Glyph indexes of the menu and tool button image list.
enum TGlyph : int {
    giNew,
    giOpen,
    giSave,
    giClose,
    giImport,
    giExport,
    giPrintPreview,
    giPrint,
    giEdit,
    giCut,
    giCopy,
    giPaste,
    giUndo,
    giRedo,
    giZoomIn,
    giZoomOut,
    giRedraw,
    giPlacePosition,
    giPlaceTransition,
    giPlaceArc,
    giDragEdit,
    giTransitionWizard,
    giLeftTransition,
    giRightTransition,
    giAutorouteArc,
};

// Glyph of the image list, kGlyphSize square on a transparent background.
QImage Glyph(int index);
QPixmap GlyphPixmap(int index);

// Cursors are registered under numbers and looked up by them; an unknown number gives the
// arrow. RegisterCursor loads the cursor drawing of that name ("POSITION", ...).
void RegisterCursor(int id, const QString &name);
QCursor CursorById(int id);

// The 500 x 300 splash picture.
QPixmap SplashPicture();

} // namespace resources
} // namespace morvane
