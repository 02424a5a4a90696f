// SPDX-License-Identifier: MIT
#include "net_window.h"

#include "dialogs/net_properties.h"
#include "dialogs/options_dialog.h"
#include "editor_modes.h"
#include "gn_main.h"
#include "program.h"
#include "resources.h"

#include "options/display_globals.h"
#include "routing/path_finder.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
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

    m_backing
        = DeviceImage(QSize(std::max(1, viewport()->width()), std::max(1, viewport()->height())),
            devicePixelRatioF());
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
    case mdArcWizard:
        // The start marker belongs to this mode only.
        HideArcMarker();
        Flush();
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
    if (m_backing.deviceIndependentSize().toSize() != size
        || m_backing.devicePixelRatio() != devicePixelRatioF()) {
        m_canvas->Release();
        m_backing = DeviceImage(size, devicePixelRatioF());
        m_canvas->SetDevice(&m_backing);
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
    // The inverting marks still shown go back over the fresh picture.
    if (m_selectionRect.Shown)
        m_canvas->DrawFocusRect(
            m_selectionRect.A.x, m_selectionRect.A.y, m_selectionRect.B.x, m_selectionRect.B.y);
    if (m_marker.Shown)
        m_canvas->DrawFocusRect(m_marker.A.x, m_marker.A.y, m_marker.B.x, m_marker.B.y);
    if (m_rubberLine.Shown)
        InvertRubberLine();
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
// Creating objects

void TNet::PlacePosition(std::int32_t x, std::int32_t y)
{
    const TDisplayGlobals &g = Globals();
    auto p = m_net->Add<TPosition>();
    p->Init(g.ColorTable[11]);
    p->FillColor = g.ColorTable[16];
    const std::string label = "L" + std::to_string(m_positionCounter.Next());
    p->Place(SnapX(x), SnapY(y), label);
    p->Priority = 1;
    p->Capacity = -1;
    p->Draw();
    Flush();
}

void TNet::PlaceTransition(std::int32_t x, std::int32_t y)
{
    const TDisplayGlobals &g = Globals();
    auto t = m_net->Add<TTransition>();
    t->Init(g.ColorTable[4]);
    t->FillColor = g.ColorTable[6];
    const std::string label = "Z" + std::to_string(m_transitionCounter.Next());
    t->Place(SnapX(x), SnapY(y), label);
    t->Priority = 1;
    t->Draw();
    Flush();
}

void TNet::AddArcPiece(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    AddArcPieceAt(SnapX(x1), SnapY(y1), SnapX(x2), SnapY(y2));
}

void TNet::AddArcPieceAt(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    // Ends that snapped to one point would make a piece of no length.
    if (x1 == x2 && y1 == y2)
        return;
    // Looked up before the piece joins the document, so that it cannot find itself.
    const TDrawingObject *target = m_net->FindAt(x2, y2, okAll, true);
    const bool onNode = target && (target->Kind() & okNodes);
    auto arc = m_net->Add<TArc>();
    arc->Init(Globals().ColorTable[19]);
    arc->InitDrawn(x1, y1, x2, y2, onNode);
    arc->Draw();
    Flush();
}

// ---------------------------------------------------------------------------------------------
// Arc routing

namespace {

std::int32_t Sign(std::int32_t v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

} // namespace

void TNet::PrepareRouteEnds(
    std::int32_t &x1, std::int32_t &y1, std::int32_t &x2, std::int32_t &y2, TRouteEnds &e)
{
    TDrawingObjects &net = *m_net;
    const std::int32_t gx = std::max(1, Globals().xGrid), gy = std::max(1, Globals().yGrid);
    auto findEnd = [&](std::int32_t &x, std::int32_t &y) {
        TDrawingObject *obj = net.FindAt(x, y, okNodes, true);
        if (!obj) {
            x = SnapX(x);
            y = SnapY(y);
            obj = net.FindAt(x, y, okNodes, true);
        }
        return obj;
    };
    e.Start = findEnd(x1, y1);
    e.End = findEnd(x2, y2);
    // An end without a stub of its own gets a stub piece of no length, which is never drawn.
    e.StartSide = e.StartStub = e.StartStubEnd = x1;
    e.EndSide = e.EndStub = e.EndStubEnd = x2;
    auto isTransition = [](const TDrawingObject *o) { return o->Kind() == okTransition; };

    if (e.Start) {
        e.StartSide = e.Start->AttachX(x1, 0);
        const std::int32_t d = isTransition(e.Start) ? gx + e.Start->Width() / 2 : gx;
        e.StartStub = e.StartStubEnd = e.Start->AttachX(x1, d);
        if (x1 == e.StartStub)
            return;
    }
    if (e.End) {
        e.EndSide = e.End->AttachX(x2, 0);
        const std::int32_t d = isTransition(e.End) ? e.End->Width() / 2 + gx : 2 * gx;
        e.EndStub = e.EndStubEnd = e.End->AttachX(x2, d);
        if (x2 == e.EndStub)
            return;
    }

    if (e.Start && e.End && Sign(x2 - x1) == Sign(e.StartStub - x1)
        && Sign(x2 - x1) == Sign(x2 - e.EndStub)) {
        const std::int32_t mid = (e.StartStub + e.EndStub) / 2;
        net.BuildRouteGrid();
        const TPathFinder &pf = *net.PathFinder;
        e.StartStubEnd
            = pf.FreeRunEnd(e.StartStub / gx, e.EndStub / gx, y1 / gy, mid / gx, true) * gx;
        e.EndStubEnd
            = pf.FreeRunEnd(e.StartStub / gx, e.EndStub / gx, y2 / gy, mid / gx, false) * gx;
        if (std::abs(e.StartSide - e.StartStubEnd) + std::abs(e.EndSide - e.EndStubEnd)
            > std::abs(e.EndSide - e.StartSide)) {
            if (y1 != y2) {
                if (isTransition(e.End))
                    y2 = y1;
                else if (isTransition(e.Start))
                    y1 = y2;
            }
            AddArcPieceAt(e.StartSide, SnapY(y1), e.EndSide, SnapY(y2));
            e.Joined = true;
            return;
        }
        if (e.StartStubEnd == e.EndStubEnd
            && pf.IsColumnBlocked(e.StartStubEnd / gx, y1 / gy, y2 / gy)) {
            e.StartStubEnd = e.StartStub;
            e.EndStubEnd = e.EndStub;
        }
        x1 = e.StartStubEnd;
        x2 = e.EndStubEnd;
    } else if (e.Start || e.End) {
        net.BuildRouteGrid();
        const TPathFinder &pf = *net.PathFinder;
        if (e.Start) {
            e.StartStubEnd = pf.ScanToFree(e.StartStub / gx, Sign(e.StartStub - x1), y1 / gy) * gx;
            x1 = e.StartStubEnd;
        }
        if (e.End) {
            e.EndStubEnd = pf.ScanToFree(e.EndStub / gx, Sign(e.EndStub - x2), y2 / gy) * gx;
            x2 = e.EndStubEnd;
        }
    }
    x1 = SnapX(x1);
    y1 = SnapY(y1);
    x2 = SnapX(x2);
    y2 = SnapY(y2);
}

void TNet::AutoRouteArc(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    TDrawingObjects &net = *m_net;
    const std::size_t oldCount = net.Count();
    TRouteEnds e;
    PrepareRouteEnds(x1, y1, x2, y2, e);
    if (!e.Joined) {
        const bool found = net.Route(x1, y1, x2, y2);
        if (found) {
            const TDisplayGlobals &g = Globals();
            // Path() runs from the target back to the start.
            const std::vector<TCellPoint> cells = net.PathFinder->Path().Points();
            for (std::size_t i = cells.size(); i > 1; --i)
                AddArcPieceAt(cells[i - 1].X * g.xGrid, cells[i - 1].Y * g.yGrid,
                    cells[i - 2].X * g.xGrid, cells[i - 2].Y * g.yGrid);
        }
        if (found || x1 == x2) {
            // The stubs meet their nodes where the nodes are, on the grid or not.
            if (e.Start)
                AddArcPieceAt(e.StartSide, SnapY(y1), SnapX(e.StartStubEnd), SnapY(y1));
            if (e.End)
                AddArcPieceAt(SnapX(e.EndStubEnd), SnapY(y2), e.EndSide, SnapY(y2));
        }
    }
    // The object before the new ones takes part too: an arc drawn just before may continue.
    for (std::size_t i = oldCount > 0 ? oldCount - 1 : 0; i < net.Count(); ++i)
        if (net.Object(i)->Kind() == okArc)
            static_cast<TArc *>(net.Object(i))->ArcFlags |= 16;
    net.ResolveMarked();
    Flush();
}

// ---------------------------------------------------------------------------------------------
// Inverting marks

void TNet::ShowFocusRect(TOverlay &overlay, TPoint a, TPoint b)
{
    HideFocusRect(overlay);
    m_canvas->DrawFocusRect(a.x, a.y, b.x, b.y);
    overlay = { true, a, b };
}

void TNet::HideFocusRect(TOverlay &overlay)
{
    if (!overlay.Shown)
        return;
    m_canvas->DrawFocusRect(overlay.A.x, overlay.A.y, overlay.B.x, overlay.B.y);
    overlay.Shown = false;
}

void TNet::InvertRubberLine()
{
    Canvas &c = *m_canvas;
    c.SetPenColor(19);
    c.SetPenStyle(TPenStyle::Dot);
    c.SetPenMode(TPenMode::NotXor);
    c.SetPenWidth(1);
    c.MoveTo(m_rubberLine.A.x, m_rubberLine.A.y);
    c.LineTo(m_rubberLine.B.x, m_rubberLine.B.y);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenMode(TPenMode::Copy);
}

void TNet::ShowRubberLine(TPoint a, TPoint b)
{
    HideRubberLine();
    m_rubberLine = { true, a, b };
    InvertRubberLine();
}

void TNet::HideRubberLine()
{
    if (!m_rubberLine.Shown)
        return;
    InvertRubberLine();
    m_rubberLine.Shown = false;
}

void TNet::HideArcMarker()
{
    HideFocusRect(m_marker);
    MarkerShown = false;
}

void TNet::UpdateArcMarker(TPoint p)
{
    HideArcMarker();
    WizardAnchor = p;
    MarkerShown = m_net->ArcStartAlignment(WizardAnchor.x, WizardAnchor.y);
    if (MarkerShown) {
        const std::int32_t y = SnapY(WizardAnchor.y);
        ShowFocusRect(m_marker, { WizardAnchor.x, y - 8 }, { WizardAnchor.x + 8, y + 8 });
    }
}

// ---------------------------------------------------------------------------------------------
// Pointer

void TNet::RecomputeConnections()
{
    m_net->RebuildConnections();
    ConnectionsStale = false;
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
    ScrollStep = {};
    if (LastPoint.x >= h + w - 24)
        ScrollStep.x = ix;
    if (LastPoint.y >= v + hgt - 24)
        ScrollStep.y = iy;
    if (LastPoint.x <= h + 24)
        ScrollStep.x = -ix;
    if (LastPoint.y <= v + 24)
        ScrollStep.y = -iy;
    return ScrollStep.x != 0 || ScrollStep.y != 0;
}

void TNet::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client)
{
    DownPoint = NetPoint(client);
    m_net->BeginStep();
    m_main.UpdateUndoButtons();
    if (button == Qt::LeftButton) {
        Buttons |= Qt::LeftButton;
        LeftPress(shift);
    }
    LastPoint = DownPoint;
    Flush();
}

void TNet::LeftPress(Qt::KeyboardModifiers shift)
{
    const std::uint16_t mode = m_main.EditorMode();
    if (mode != mdEdit && mode != mdDragEdit)
        return;
    if (EditState == esGroup) {
        if (shift & Qt::ShiftModifier)
            return;
        TDrawingObject *hit = m_net->FindAt(DownPoint.x, DownPoint.y, okAll, false);
        SetSelected(hit);
        if (!hit || hit->Mode != omSelected)
            return;
        m_net->SetModeOfAll(omSelected, 2);
        DragOrigin = { hit->Left(), hit->Top() };
        EditState = esDragging;
        if (ConnectionsStale)
            RecomputeConnections();
        RepaintVisibleRect();
        return;
    }
    TDrawingObject *sel = Selected();
    if (EditState != esSingle || !sel)
        return;
    DragOrigin = { sel->Left(), sel->Top() };
    // Recorded before anything changes, the hit test's note of the grabbed end included, so
    // that undo finds the object as it was.
    sel->Record(ukChanged);
    const std::uint16_t h = sel->HitTest(DownPoint.x, DownPoint.y);
    switch (h) {
    case 0:
        EditState = esNone;
        break;
    case 1:
        sel->Mode = omDragged;
        sel->Erase();
        EditState = esDragging;
        GroupSelection = false;
        RepaintVisibleRect();
        break;
    case 2:
    case 4:
    case 8:
        sel->Mode = omEdited;
        if (mode == mdDragEdit && sel->Kind() == okArc) {
            // The neighbouring segment's joined end follows the grabbed one.
            auto *arc = static_cast<TArc *>(sel);
            auto follow = [this](TArc *other) {
                other->Record(ukChanged);
                other->HitTest(DownPoint.x, DownPoint.y);
                other->Mode = omEdited;
            };
            TArc *next = arc->NextArc();
            TArc *prev = arc->PrevArc();
            const std::uint16_t what = arc->What;
            if ((what & 2) && next)
                follow(next);
            if ((what & 1) && prev)
                follow(prev);
        }
        break;
    default:
        break;
    }
    if (h != 0)
        RecomputeConnections();
}

void TNet::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint client)
{
    (void)shift;
    const TPoint p = NetPoint(client);
    if (p.x < m_xPgSize && p.y < m_yPgSize) {
        m_main.SetStatusPanel(1, QString("%1:%2").arg(p.x).arg(p.y));
        m_main.SetStatusPanel(2,
            QString("%1:%2")
                .arg(LastPoint.x / std::max(1, Globals().xGrid))
                .arg(LastPoint.y / std::max(1, Globals().yGrid)));
    }
    const bool left = (buttons & Qt::LeftButton) != 0;
    bool scrolled = false;
    const std::uint16_t mode = m_main.EditorMode();
    if (mode == mdEdit || mode == mdDragEdit) {
        switch (EditState) {
        case esNone:
        case esGroup:
            if (left || KeyDrag) {
                HideFocusRect(m_selectionRect);
                if (AutoScrollStep() && left) {
                    ScrollBy(ScrollStep);
                    scrolled = true;
                }
                ShowFocusRect(m_selectionRect, DownPoint, p);
            }
            break;
        case esSingle:
            m_net->EditMarked(p.x - LastPoint.x, p.y - LastPoint.y);
            // The timer only replays moves while the button is held; idle it costs a tick a
            // millisecond for nothing.
            m_interval.setInterval(1);
            if (AutoScrollStep() && (left || (Buttons & Qt::LeftButton)))
                m_interval.start();
            else
                m_interval.stop();
            break;
        case esDragging:
            m_net->MoveDragged(p.x - LastPoint.x, p.y - LastPoint.y);
            if (AutoScrollStep() && (left || (Buttons & Qt::LeftButton)))
                m_interval.start();
            else
                m_interval.stop();
            break;
        default:
            break;
        }
    } else if (mode == mdPlaceArc || mode == mdArcWizard) {
        if (mode == mdArcWizard)
            UpdateArcMarker(p);
        if (left || KeyDrag) {
            const TPoint start { SnapX(DownPoint.x), SnapY(DownPoint.y) };
            HideRubberLine();
            if (AutoScrollStep() && (left || (Buttons & Qt::LeftButton)))
                m_interval.start();
            else
                m_interval.stop();
            if (m_interval.isActive()) {
                ScrollBy(ScrollStep);
                scrolled = true;
            }
            ShowRubberLine(start, { SnapX(p.x), SnapY(p.y) });
        }
    }
    if (m_interval.isActive() && left && !scrolled)
        ScrollBy(ScrollStep);
    if (EditState != esLocated)
        LastPoint = p;
    Flush();
}

void TNet::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint client)
{
    const TPoint p = NetPoint(client);
    if (button == Qt::LeftButton) {
        Buttons &= ~Qt::MouseButtons(Qt::LeftButton);
        m_interval.stop();
        ConnectionsStale = true;
        LeftRelease(shift, p);
    } else if (button == Qt::RightButton) {
        RightRelease(shift);
    }
    Flush();
}

void TNet::LeftRelease(Qt::KeyboardModifiers shift, TPoint p)
{
    switch (m_main.EditorMode()) {
    case mdPlacePosition:
        PlacePosition(p.x, p.y);
        return;
    case mdPlaceTransition:
        PlaceTransition(p.x, p.y);
        return;
    case mdPlaceArc:
        HideRubberLine();
        AddArcPiece(DownPoint.x, DownPoint.y, p.x, p.y);
        return;
    case mdArcWizard:
        HideRubberLine();
        AutoRouteArc(DownPoint.x, DownPoint.y, p.x, p.y);
        return;
    case mdEdit:
    case mdDragEdit:
        break;
    default:
        return;
    }
    switch (EditState) {
    case esNone:
    case esGroup:
    case esSingle:
        SelectionRelease(shift);
        break;
    case esDragging:
        DragRelease();
        break;
    case esLocated:
        EditState = esSingle;
        break;
    default:
        break;
    }
}

void TNet::SelectionRelease(Qt::KeyboardModifiers shift)
{
    const bool withShift = (shift & Qt::ShiftModifier) != 0;
    m_net->SettleAll();
    if (EditState != esSingle)
        HideFocusRect(m_selectionRect);
    TDrawingObject *sel = Selected();
    if (sel && m_net->Owns(sel)) {
        m_canvas->SetPenColor(Globals().ColorTable[0]);
        if (m_main.EditorMode() == mdDragEdit && sel->Kind() == okArc) {
            auto *arc = static_cast<TArc *>(sel);
            if ((arc->What & 2) && arc->NextArc())
                arc->NextArc()->Draw();
            if ((arc->What & 1) && arc->PrevArc())
                arc->PrevArc()->Draw();
        }
        sel->Draw();
    }
    if (LastPoint == DownPoint && !withShift) {
        m_net->SetModeOfAll(omSelected, 1);
        const bool first = (shift & Qt::AltModifier) != 0;
        sel = m_net->FindAt(DownPoint.x, DownPoint.y, okAll, first);
        SetSelected(sel);
        if (sel) {
            sel->Record(ukChanged);
            sel->Mode = omSelected;
            TDrawingObjects::HitCount = 1;
        }
    } else {
        if (withShift) {
            // Toggling an object off leaves no record of its own; undo must select it again.
            const std::int32_t x1 = std::min(DownPoint.x, LastPoint.x);
            const std::int32_t x2 = std::max(DownPoint.x, LastPoint.x);
            const std::int32_t y1 = std::min(DownPoint.y, LastPoint.y);
            const std::int32_t y2 = std::max(DownPoint.y, LastPoint.y);
            for (const auto &obj : m_net->Objects())
                if (obj->Mode == omSelected && obj->IntersectsRect(x1, y1, x2, y2))
                    obj->Record(ukChanged);
        }
        sel = m_net->SelectInRect(DownPoint.x, DownPoint.y, LastPoint.x, LastPoint.y, !withShift);
        SetSelected(sel);
    }
    const std::int32_t hits = TDrawingObjects::HitCount;
    if (hits == 0) {
        EditState = esNone;
    } else if (hits == 1) {
        if (withShift) {
            EditState = esGroup;
            GroupSelection = true;
        } else {
            EditState = esSingle;
            m_canvas->SetPenColor(clBlack);
            if (sel)
                sel->Draw();
        }
    } else {
        EditState = esGroup;
        GroupSelection = true;
    }
    RepaintVisibleRect();
}

void TNet::DragRelease()
{
    m_net->SettleAll();
    TDrawingObject *sel = Selected();
    const std::int32_t step = m_net->UndoStep;
    if (m_main.EditorMode() == mdDragEdit && sel)
        m_net->StretchArcs(sel->Left() - DragOrigin.x, sel->Top() - DragOrigin.y);
    if (m_net->UndoStep == step) {
        m_net->SetModeOfAll(omDragged, 0);
    } else {
        // Arcs were routed anew in steps of their own. The objects' return from the drag
        // belongs to the drag's step, whose records already hold them as they were; recorded
        // in the routing step, undoing the routing would leave them dragged.
        for (const auto &obj : m_net->Objects())
            if (obj->Mode == omDragged) {
                obj->Mode = omSelected;
                obj->Draw();
            }
    }
    if (GroupSelection) {
        EditState = esGroup;
    } else {
        EditState = esSingle;
        m_canvas->SetPenColor(clBlack);
        if (sel && m_net->Owns(sel))
            sel->Draw();
    }
    Redraw();
}

void TNet::RightRelease(Qt::KeyboardModifiers shift)
{
    TDrawingObject *hit
        = m_net->FindAt(DownPoint.x, DownPoint.y, okAll, (shift & Qt::AltModifier) != 0);
    SetSelected(hit);
    if (hit) {
        if (m_main.EditorMode() == mdArcWizard && MarkerShown)
            HideArcMarker();
        if (ConnectionsStale)
            RecomputeConnections();
        return;
    }
    if (Program().NetProperties)
        Program().NetProperties->Execute(*m_net);
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Object information

QString TNet::ObjectInfo(std::int32_t x, std::int32_t y)
{
    RecomputeConnections();
    TDrawingObject *obj = m_net->FindAt(x, y, okAll, true);
    if (!obj)
        return {};
    const std::string cr = "\r\n", n = "\n\r";
    std::string text = "Transitions=" + std::to_string(m_net->Transitions().size()) + n
        + "Positions=" + std::to_string(m_net->Positions().size()) + n
        + "Arcs=" + std::to_string(m_net->Arcs().size()) + n
        + "Components=" + std::to_string(m_net->Count()) + n;
    switch (obj->Kind()) {
    case okPosition: {
        auto *p = static_cast<TPosition *>(obj);
        text += "Position " + p->selfLabel() + " is connected " + cr;
        if (p->InArc() && p->InArc()->FromNode())
            text += "In   : " + p->InArc()->FromNode()->selfLabel() + cr;
        if (p->OutArc() && p->OutArc()->ToNode())
            text += "Out : " + p->OutArc()->ToNode()->selfLabel() + cr;
        break;
    }
    case okTransition: {
        auto *t = static_cast<TTransition *>(obj);
        text += "Transition " + t->selfLabel() + " is connected " + cr + cr + "In   :";
        for (const auto &w : t->InArcs)
            if (auto a = w.lock())
                if (auto *from = static_cast<TArc &>(*a).FromNode())
                    text += " " + from->selfLabel();
        text += cr + "Out  :";
        for (const auto &w : t->OutArcs)
            if (auto a = w.lock())
                if (auto *to = static_cast<TArc &>(*a).ToNode())
                    text += " " + to->selfLabel();
        break;
    }
    default: {
        auto *a = static_cast<TArc *>(obj);
        text += std::string(a->NextArc() ? "*" : "") + " Arc " + (a->PrevArc() ? "*" : "");
        if (a->FromNode())
            text += cr + "From   : " + a->FromNode()->selfLabel() + cr;
        if (a->ToNode())
            text += "To   : " + a->ToNode()->selfLabel() + cr;
        break;
    }
    }
    return QString::fromStdString(text);
}

void TNet::ShowObjectInfo(std::int32_t x, std::int32_t y)
{
    const QString text = ObjectInfo(x, y);
    if (text.isEmpty())
        return;
    QMessageBox box(
        QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, this);
    box.setObjectName("ObjectInfo");
    box.exec();
}

// ---------------------------------------------------------------------------------------------
// Keys

QPoint TNet::PointerClient() const
{
    return viewport()->mapFromGlobal(QCursor::pos());
}

void TNet::MovePointer(QPoint client, Qt::KeyboardModifiers shift, bool snap)
{
    if (snap) {
        // Snapped in net pixels, so that the pointer lands on the net's grid lines.
        const TPoint p = NetPoint(client);
        client = { SnapX(p.x) - HorzPosition(), SnapY(p.y) - VertPosition() };
    }
    const QRect area(0, 0, viewport()->width(), viewport()->height());
    if (!area.contains(client))
        return;
    QCursor::setPos(viewport()->mapToGlobal(client));
    if (shift & Qt::ShiftModifier)
        FormMouseMove(Buttons, shift, client);
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
    const QPoint c = PointerClient();
    const int right = viewport()->width() - 1, bottom = viewport()->height() - 1;
    const std::int32_t gx = Globals().xGrid * factor, gy = Globals().yGrid * factor;
    switch (key) {
    case Qt::Key_Insert:
        KeyDrag = true;
        FormMouseDown(Qt::LeftButton, shift, c);
        break;
    case Qt::Key_Space:
        // Only the right button is released by the key's release; a left press here would
        // leave the button held and a drag running.
        FormMouseDown(Qt::RightButton, shift, c);
        break;
    case Qt::Key_Escape:
        m_main.SetMode(mdEdit);
        break;
    case Qt::Key_Clear:
        MovePointer({ right / 2 - 3, bottom / 2 - 3 }, {}, false);
        break;
    case Qt::Key_PageUp:
        MovePointer({ SnapX(c.x()), 0 }, {}, false);
        break;
    case Qt::Key_PageDown:
        MovePointer({ SnapX(c.x()), bottom }, {}, false);
        break;
    case Qt::Key_Home:
        MovePointer({ 0, SnapY(c.y()) }, {}, false);
        break;
    case Qt::Key_End:
        MovePointer({ right, SnapY(c.y()) }, {}, false);
        break;
    case Qt::Key_Left:
        MovePointer({ c.x() - gx, c.y() }, shift, true);
        break;
    case Qt::Key_Right:
        MovePointer({ c.x() + gx, c.y() }, shift, true);
        break;
    case Qt::Key_Up:
        MovePointer({ c.x(), c.y() - gy }, shift, true);
        break;
    case Qt::Key_Down:
        MovePointer({ c.x(), c.y() + gy }, shift, true);
        break;
    case Qt::Key_I: {
        const TPoint p = NetPoint(c);
        ShowObjectInfo(p.x, p.y);
        break;
    }
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

void TNet::FormKeyUp(int key, Qt::KeyboardModifiers shift)
{
    switch (key) {
    case Qt::Key_Insert:
        KeyDrag = false;
        FormMouseUp(Qt::LeftButton, shift, PointerClient());
        break;
    case Qt::Key_Space:
        FormMouseUp(Qt::RightButton, shift, PointerClient());
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (shift & Qt::ShiftModifier)
            FormMouseMove(Buttons, shift, PointerClient());
        break;
    default:
        break;
    }
}

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
    // A held Insert or Space is one held button, not a run of presses.
    if (event->isAutoRepeat() && (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Space))
        return;
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
