// SPDX-License-Identifier: MIT
// The main window's menus and tool bars, built from one table of commands.
#include "editor_modes.h"
#include "gn_main.h"
#include "resources.h"
#include "toolbar_strip.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <span>

namespace morvane {

namespace {

using namespace resources;

enum class TRow : std::uint8_t {
    Menu, // a menu (or submenu) holding the deeper rows that follow
    Item, // runs Handler; an item without a handler does nothing yet
    Mode, // enters Mode
    Check, // a check item; its handler toggles the check
    Separator,
};

struct TMenuRow
{
    TRow Kind;
    int Depth; // 0 on the menu bar, 1 in a menu, 2 and 3 in submenus
    const char *Name = nullptr;
    const char *Caption = nullptr;
    QKeyCombination Shortcut = {};
    int Glyph = -1;
    void (TGN::*Handler)() = nullptr;
    std::uint16_t Mode = mdNone;
    bool Checked = false;
};

constexpr QKeyCombination kNone = {};

// clang-format off
const TMenuRow kMenu[] = {
    { TRow::Menu, 0, "mFile", "&File" },
    { TRow::Item, 1, "miNew", "&New...", Qt::CTRL | Qt::Key_N, giNew, &TGN::miNewClick },
    { TRow::Item, 1, "miOpen", "&Open...", Qt::CTRL | Qt::Key_O, giOpen, &TGN::miOpenClick },
    { TRow::Item, 1, "miOpenAs", "Open As...", kNone, -1, &TGN::miOpenAsClick },
    { TRow::Menu, 1, "miReopen", "&Reopen" },
    { TRow::Item, 1, "miImport", "&Import...", Qt::CTRL | Qt::Key_I, giImport,
        &TGN::miImportClick },
    { TRow::Item, 1, "miSave", "&Save...", Qt::CTRL | Qt::Key_S, giSave, &TGN::miSaveClick },
    { TRow::Item, 1, "miSaveAs", "Save As...", kNone, -1, &TGN::miSaveAsClick },
    { TRow::Item, 1, "miClose", "&Close", Qt::CTRL | Qt::Key_F3, giClose, &TGN::miCloseClick },
    { TRow::Separator, 1 },
    { TRow::Item, 1, "miExport", "&Export...", kNone, giExport, &TGN::miExportClick },
    { TRow::Separator, 1 },
    { TRow::Item, 1, "miPrintPreview", "Print Pre&view", kNone, giPrintPreview,
        &TGN::miPrintPreviewClick },
    { TRow::Item, 1, "miPrint", "&Print...", Qt::CTRL | Qt::Key_P, giPrint, &TGN::miPrintClick },
    { TRow::Separator, 1 },
    { TRow::Item, 1, "miExit", "E&xit", Qt::ALT | Qt::Key_F4, -1, &TGN::miExitClick },

    { TRow::Menu, 0, "mEdit", "&Edit" },
    { TRow::Item, 1, "miUndo", "&Undo", Qt::ALT | Qt::Key_Backspace, giUndo, &TGN::miUndoClick },
    { TRow::Item, 1, "miRedo", "&Redo", Qt::SHIFT | Qt::ALT | Qt::Key_Backspace, giRedo,
        &TGN::miRedoClick },
    { TRow::Separator, 1 },
    { TRow::Menu, 1, "miArc", "&Arc" },
    { TRow::Item, 2, "miRewire", "Re&wire", Qt::CTRL | Qt::Key_W, -1, &TGN::miRewireClick },
    { TRow::Item, 2, "miRemoveFloating", "&Remove Floating", Qt::CTRL | Qt::Key_F, -1,
        &TGN::miRemoveFloatingClick },
    { TRow::Item, 2, "miClearDisconnected", "&Clear Disconnected", Qt::SHIFT | Qt::Key_Delete, -1,
        &TGN::miClearDisconnectedClick },
    { TRow::Menu, 1, "miPosition", "P&osition" },
    { TRow::Menu, 2, "miPositionRelabel", "&Relabel" },
    { TRow::Item, 3, "miByXY", "By &XY", Qt::SHIFT | Qt::Key_F6, -1, &TGN::miByXYClick },
    { TRow::Item, 3, "miByTransitions", "By &Transitions", Qt::SHIFT | Qt::Key_F7, -1,
        &TGN::miByTransitionsClick },
    { TRow::Item, 2, "miPositionInitialize", "&Initialize", Qt::SHIFT | Qt::Key_F8 },
    { TRow::Menu, 1, "miTransition", "&Transition" },
    { TRow::Item, 2, "miTransitionRelabel", "&Relabel", Qt::CTRL | Qt::Key_F6 },
    { TRow::Item, 2, "miTransitionInitialize", "&Initilaize", Qt::CTRL | Qt::Key_F8 },
    { TRow::Menu, 1, "miProperties", "Pr&operties" },
    { TRow::Item, 2, "miSelectedObject", "&Selected Object", QKeyCombination(Qt::Key_Space), -1,
        &TGN::miSelectedObjectClick },
    { TRow::Item, 2, "miGeneralizedNet", "&Generalized Net", Qt::CTRL | Qt::Key_Space, -1,
        &TGN::miGeneralizedNetClick },
    { TRow::Separator, 1 },
    { TRow::Item, 1, "miCheckTopology", "&Check Topology", QKeyCombination(Qt::Key_F11), -1,
        &TGN::CheckTopology },
    { TRow::Separator, 1 },
    { TRow::Mode, 1, "miDragEdit", "Drag ed&it", Qt::CTRL | Qt::Key_D, giDragEdit, nullptr,
        mdDragEdit },
    { TRow::Mode, 1, "miEdit", "&Edit", Qt::CTRL | Qt::Key_E, giEdit, nullptr, mdEdit },
    { TRow::Mode, 1, "miCut", "Cu&t", Qt::CTRL | Qt::Key_X, giCut, nullptr, mdCut },
    { TRow::Mode, 1, "miCopy", "&Copy", Qt::CTRL | Qt::Key_C, giCopy, nullptr, mdCopy },
    { TRow::Mode, 1, "miPaste", "&Paste", Qt::CTRL | Qt::Key_V, giPaste, nullptr, mdPaste },
    { TRow::Mode, 1, "miDelete", "&Delete", QKeyCombination(Qt::Key_Delete), -1, nullptr,
        mdDelete },

    { TRow::Menu, 0, "mView", "&View" },
    { TRow::Menu, 1, "miZoom", "&Zoom" },
    { TRow::Item, 2, "miZoomIn", "&In", kNone, giZoomIn, &TGN::miZoomInClick },
    { TRow::Item, 2, "miZoomOut", "&Out", kNone, giZoomOut, &TGN::miZoomOutClick },
    { TRow::Item, 2, "miZoomNo", "&No", Qt::SHIFT | Qt::CTRL | Qt::Key_N, -1,
        &TGN::miZoomNoClick },
    { TRow::Item, 2, "miBestFit", "&Best fit", Qt::CTRL | Qt::Key_B, -1, &TGN::miBestFitClick },
    { TRow::Item, 1, "miRedraw", "&Redraw", QKeyCombination(Qt::Key_F5), giRedraw,
        &TGN::miRedrawClick },
    { TRow::Separator, 1 },
    { TRow::Check, 1, "miToolbar", "Toolbar", kNone, -1, &TGN::miToolbarClick, mdNone, true },
    { TRow::Check, 1, "miStatusLine", "&Status Line", kNone, -1, &TGN::miStatusLineClick, mdNone, true },
    { TRow::Check, 1, "miMessages", "Messages", kNone, -1, &TGN::miMessagesClick },
    { TRow::Item, 1, "miEventTracer", "Event Tracer" },

    { TRow::Menu, 0, "mPlace", "&Place" },
    { TRow::Mode, 1, "miPlaceTransition", "&Transition", QKeyCombination(Qt::Key_T),
        giPlaceTransition, nullptr, mdPlaceTransition },
    { TRow::Mode, 1, "miPlacePosition", "&Position", QKeyCombination(Qt::Key_P), giPlacePosition,
        nullptr, mdPlacePosition },
    { TRow::Mode, 1, "miPlaceArc", "&Arc", QKeyCombination(Qt::Key_A), giPlaceArc, nullptr,
        mdPlaceArc },
    { TRow::Separator, 1 },
    { TRow::Mode, 1, "miTransitionWizard", "Transition &Wizard", Qt::CTRL | Qt::Key_T,
        giTransitionWizard, nullptr, mdTransitionWizard },
    { TRow::Mode, 1, "miLeftTransition", "&Left Transition", Qt::CTRL | Qt::Key_L,
        giLeftTransition, nullptr, mdLeftTransition },
    { TRow::Mode, 1, "miRightTransition", "&Right Transition", Qt::CTRL | Qt::Key_R,
        giRightTransition, nullptr, mdRightTransition },
    { TRow::Mode, 1, "miAutorouteArc", "Auto&route Arc", Qt::CTRL | Qt::Key_A, giAutorouteArc,
        nullptr, mdArcWizard },

    { TRow::Item, 0, "miOptions", "&Options", kNone, -1, &TGN::miOptionsClick },

    { TRow::Menu, 0, "mWindow", "&Window" },
    { TRow::Menu, 1, "miTile", "&Tile" },
    { TRow::Item, 2, "miTileHorizontal", "&Horisontal", kNone, -1, &TGN::miTileHorizontalClick },
    { TRow::Item, 2, "miTileVertical", "&Veritical", kNone, -1, &TGN::miTileVerticalClick },
    { TRow::Item, 1, "miCascade", "&Cascade", kNone, -1, &TGN::miCascadeClick },
    { TRow::Item, 1, "miArrangeAll", "&Arrange All", kNone, -1, &TGN::miArrangeAllClick },

    { TRow::Menu, 0, "mHelp", "&Help" },
    { TRow::Item, 1, "miIndex", "Index" },
    { TRow::Item, 1, "miAbout", "&About", kNone, -1, &TGN::miAboutClick },
};
// clang-format on

// A tool button runs the menu item of the same meaning and shows its glyph; a row without a name
// is a separator.
struct TButtonRow
{
    const char *Name = nullptr;
    const char *Item = nullptr;
    const char *Hint = nullptr;
};

const TButtonRow kFileButtons[] = {
    { "tbNew", "miNew", "New" },
    { "tbOpen", "miOpen", "Open" },
    { "tbSave", "miSave", "Save" },
    { "tbClose", "miClose", "Close" },
    {},
    { "tbImport", "miImport", "Import" },
    { "tbExport", "miExport", "Export" },
    {},
    { "tbPrintPreview", "miPrintPreview", "Print preview" },
    { "tbPrint", "miPrint", "Print" },
};

const TButtonRow kEditButtons[] = {
    { "tbEdit", "miEdit", "Edit" },
    { "tbCut", "miCut", "Cut" },
    { "tbCopy", "miCopy", "Copy" },
    { "tbPaste", "miPaste", "Paste" },
    {},
    { "tbUnDo", "miUndo", "Undo" },
    { "tbReDo", "miRedo", "Redo" },
    {},
    { "tbZoomIn", "miZoomIn", "Zoom in" },
    { "tbZoomOut", "miZoomOut", "Zoom out" },
    { "tbRedraw", "miRedraw", "Redraw" },
    {},
    { "tbPlacePosition", "miPlacePosition", "Place position" },
    { "tbPlaceTransition", "miPlaceTransition", "Place transition" },
    { "tbPlaceArc", "miPlaceArc", "Place arc" },
    {},
    { "tbDragEdit", "miDragEdit", "Drag edit" },
    { "tbLeftTransition", "miLeftTransition", "Left transition" },
    { "tbTransitionWizard", "miTransitionWizard", "Transition wizard" },
    { "tbRightTransition", "miRightTransition", "Right transition" },
    { "tbAutorouteArc", "miAutorouteArc", "Autoroute arc" },
};

int GlyphOf(const char *item)
{
    for (const TMenuRow &row : kMenu)
        if (row.Name && qstrcmp(row.Name, item) == 0)
            return row.Glyph;
    return -1;
}

} // namespace

void TGN::CreateMenus()
{
    // The menu each depth adds to: the bar's menus at 1, their submenus below.
    QMenu *parents[4] = {};
    QMenuBar *bar = menuBar();
    for (const TMenuRow &row : kMenu) {
        QMenu *parent = row.Depth > 0 ? parents[row.Depth] : nullptr;
        if (row.Kind == TRow::Separator) {
            parent->addSeparator();
            continue;
        }
        if (row.Kind == TRow::Menu) {
            QMenu *menu = parent ? parent->addMenu(row.Caption) : bar->addMenu(row.Caption);
            menu->setObjectName(row.Name);
            parents[row.Depth + 1] = menu;
            continue;
        }
        QAction *action = parent ? parent->addAction(row.Caption) : bar->addAction(row.Caption);
        action->setObjectName(row.Name);
        if (row.Shortcut.key() != Qt::Key_unknown)
            action->setShortcut(row.Shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        if (row.Glyph >= 0)
            action->setIcon(GlyphPixmap(row.Glyph));
        switch (row.Kind) {
        case TRow::Mode:
            connect(action, &QAction::triggered, this, [this, mode = row.Mode] { SetMode(mode); });
            break;
        case TRow::Check:
            action->setCheckable(true);
            action->setChecked(row.Checked);
            // The handlers toggle the check themselves.
            connect(action, &QAction::triggered, this, [this, action, handler = row.Handler] {
                action->setChecked(!action->isChecked());
                (this->*handler)();
            });
            break;
        default:
            if (row.Handler)
                connect(action, &QAction::triggered, this,
                    [this, handler = row.Handler] { (this->*handler)(); });
            break;
        }
        // Every command may have changed the history.
        connect(action, &QAction::triggered, this, &TGN::UpdateUndoButtons);
    }
    m_reopenMenu = findChild<QMenu *>("miReopen");
    m_editMenu = findChild<QMenu *>("mEdit");
    m_viewMenu = findChild<QMenu *>("mView");
    m_placeMenu = findChild<QMenu *>("mPlace");
    m_windowMenu = findChild<QMenu *>("mWindow");
}

void TGN::CreateToolbars()
{
    auto band = [this](const char *name, const char *title, std::span<const TButtonRow> rows) {
        auto *bar = new QToolBar(title);
        bar->setObjectName(name);
        bar->setIconSize({ kGlyphSize, kGlyphSize });
        for (const TButtonRow &row : rows) {
            if (!row.Name) {
                bar->addSeparator();
                continue;
            }
            // A button of its own, not the menu's action: the edit buttons are enabled and
            // disabled apart from the items of the menus, which are hidden instead.
            QAction *button = bar->addAction(GlyphPixmap(GlyphOf(row.Item)), row.Hint);
            button->setObjectName(row.Name);
            button->setToolTip(row.Hint);
            connect(button, &QAction::triggered, this, [this, item = row.Item] {
                if (QAction *action = Action(item))
                    action->trigger();
            });
        }
        m_toolbars->AddBand(bar);
        return bar;
    };
    m_fileToolbar = band("tbFileToolbar", "File", kFileButtons);
    m_editToolbar = band("tbEditToolbar", "Edit", kEditButtons);
}

} // namespace morvane
