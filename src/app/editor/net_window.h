// SPDX-License-Identifier: MIT
#pragma once

#include "pointer_state.h"
#include "render/qt_canvas.h"

#include "common/count_object.h"
#include "model/drawing_objects.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace morvane {

class TGN;
class TModeHandler;

// A child window showing and editing one net. It owns the net document (with its undo history),
// the wizard's scratch document, the two label counters and the grid tile. Drawing goes into a
// backing image the size of the client area, in net pixels with the scroll position as origin;
// painting only copies that image to the screen.
class TNet : public QAbstractScrollArea, public TDocumentHost
{
    Q_OBJECT
public:
    explicit TNet(TGN &main, QWidget *parent = nullptr);
    ~TNet() override;

    // --- Document ---
    TDrawingObjects &Net() { return *m_net; }
    TDrawingObjects &WizardObjects() { return *m_wizardObjects; }
    TCountObject &PositionCounter() override { return m_positionCounter; }
    TCountObject &TransitionCounter() override { return m_transitionCounter; }

    // The net file's path without its extension; empty for a new net.
    const QString &FileName() const { return m_fileName; }
    // Caption := name + ".vgn"; FileName := name.
    void SetFileName(const QString &name);
    // The file the net was read from or last saved to, with its extension; empty while the net
    // has no file.
    const QString &FilePath() const { return m_filePath; }
    void SetFilePath(const QString &path) { m_filePath = path; }
    // The window's name without the mark of unsaved changes that the title bar adds.
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // --- Unsaved changes: the net differs from its file while its history stands elsewhere
    // than at the last save or open ---
    bool IsModified() const;
    // The net as it stands is what its file holds (after a save or an open).
    void MarkSaved();
    // The net holds what no file holds yet, wherever its history stands (a restored or
    // imported net).
    void MarkModified();

    std::int32_t SnapX(std::int32_t x) const;
    std::int32_t SnapY(std::int32_t y) const;

    // --- Interaction state ---
    const TPointerState &State() const { return m_state; }
    void SetEditState(std::uint16_t state) { m_state.EditState = state; }
    // The current object, when it still exists.
    TDrawingObject *Selected() const;
    void SetSelected(TDrawingObject *obj);
    // Brings the object into view under the pointer, selected alone, with the keyboard focus
    // here: message navigation leads to an object this way.
    void Locate(TDrawingObject &obj);

    // --- Modes: the main window's SetMode calls these ---
    void LeaveMode();
    void EnterMode();
    // Message lines about the selected objects, which are about to leave the net, lose them.
    void ForgetMessagesOfSelected();

    // --- View ---
    void Zoom(std::int32_t amount, bool relative);
    void BestFit();
    // Repaints the whole window.
    void Redraw();
    void BuildGridTile();
    const QImage &GridTile() const { return m_gridTile; }
    std::int32_t xPgSize() const { return m_xPgSize; }
    std::int32_t yPgSize() const { return m_yPgSize; }
    void SetxPgSize(std::int32_t size);
    void SetyPgSize(std::int32_t size);
    // Scroll positions: the net pixel at the client's left and top edge.
    std::int32_t HorzPosition() const;
    std::int32_t VertPosition() const;
    void SetHorzPosition(std::int32_t pos);
    void SetVertPosition(std::int32_t pos);
    // (h − 1, v − 1, h + client width + 1, v + client height + 1).
    void VisibleRect(std::int32_t &x1, std::int32_t &y1, std::int32_t &x2, std::int32_t &y2) const;
    void RepaintVisibleRect();
    // Everything drawn so far goes to the screen at the next paint.
    void Flush();
    // Draws the page now into the backing image (grid, page edges, objects).
    void PaintPage();
    const QImage &Backing() const { return m_backing; }
    QtCanvas &Surface() { return *m_canvas; }
    QTimer &Interval() { return m_interval; }

    // --- Activation: the main window calls it whenever the window becomes active ---
    void Activate();

    // Description of the position or transition under a client point, or empty text.
    QString ObjectHint(QPoint client);
    TPoint NetPoint(QPoint client) const;

    // --- Editing ---
    // Routes a new arc from the press point to the release point around the net's objects.
    void AutoRouteArc(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    // Whether the last pointer position lies in the auto-scroll margin; sets the scroll step.
    bool AutoScrollStep();
    void ScrollBy(TPoint step);
    void RecomputeConnections();
    void ShowObjectInfo(std::int32_t x, std::int32_t y);
    TGN &Main() { return m_main; }

    // --- Inverting marks drawn over the net: each is taken away by inverting the same pixels,
    // and a full repaint puts back the ones still shown ---
    void ShowSelectionBand(TPoint a, TPoint b);
    void HideSelectionBand();
    void ShowRubberLine(TPoint a, TPoint b);
    void HideRubberLine();
    // The route's start marker at the node side facing p, when there is one.
    void UpdateArcMarker(TPoint p);
    void HideArcMarker();

    // --- Pointer and keys ---
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client);
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint client);
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormKeyUp(int key, Qt::KeyboardModifiers shift);
    void FormMouseWheel(int delta, Qt::KeyboardModifiers shift);

signals:
    // The net became modified or clean.
    void ModifiedChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    friend class TModeHandler;

    struct TOverlay
    {
        bool Shown = false;
        TPoint A, B;
    };
    void ShowFocusRect(TOverlay &overlay, TPoint a, TPoint b);
    void HideFocusRect(TOverlay &overlay);
    void InvertRubberLine();
    void RightRelease(Qt::KeyboardModifiers shift);
    QPoint PointerClient() const;
    void MovePointer(QPoint client, Qt::KeyboardModifiers shift, bool clamp);
    void InvertShownMarks();
    // The handler of the current editor mode's group; null in modes without pointer editing.
    TModeHandler *Handler();

    TPointerState m_state;
    std::unique_ptr<TModeHandler> m_selectHandler;
    std::unique_ptr<TModeHandler> m_placeHandler;
    std::unique_ptr<TModeHandler> m_arcHandler;
    std::unique_ptr<TModeHandler> m_routeHandler;
    std::unique_ptr<TModeHandler> m_wizardHandler;
    std::unique_ptr<TModeHandler> m_clipHandler;
    // Keys whose press this window saw; only their release may act.
    QSet<int> m_keysDown;
    TOverlay m_selectionRect;
    TOverlay m_rubberLine;
    TOverlay m_marker;

    // Paints the page's background, grid, page edges, objects and inverting marks on the canvas
    // wherever its device lies, reaching every pixel of the client rectangle `area`.
    void DrawPage(const QRect &area);
    // Moves the painted image with the scroll position and paints only what that uncovers; false
    // when the image must be painted whole instead.
    bool ScrollBacking(int dx, int dy);
    // Paints the client rectangle anew into the backing image.
    void PaintStrip(const QRect &area);

    void ResizeHandling();
    // Page size: the options' page, grown to hold the net with a window's margin.
    void FitPageToNet();
    void UpdateScrollRanges();
    void SyncOrigin();
    void Invalidate();

    // Shows the caption with a leading "*" while the net is modified.
    void ShowCaption();

    TGN &m_main;
    QString m_fileName;
    QString m_filePath;
    QString m_caption;
    std::uint64_t m_savedPosition = 0;
    bool m_unsavedContent = false;
    bool m_shownModified = false;
    TCountObject m_positionCounter;
    TCountObject m_transitionCounter;
    QImage m_backing;
    std::unique_ptr<QtCanvas> m_canvas;
    std::unique_ptr<TDrawingObjects> m_net;
    std::unique_ptr<TDrawingObjects> m_wizardObjects;
    QImage m_gridTile;
    std::weak_ptr<TDrawingObject> m_selected;
    QTimer m_interval;
    std::int32_t m_xPgSize = 1920;
    std::int32_t m_yPgSize = 1920;
    bool m_dirty = true;
    bool m_painting = false;
    bool m_inPaintEvent = false;
};

} // namespace morvane
