// SPDX-License-Identifier: MIT
#include "net_window.h"

#include "arc_handler.h"
#include "clip_handler.h"
#include "dialogs/net_properties.h"
#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "gn_main.h"
#include "place_handler.h"
#include "program.h"
#include "route_handler.h"
#include "select_handler.h"
#include "wizard_handler.h"

#include "model/placing.h"
#include "options/display_globals.h"
#include "routing/auto_route.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace morvane {

TNet::TNet(TGN &main, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_selectHandler(std::make_unique<TSelectHandler>(*this))
    , m_placeHandler(std::make_unique<TPlaceHandler>(*this))
    , m_arcHandler(std::make_unique<TArcHandler>(*this))
    , m_routeHandler(std::make_unique<TRouteHandler>(*this))
    , m_wizardHandler(std::make_unique<TWizardHandler>(*this))
    , m_clipHandler(std::make_unique<TClipHandler>(*this))
    , m_main(main)
{
    setObjectName("Net");
    m_caption = ".";
    setWindowTitle(m_caption);
    QFont f("Times New Roman");
    f.setPixelSize(19);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(Globals().xGrid);
    verticalScrollBar()->setSingleStep(Globals().yGrid);

    m_backing
        = DeviceImage(QSize(std::max(1, viewport()->width()), std::max(1, viewport()->height())),
            devicePixelRatioF());
    m_canvas = std::make_unique<QtCanvas>(&m_backing, palette());
    m_canvas->SetFont("Times New Roman", 14);
    m_net = std::make_unique<TDrawingObjects>(this, &main.Messages(), m_canvas.get());
    BuildGridTile();
    m_net->CreateUndo(true);
    m_net->OnHistoryMoved = [this] {
        if (IsModified() != m_shownModified)
            ShowCaption();
    };
    // The preview is rebuilt on every change of a count; it keeps no history.
    m_wizardObjects = std::make_unique<TDrawingObjects>(this, &main.Messages(), m_canvas.get());

    m_interval.setInterval(1);
    connect(&m_interval, &QTimer::timeout, this, [this] {
        if (m_state.Buttons & Qt::LeftButton)
            FormMouseMove(
                m_state.Buttons, Qt::NoModifier, viewport()->mapFromGlobal(QCursor::pos()));
    });
    ResizeHandling();
}

TNet::~TNet()
{
    m_interval.stop();
    m_net->OnHistoryMoved = nullptr;
    m_wizardObjects.reset();
    m_net.reset();
}

void TNet::SetFileName(const QString &name)
{
    SetCaption(name + ".vgn");
    m_fileName = name;
}

void TNet::SetCaption(const QString &caption)
{
    m_caption = caption;
    ShowCaption();
}

bool TNet::IsModified() const
{
    return m_unsavedContent || m_net->HistoryPosition() != m_savedPosition;
}

void TNet::MarkSaved()
{
    m_savedPosition = m_net->HistoryPosition();
    m_unsavedContent = false;
    ShowCaption();
}

void TNet::MarkModified()
{
    m_unsavedContent = true;
    ShowCaption();
}

void TNet::ShowCaption()
{
    const bool modified = IsModified();
    setWindowTitle(modified ? "*" + m_caption : m_caption);
    if (modified != m_shownModified) {
        m_shownModified = modified;
        emit ModifiedChanged();
    }
}

std::int32_t TNet::SnapX(std::int32_t x) const
{
    return morvane::SnapX(x);
}

std::int32_t TNet::SnapY(std::int32_t y) const
{
    return morvane::SnapY(y);
}

TDrawingObject *TNet::Selected() const
{
    return m_selected.lock().get();
}

void TNet::SetSelected(TDrawingObject *obj)
{
    m_selected = WeakOf(obj);
}

// ---------------------------------------------------------------------------------------------
// Modes

TModeHandler *TNet::Handler()
{
    switch (m_main.EditorMode()) {
    case mdEdit:
    case mdDragEdit:
        return m_selectHandler.get();
    case mdPlacePosition:
    case mdPlaceTransition:
        return m_placeHandler.get();
    case mdPlaceArc:
        return m_arcHandler.get();
    case mdArcWizard:
        return m_routeHandler.get();
    case mdLeftTransition:
    case mdTransitionWizard:
    case mdRightTransition:
        return m_wizardHandler.get();
    case mdCut:
    case mdCopy:
    case mdPaste:
        return m_clipHandler.get();
    default:
        return nullptr;
    }
}

void TNet::LeaveMode()
{
    switch (m_main.EditorMode()) {
    case mdDelete: {
        ForgetMessagesOfSelected();
        m_net->BeginStep();
        m_net->DeleteSelected();
        SetSelected(nullptr);
        break;
    }
    case mdUndoRedo:
        m_main.UpdateUndoButtons();
        break;
    default:
        if (TModeHandler *handler = Handler())
            handler->Leave();
        break;
    }
}

void TNet::ForgetMessagesOfSelected()
{
    for (auto &line : m_main.Messages().Lines) {
        auto obj = line.Object.lock();
        if (obj && m_net->Owns(obj.get()) && obj->Mode == omSelected)
            line.Object.reset();
    }
}

void TNet::EnterMode()
{
    viewport()->setCursor(Qt::ArrowCursor);
    if (IsTransientMode(m_main.EditorMode())) {
        Redraw();
        m_main.SetMode(mdEdit);
        m_state.EditState = esGroup;
    } else if (TModeHandler *handler = Handler()) {
        handler->Enter();
    }
}

void TNet::Locate(TDrawingObject &obj)
{
    const TPoint c { (obj.Left() + obj.Right()) / 2, (obj.Top() + obj.Bottom()) / 2 };
    SetHorzPosition(std::max(0, c.x - viewport()->width() / 2));
    SetVertPosition(std::max(0, c.y - viewport()->height() / 2));
    // Painting keeps the view on grid lines; do it now so that the pointer lands on c.
    SetHorzPosition(SnapX(HorzPosition()));
    SetVertPosition(SnapY(VertPosition()));
    QCursor::setPos(viewport()->mapToGlobal(QPoint(c.x - HorzPosition(), c.y - VertPosition())));
    m_main.SetMode(mdEdit);
    m_state.EditState = esLocated;
    m_state.GroupSelection = false;
    m_state.DownPoint = c;
    m_state.LastPoint = c;
    m_net->SetModeOfAll(mfAll, mcDeselect);
    obj.Mode = omSelected;
    SetSelected(&obj);
    Redraw();
    // The keyboard follows the pointer into the window.
    setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// View

void TNet::Zoom(std::int32_t amount, bool relative)
{
    TDisplayGlobals &g = Globals();
    const std::int32_t target = relative ? m_net->xBaseUnit() + amount : amount;
    if (target < g.zMin || target > g.zMax)
        return;
    const std::int32_t ty = relative ? m_net->yBaseUnit() + amount : amount;
    m_net->SetxBaseUnit(target);
    m_net->SetyBaseUnit(ty);
    m_wizardObjects->SetxBaseUnit(m_net->xBaseUnit());
    m_wizardObjects->SetyBaseUnit(m_net->yBaseUnit());
    m_main.ClipObjects().SetxBaseUnit(m_net->xBaseUnit());
    m_main.ClipObjects().SetyBaseUnit(m_net->yBaseUnit());
    g.xGrid = m_net->xBaseUnit();
    g.yGrid = m_net->yBaseUnit();
    if (TOptions *options = Program().Options) {
        options->Record().ChangeXGrid(g.xGrid);
        options->Record().ChangeYGrid(g.yGrid);
    }
    horizontalScrollBar()->setSingleStep(g.xGrid);
    verticalScrollBar()->setSingleStep(g.yGrid);
    ResizeHandling();
    BuildGridTile();
    Redraw();
    if (TModeHandler *handler = Handler())
        handler->Zoomed();
}

void TNet::BestFit()
{
    const TDisplayGlobals &g = Globals();
    std::int32_t ux = g.xGrid, uy = g.yGrid;
    TPoint tl = m_net->TopLeftCorner();
    const TPoint br = m_net->BottomRightCorner();
    if (tl.x != br.x)
        ux = (viewport()->width() * g.xGrid - 24) / std::abs(br.x - tl.x);
    if (tl.y != br.y)
        uy = (viewport()->height() * g.yGrid - 24) / std::abs(br.y - tl.y);
    // A net too large even for the smallest scale is shown at that scale rather than not at all.
    ux = std::max(std::min(ux, 8), g.zMin);
    uy = std::max(std::min(uy, 8), g.zMin);
    if (ux != g.xGrid || uy != g.yGrid) {
        Zoom(std::min(ux, uy), false);
        tl = m_net->TopLeftCorner();
    }
    SetHorzPosition(tl.x - Globals().xGrid);
    SetVertPosition(tl.y - Globals().yGrid);
}

void TNet::Invalidate()
{
    m_dirty = true;
    viewport()->update();
}

void TNet::Redraw()
{
    Invalidate();
}

void TNet::Flush()
{
    viewport()->update();
}

void TNet::BuildGridTile()
{
    const TDisplayGlobals &g = Globals();
    const QColor background = m_canvas->ToQColor(g.ColorTable[0]);
    const QColor grid = m_canvas->ToQColor(g.ColorTable[2]);
    m_gridTile = QImage(8, 8, QImage::Format_RGB32);
    m_gridTile.fill(background);
    m_gridTile.setPixelColor(0, 0, grid);
    if (g.xGrid < 8 && g.xGrid >= 0 && g.yGrid < 8 && g.yGrid >= 0) {
        m_gridTile.setPixelColor(0, g.yGrid, grid);
        m_gridTile.setPixelColor(g.xGrid, 0, grid);
        m_gridTile.setPixelColor(g.xGrid, g.yGrid, grid);
    }
}

// The grid and the page's edges follow the page size, so a new size paints the window anew.
void TNet::SetxPgSize(std::int32_t size)
{
    if (size != m_xPgSize)
        Invalidate();
    m_xPgSize = size;
    UpdateScrollRanges();
}

void TNet::SetyPgSize(std::int32_t size)
{
    if (size != m_yPgSize)
        Invalidate();
    m_yPgSize = size;
    UpdateScrollRanges();
}

void TNet::UpdateScrollRanges()
{
    QScrollBar *h = horizontalScrollBar(), *v = verticalScrollBar();
    h->setPageStep(viewport()->width());
    v->setPageStep(viewport()->height());
    h->setRange(0, std::max(0, m_xPgSize - viewport()->width()));
    v->setRange(0, std::max(0, m_yPgSize - viewport()->height()));
}

std::int32_t TNet::HorzPosition() const
{
    return horizontalScrollBar()->value();
}

std::int32_t TNet::VertPosition() const
{
    return verticalScrollBar()->value();
}

void TNet::SetHorzPosition(std::int32_t pos)
{
    horizontalScrollBar()->setValue(pos);
    SyncOrigin();
}

void TNet::SetVertPosition(std::int32_t pos)
{
    verticalScrollBar()->setValue(pos);
    SyncOrigin();
}

void TNet::VisibleRect(std::int32_t &x1, std::int32_t &y1, std::int32_t &x2, std::int32_t &y2) const
{
    const std::int32_t h = HorzPosition(), v = VertPosition();
    x1 = h - 1;
    y1 = v - 1;
    x2 = h + viewport()->width() + 1;
    y2 = v + viewport()->height() + 1;
}

void TNet::RepaintVisibleRect()
{
    std::int32_t x1, y1, x2, y2;
    VisibleRect(x1, y1, x2, y2);
    m_net->RepaintRect(x1, y1, x2, y2);
    Flush();
}

void TNet::SyncOrigin()
{
    m_canvas->SetOrigin({ HorzPosition(), VertPosition() });
}

void TNet::ResizeHandling()
{
    const QSize size(std::max(1, viewport()->width()), std::max(1, viewport()->height()));
    if (m_backing.deviceIndependentSize().toSize() != size
        || m_backing.devicePixelRatio() != devicePixelRatioF()) {
        m_canvas->Release();
        m_backing = DeviceImage(size, devicePixelRatioF());
        m_canvas->SetDevice(&m_backing);
        m_dirty = true;
    }
    FitPageToNet();
    SyncOrigin();
    Invalidate();
}

void TNet::FitPageToNet()
{
    // The page is at least the options' page and reaches one window beyond the drawing, so
    // every object can be seen and there is room to place and drag past the last one.
    const TPoint br = m_net->BottomRightCorner();
    const auto reach = [](std::int32_t page, std::int32_t extent, std::int32_t margin) {
        return std::int32_t(std::clamp<std::int64_t>(
            std::int64_t(extent) + margin, page, std::numeric_limits<std::int32_t>::max()));
    };
    const std::int32_t x = reach(Globals().xPageSize, br.x, viewport()->width());
    const std::int32_t y = reach(Globals().yPageSize, br.y, viewport()->height());
    if (x != m_xPgSize)
        SetxPgSize(x);
    if (y != m_yPgSize)
        SetyPgSize(y);
}

void TNet::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    ResizeHandling();
}

// ---------------------------------------------------------------------------------------------
// Activation, hints

void TNet::Activate()
{
    m_main.UpdateUndoButtons();
    Zoom(8, false);
}

TPoint TNet::NetPoint(QPoint client) const
{
    return { client.x() + HorzPosition(), client.y() + VertPosition() };
}

QString TNet::ObjectHint(QPoint client)
{
    const TPoint p = NetPoint(client);
    for (const auto &obj : m_net->Objects())
        if ((obj->Kind() & okNodes) && obj->ContainsPoint(p.x, p.y)) {
            if (obj->Kind() == okPosition)
                return QString::fromStdString(static_cast<TPosition &>(*obj).Description);
            return QString::fromStdString(static_cast<TTransition &>(*obj).Description);
        }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Editing

void TNet::AutoRouteArc(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const TAutoRouteResult r = morvane::AutoRouteArc(*m_net, x1, y1, x2, y2);
    // A request that adds nothing says so rather than leaving the user to guess.
    m_main.SetStatusPanel(3, r.Made() ? QString() : QString("No route"));
    Flush();
}

// ---------------------------------------------------------------------------------------------
// Pointer

void TNet::RecomputeConnections()
{
    m_net->RebuildConnections();
    m_state.ConnectionsStale = false;
}

void TNet::ScrollBy(TPoint step)
{
    if (step.x)
        SetHorzPosition(HorzPosition() + step.x);
    if (step.y)
        SetVertPosition(VertPosition() + step.y);
}

bool TNet::AutoScrollStep()
{
    // The margin lies inside the client area, whatever the window's place in the frame.
    const std::int32_t h = HorzPosition(), v = VertPosition();
    const std::int32_t w = viewport()->width(), hgt = viewport()->height();
    const std::int32_t ix = horizontalScrollBar()->singleStep();
    const std::int32_t iy = verticalScrollBar()->singleStep();
    TPoint &step = m_state.ScrollStep;
    const TPoint last = m_state.LastPoint;
    step = {};
    if (last.x >= h + w - 24)
        step.x = ix;
    if (last.y >= v + hgt - 24)
        step.y = iy;
    if (last.x <= h + 24)
        step.x = -ix;
    if (last.y <= v + 24)
        step.y = -iy;
    return step.x != 0 || step.y != 0;
}

void TNet::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client)
{
    m_state.DownPoint = NetPoint(client);
    m_net->BeginStep();
    m_main.UpdateUndoButtons();
    if (button == Qt::LeftButton) {
        m_state.Buttons |= Qt::LeftButton;
        if (TModeHandler *handler = Handler())
            handler->Press(shift);
    }
    m_state.LastPoint = m_state.DownPoint;
    Flush();
}

void TNet::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint client)
{
    const TPoint p = NetPoint(client);
    if (p.x < m_xPgSize && p.y < m_yPgSize) {
        m_main.SetStatusPanel(1, QString("%1:%2").arg(p.x).arg(p.y));
        m_main.SetStatusPanel(2,
            QString("%1:%2")
                .arg(m_state.LastPoint.x / std::max(1, Globals().xGrid))
                .arg(m_state.LastPoint.y / std::max(1, Globals().yGrid)));
    }
    const bool left = (buttons & Qt::LeftButton) != 0;
    TModeHandler *handler = Handler();
    const bool scrolled = handler && handler->Move(p, left);
    if (m_interval.isActive() && left && !scrolled)
        ScrollBy(m_state.ScrollStep);
    if (m_state.EditState != esLocated)
        m_state.LastPoint = p;
    Flush();
}

void TNet::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client)
{
    const TPoint p = NetPoint(client);
    if (button == Qt::LeftButton) {
        m_state.Buttons &= ~Qt::MouseButtons(Qt::LeftButton);
        m_interval.stop();
        m_state.ConnectionsStale = true;
        if (TModeHandler *handler = Handler())
            handler->Release(shift, p);
        // Placing or dragging near the edge makes room beyond it.
        FitPageToNet();
    } else if (button == Qt::RightButton) {
        RightRelease(shift);
    }
    Flush();
    // A pointer edit ends here: the undo commands follow the history it left.
    m_main.UpdateUndoButtons();
}

void TNet::RightRelease(Qt::KeyboardModifiers shift)
{
    const TPoint down = m_state.DownPoint;
    TDrawingObject *hit = m_net->FindAt(down.x, down.y, okAll, (shift & Qt::AltModifier) != 0);
    SetSelected(hit);
    if (hit) {
        if (TModeHandler *handler = Handler())
            handler->RightHit();
        if (m_state.ConnectionsStale)
            RecomputeConnections();
        return;
    }
    if (Program().NetProperties)
        Program().NetProperties->Execute(*m_net);
    Invalidate();
}

void TNet::ShowObjectInfo(std::int32_t x, std::int32_t y)
{
    m_state.ConnectionsStale = false;
    QString text = QString::fromStdString(ObjectInfo(*m_net, x, y));
    if (text.isEmpty())
        return;
    // Each of the text's two-character line ends is one line break.
    text.replace("\n\r", "\n").replace("\r\n", "\n");
    QMessageBox box(
        QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, this);
    box.setObjectName("ObjectInfo");
    box.exec();
}

void TNet::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

// A quick second press arrives as a double click; it is a press like any other.
void TNet::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TNet::mouseMoveEvent(QMouseEvent *event)
{
    FormMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TNet::mouseReleaseEvent(QMouseEvent *event)
{
    FormMouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TNet::wheelEvent(QWheelEvent *event)
{
    FormMouseWheel(event->angleDelta().y(), event->modifiers());
    event->accept();
}

bool TNet::viewportEvent(QEvent *event)
{
    // The wheel scrolls by grid steps here, not by the scroll area's own rule.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace morvane
