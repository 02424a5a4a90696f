// SPDX-License-Identifier: MIT
#pragma once

#include "settings/registry_persistence.h"
#include "window_placement.h"

#include "common/message_list.h"
#include "model/drawing_objects.h"

#include <QFileDialog>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QToolBar;

namespace morvane {

class TMessageListBox;
class TModePanel;
class TNet;
class TPropertiesInspector;
class TToolbarStrip;

// The main window: a frame of net windows with the menus, tool bars, the editor mode all net
// windows obey, the message list, the status bar, the clipboard document and the reopen history.
class TGN : public QMainWindow, public TRegistryClient
{
    Q_OBJECT
public:
    explicit TGN(QWidget *parent = nullptr);
    ~TGN() override;

    // --- Editor mode ---
    std::uint16_t EditorMode() const { return m_editorMode; }
    void SetMode(std::uint16_t mode);
    const QString &ModeName() const { return m_modeName; }
    const QImage &ModeGlyph() const { return m_modeGlyph; }
    // Draws panel 0 of the status bar into the rectangle.
    void DrawModePanel(class QPainter &painter, const QRect &rect) const;

    void MenuStatus(bool on);
    // Offers Undo and Redo (menu items and buttons) exactly while the active net has something to
    // undo or redo.
    void UpdateUndoButtons();

    // --- Nets ---
    TNet *ActiveNet() const;
    std::vector<TNet *> NetWindows() const;
    QMdiArea *MdiArea() const { return m_mdi; }
    // New: an empty net window captioned "Noname<n>.vgn".
    TNet *NewNet();
    // Opens a net file in a new net window.
    TNet *OpenNet(const QString &path);
    // Reads a PNML file into a new net window without a file name; null when nothing could be
    // read (the user is told why).
    TNet *ImportNet(const QString &path);
    // The part of Save As after the dialog: the XML description beside the net, then the net.
    // False (after telling the user) when either could not be written.
    bool SaveNetAs(TNet &net, const QString &path);
    void AddToReopen(const QString &path);
    // Closes the main window when the unsaved nets were already dealt with (saved, or discarded
    // by the user); whether it closed.
    bool CloseConfirmed();
    // Drops the oldest files beyond the history depth (after the depth was made smaller).
    void KeepHistoryDepth();
    const QStringList &ReopenList() const { return m_reopenList; }
    QMenu *ReopenMenu() const { return m_reopenMenu; }

    // --- Commands that other windows and tests call directly ---
    void CheckTopology();
    void NavigateToMessage();
    TMessageList &Messages();
    TMessageListBox *lbMessages() const { return m_messages; }
    TDrawingObjects &ClipObjects() { return *m_clipObjects; }
    void SetStatusPanel(int index, const QString &text);
    QString StatusPanel(int index) const;
    QAction *Action(const QString &name) const;
    QToolBar *FileToolbar() const { return m_fileToolbar; }
    QToolBar *EditToolbar() const { return m_editToolbar; }
    QWidget *MessagePanel() const;
    // Shows the message list with the lines added to it.
    void ShowMessagePanel();
    QSplitter *MessageSplitter() const { return m_messageSplitter; }
    TPropertiesInspector *Inspector() const { return m_inspector; }
    QFileDialog *OpenDialog() const { return m_openDialog; }
    QFileDialog *SaveDialog() const { return m_saveDialog; }

    // --- Registry client ---
    std::int32_t WindowStateValue() const override;
    std::int32_t WindowLeft() const override;
    std::int32_t WindowTop() const override;
    std::int32_t WindowWidth() const override;
    std::int32_t WindowHeight() const override;
    void SetWindowStateValue(std::int32_t state) override;
    void SetWindowLeft(std::int32_t v) override;
    void SetWindowTop(std::int32_t v) override;
    void SetWindowWidth(std::int32_t v) override;
    void SetWindowHeight(std::int32_t v) override;
    void PlacementLoaded() override;
    std::vector<std::string> ReopenEntries() const override;
    void AddToReopen(const std::string &path) override;
    std::optional<TOptionSet> OptionSet() const override;
    void SetOptionSet(const TOptionSet &options) override;

    // --- Menu handlers ---
    void miNewClick();
    void miOpenClick();
    void miOpenAsClick();
    void miImportClick();
    void miSaveClick();
    void miSaveAsClick();
    void miCloseClick();
    void miExportClick();
    void miPrintPreviewClick();
    void miPrintClick();
    void miExitClick();
    void miUndoClick();
    void miRedoClick();
    void miRewireClick();
    void miRemoveFloatingClick();
    void miClearDisconnectedClick();
    void miByXYClick();
    void miByTransitionsClick();
    void miSelectedObjectClick();
    void miGeneralizedNetClick();
    void miZoomInClick();
    void miZoomOutClick();
    void miZoomNoClick();
    void miBestFitClick();
    void miRedrawClick();
    void miToolbarClick();
    void miStatusLineClick();
    void miMessagesClick();
    void miOptionsClick();
    void miTileHorizontalClick();
    void miTileVerticalClick();
    void miCascadeClick();
    void miArrangeAllClick();
    void miAboutClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The size the window is designed with, centred on the primary screen.
    void PlaceAsDesigned();
    // The placement handed over by a load so far, starting from the window's own.
    TWindowPlacement &LoadedPlacement();
    void CreateMenus();
    void CreateToolbars();
    void CreateStatusBar();
    TNet *CreateNetWindow();
    void NetWindowClosing(TNet *net);
    // "*MORVANE" while the active net is modified.
    void ShowCaption();
    void RebuildReopenMenu();
    // Reports a failed command in the standard message box; the program goes on.
    void ReportFailure(const QString &text);
    TNet *NetOf(const TDrawingObject *obj) const;
    void RelabelPositions(bool plain);

    std::uint16_t m_editorMode = 0;
    QString m_modeName;
    QImage m_modeGlyph;
    std::unique_ptr<TDrawingObjects> m_clipObjects;
    QStringList m_reopenList;
    std::optional<TWindowPlacement> m_loadedPlacement;

    QMdiArea *m_mdi = nullptr;
    QSplitter *m_messageSplitter = nullptr;
    QSplitter *m_inspectorSplitter = nullptr;
    TMessageListBox *m_messages = nullptr;
    TPropertiesInspector *m_inspector = nullptr;
    TToolbarStrip *m_toolbars = nullptr;
    QToolBar *m_fileToolbar = nullptr;
    QToolBar *m_editToolbar = nullptr;
    TModePanel *m_modePanel = nullptr;
    QLabel *m_panels[5] = {};
    QMenu *m_reopenMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_placeMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QFileDialog *m_openDialog = nullptr;
    QFileDialog *m_saveDialog = nullptr;
    QPointer<TNet> m_lastActive;
    bool m_closing = false;
    bool m_exitConfirmed = false;
};

} // namespace morvane
