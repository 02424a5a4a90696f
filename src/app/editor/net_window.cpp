// SPDX-License-Identifier: MIT
#include "net_window.h"

#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "gn_main.h"
#include "program.h"
#include "resources.h"

#include "options/display_globals.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace morvane {

TNet::TNet(TGN &main, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_main(main)
{
    setObjectName("Net");
    setWindowTitle(".");
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

    m_backing = QImage(
        std::max(1, viewport()->width()), std::max(1, viewport()->height()), QImage::Format_RGB32);
    m_canvas = std::make_unique<QtCanvas>(&m_backing, palette());
    m_canvas->SetFont("Times New Roman", 14);
    m_net = std::make_unique<TDrawingObjects>(this, &main.Messages(), m_canvas.get());
    BuildGridTile();
    m_net->CreateUndo(true);
    m_wizardObjects = std::make_unique<TDrawingObjects>(this, &main.Messages(), m_canvas.get());
    m_wizardObjects->CreateUndo(true);

    m_interval.setInterval(1);
    connect(&m_interval, &QTimer::timeout, this, [this] {
        if (Buttons & Qt::LeftButton)
            FormMouseMove(Buttons, Qt::NoModifier, viewport()->mapFromGlobal(QCursor::pos()));
    });
    ResizeHandling();
}

TNet::~TNet()
{
    m_interval.stop();
    // The clipboard borrows a window's surface while it pastes.
    if (m_main.ClipObjects().GetCanvas() == m_canvas.get())
        m_main.ClipObjects().SetCanvas(nullptr);
    m_wizardObjects.reset();
    m_net.reset();
}

void TNet::SetFileName(const QString &name)
{
    setWindowTitle(name + ".vgn");
    m_fileName = name;
}

namespace {

std::int32_t Snap(std::int32_t value, std::int32_t g)
{
    if (!Globals().SnapToGrid || g <= 0)
        return value;
    const std::int32_t r = value % g;
    return r > g / 2 ? value - r + g : value - r;
}

} // namespace

std::int32_t TNet::SnapX(std::int32_t x) const
{
    return Snap(x, Globals().xGrid);
}

std::int32_t TNet::SnapY(std::int32_t y) const
{
    return Snap(y, Globals().yGrid);
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

void TNet::LeaveMode()
{
    switch (m_main.EditorMode()) {
    case mdDelete: {
        // Lines about the objects going away must not lead to them any more.
        for (auto &line : m_main.Messages().Lines) {
            auto obj = line.Object.lock();
            if (obj && m_net->Owns(obj.get()) && obj->Mode == omSelected)
                line.Object.reset();
        }
        m_net->BeginStep();
        m_net->DeleteSelected();
        SetSelected(nullptr);
        break;
    }
    case mdLeftTransition:
    case mdTransitionWizard:
    case mdRightTransition:
        EditState = esGroup;
        m_wizardObjects->Clear();
        Redraw();
        break;
    case mdUndoRedo:
        m_main.UpdateUndoButtons();
        break;
    default:
        // Cut, copy and paste act through the clipboard, which arrives with its own change.
        break;
    }
}

void TNet::EnterMode()
{
    const std::uint16_t mode = m_main.EditorMode();
    viewport()->setCursor(Qt::ArrowCursor);
    switch (mode) {
    case mdPlacePosition:
    case mdPlaceTransition:
        viewport()->setCursor(
            resources::CursorById(mode == mdPlacePosition ? crPosition : crTransition));
        m_net->SetModeOfAll(128, 1);
        break;
    case mdLeftTransition:
    case mdTransitionWizard:
    case mdRightTransition:
        EditState = esWizardArmed;
        viewport()->setCursor(resources::CursorById(mode == mdLeftTransition ? crRTransWizard
                : mode == mdRightTransition                                  ? crLTransWizard
                                                                             : crTransWizard));
        m_net->SetModeOfAll(128, 1);
        break;
    case mdCut:
    case mdCopy:
    case mdPaste:
    case mdDelete:
    case mdUndoRedo:
        Redraw();
        m_main.SetMode(mdEdit);
        EditState = esGroup;
        break;
    default:
        break;
    }
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
    // The transition wizard re-anchors its preview here once it exists.
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
    ux = std::min(ux, 8);
    uy = std::min(uy, 8);
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

void TNet::SetxPgSize(std::int32_t size)
{
    m_xPgSize = size;
    UpdateScrollRanges();
}

void TNet::SetyPgSize(std::int32_t size)
{
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

void TNet::scrollContentsBy(int, int)
{
    SyncOrigin();
    Invalidate();
}

void TNet::ResizeHandling()
{
    const QSize size(std::max(1, viewport()->width()), std::max(1, viewport()->height()));
    if (m_backing.size() != size) {
        m_canvas->Release();
        m_backing = QImage(size, QImage::Format_RGB32);
        m_canvas->SetImage(&m_backing);
    }
    SetxPgSize(Globals().xPageSize);
    SetyPgSize(Globals().yPageSize);
    SyncOrigin();
    Invalidate();
}

void TNet::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    ResizeHandling();
}

void TNet::PaintPage()
{
    const TDisplayGlobals &g = Globals();
    m_painting = true;
    if (!m_interval.isActive()) {
        // The view rests on grid lines.
        SetHorzPosition(SnapX(HorzPosition()));
        SetVertPosition(SnapY(VertPosition()));
    }
    SyncOrigin();
    std::int32_t x1, y1, x2, y2;
    VisibleRect(x1, y1, x2, y2);
    const std::int32_t h = HorzPosition(), v = VertPosition();
    const std::int32_t cw = viewport()->width(), ch = viewport()->height();
    Canvas &c = *m_canvas;

    c.SetPenMode(TPenMode::Copy);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenWidth(1);
    c.SetBrushColor(g.ColorTable[0]);
    c.FillRect(h, v, h + cw, v + ch);

    if (g.ShowGrid) {
        const std::int32_t w = std::min(cw, m_xPgSize), hgt = std::min(ch, m_yPgSize);
        if (g.xGrid == 8 || g.xGrid == 4) {
            TBrushPattern pattern {};
            const QRgb gridRgb = m_gridTile.pixel(0, 0);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    if (m_gridTile.pixel(x, y) == gridRgb)
                        pattern[std::size_t(y)] |= std::uint8_t(0x80 >> x);
            c.SetPenColor(g.ColorTable[0]);
            c.SetBrushPattern(pattern, g.ColorTable[2], g.ColorTable[0]);
            c.Rectangle(h - g.xGrid, v - g.yGrid, h + w, v + hgt);
        } else if (g.xGrid > g.GridHide && g.yGrid > 0) {
            for (std::int32_t i = 0; i <= w / g.xGrid; ++i)
                for (std::int32_t j = 0; j <= hgt / g.yGrid; ++j)
                    c.SetPixel(h + i * g.xGrid, v + j * g.yGrid, g.ColorTable[2]);
        }
    }

    if (cw > m_xPgSize || ch > m_yPgSize) {
        c.SetBrushColor(g.ColorTable[0]);
        c.SetPenColor(SystemColor(15));
        c.SetPenWidth(1);
        c.MoveTo(m_xPgSize + 1, 0);
        c.LineTo(m_xPgSize + 1, m_yPgSize);
        c.MoveTo(0, m_yPgSize + 1);
        c.LineTo(m_xPgSize, m_yPgSize + 1);
    }

    m_net->RepaintRect(x1, y1, x2, y2);
    m_wizardObjects->RepaintRect(x1, y1, x2, y2);
    m_canvas->Release();
    m_dirty = false;
    m_painting = false;
}

void TNet::paintEvent(QPaintEvent *)
{
    if (m_dirty && !m_painting)
        PaintPage();
    m_canvas->Release();
    QPainter p(viewport());
    p.drawImage(0, 0, m_backing);
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
// Pointer and keys. Placing, selecting and dragging objects build on these handlers.

void TNet::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint client)
{
    DownPoint = NetPoint(client);
    m_net->BeginStep();
    m_main.UpdateUndoButtons();
    if (button == Qt::LeftButton)
        Buttons |= Qt::LeftButton;
    LastPoint = DownPoint;
}

void TNet::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint client)
{
    const TPoint p = NetPoint(client);
    if (p.x < m_xPgSize && p.y < m_yPgSize) {
        m_main.SetStatusPanel(1, QString("%1:%2").arg(p.x).arg(p.y));
        m_main.SetStatusPanel(2,
            QString("%1:%2")
                .arg(LastPoint.x / std::max(1, Globals().xGrid))
                .arg(LastPoint.y / std::max(1, Globals().yGrid)));
    }
    if (EditState != esLocated)
        LastPoint = p;
}

void TNet::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint)
{
    if (button == Qt::LeftButton) {
        Buttons &= ~Qt::MouseButtons(Qt::LeftButton);
        ConnectionsStale = true;
    }
}

void TNet::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    const int factor = (shift & Qt::ControlModifier) ? 4 : 1;
    if (shift & Qt::AltModifier) {
        QScrollBar *h = horizontalScrollBar(), *v = verticalScrollBar();
        switch (key) {
        case Qt::Key_Clear:
            SetHorzPosition(h->maximum() / 2);
            SetVertPosition(v->maximum() / 2);
            break;
        case Qt::Key_PageUp:
            SetVertPosition(0);
            break;
        case Qt::Key_PageDown:
            SetVertPosition(v->maximum());
            break;
        case Qt::Key_Home:
            SetHorzPosition(0);
            break;
        case Qt::Key_End:
            SetHorzPosition(h->maximum());
            break;
        case Qt::Key_Left:
            SetHorzPosition(SnapX(h->value() - h->singleStep() * factor));
            break;
        case Qt::Key_Right:
            SetHorzPosition(SnapX(h->value() + h->singleStep() * factor));
            break;
        case Qt::Key_Up:
            SetVertPosition(SnapY(v->value() - v->singleStep() * factor));
            break;
        case Qt::Key_Down:
            SetVertPosition(SnapY(v->value() + v->singleStep() * factor));
            break;
        default:
            break;
        }
        return;
    }
    switch (key) {
    case Qt::Key_Escape:
        m_main.SetMode(mdEdit);
        break;
    case Qt::Key_Plus:
        if (shift & Qt::KeypadModifier)
            Zoom(1, true);
        break;
    case Qt::Key_Minus:
        if (shift & Qt::KeypadModifier)
            Zoom(-1, true);
        break;
    default:
        break;
    }
}

void TNet::FormKeyUp(int, Qt::KeyboardModifiers) { }

void TNet::FormMouseWheel(int delta, Qt::KeyboardModifiers shift)
{
    const int steps = delta / 50;
    const int factor = (shift & Qt::ControlModifier) ? 4 : 1;
    SetVertPosition(SnapY(VertPosition() - steps * verticalScrollBar()->singleStep() * factor));
}

void TNet::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TNet::mouseMoveEvent(QMouseEvent *event)
{
    FormMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TNet::mouseReleaseEvent(QMouseEvent *event)
{
    FormMouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TNet::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event->key(), event->modifiers());
}

void TNet::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        FormKeyUp(event->key(), event->modifiers());
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

bool TNet::event(QEvent *event)
{
    // Keys the window interprets itself take precedence over the menu shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Escape:
        case Qt::Key_Insert:
        case Qt::Key_Clear:
            event->accept();
            return true;
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            if (key->modifiers() & Qt::KeypadModifier) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QAbstractScrollArea::event(event);
}

} // namespace morvane
