// SPDX-License-Identifier: MIT
#include "routing/auto_route.h"

#include "model/drawing_objects.h"
#include "model/placing.h"
#include "options/display_globals.h"
#include "routing/path_finder.h"

#include <algorithm>
#include <memory>

namespace morvane {

namespace {

std::int32_t Sign(std::int32_t v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

// The two end objects and their stubs.
struct TRouteEnds
{
    TDrawingObject *Start = nullptr;
    TDrawingObject *End = nullptr;
    std::int32_t StartSide = 0, StartStub = 0, StartStubEnd = 0;
    std::int32_t EndSide = 0, EndStub = 0, EndStubEnd = 0;
    // The nodes face each other too closely for stubs: one straight piece joins them.
    bool Joined = false;
    // The route grid is filled, and no object has changed since.
    bool GridBuilt = false;
};

bool IsTransition(const TDrawingObject *o)
{
    return o->Kind() == okTransition;
}

// A point on a node's middle column faces neither side; it is taken one pixel towards the other
// end, so that the arc leaves from the side facing it.
void OffMiddle(const TDrawingObject &node, std::int32_t &x, std::int32_t other)
{
    std::int32_t probe = x;
    if (node.AttachX(probe, 0) == x && node.AttachX(probe, 1) == x)
        x += other < x ? -1 : 1;
}

void PrepareRouteEnds(TDrawingObjects &net, std::int32_t &x1, std::int32_t &y1, std::int32_t &x2,
    std::int32_t &y2, TRouteEnds &e)
{
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
    if (e.Start)
        OffMiddle(*e.Start, x1, x2);
    if (e.End)
        OffMiddle(*e.End, x2, x1);
    // An end without a stub of its own gets a stub piece of no length, which is never drawn.
    e.StartSide = e.StartStub = e.StartStubEnd = x1;
    e.EndSide = e.EndStub = e.EndStubEnd = x2;

    if (e.Start) {
        e.StartSide = e.Start->AttachX(x1, 0);
        const std::int32_t d = IsTransition(e.Start) ? gx + e.Start->Width() / 2 : gx;
        e.StartStub = e.StartStubEnd = e.Start->AttachX(x1, d);
    }
    if (e.End) {
        e.EndSide = e.End->AttachX(x2, 0);
        const std::int32_t d = IsTransition(e.End) ? e.End->Width() / 2 + gx : 2 * gx;
        e.EndStub = e.EndStubEnd = e.End->AttachX(x2, d);
    }

    if (e.Start && e.End && Sign(x2 - x1) == Sign(e.StartStub - x1)
        && Sign(x2 - x1) == Sign(x2 - e.EndStub)) {
        const std::int32_t mid = (e.StartStub + e.EndStub) / 2;
        net.BuildRouteGrid();
        e.GridBuilt = true;
        const TPathFinder &pf = *net.PathFinder;
        e.StartStubEnd
            = pf.FreeRunEnd(e.StartStub / gx, e.EndStub / gx, y1 / gy, mid / gx, true) * gx;
        e.EndStubEnd
            = pf.FreeRunEnd(e.StartStub / gx, e.EndStub / gx, y2 / gy, mid / gx, false) * gx;
        if (std::abs(e.StartSide - e.StartStubEnd) + std::abs(e.EndSide - e.EndStubEnd)
            > std::abs(e.EndSide - e.StartSide)) {
            if (y1 != y2) {
                if (IsTransition(e.End))
                    y2 = y1;
                else if (IsTransition(e.Start))
                    y1 = y2;
            }
            AddArcPieceAt(net, e.StartSide, SnapY(y1), e.EndSide, SnapY(y2));
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
        e.GridBuilt = true;
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

} // namespace

TAutoRouteResult AutoRouteArc(
    TDrawingObjects &net, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const std::size_t oldCount = net.Count();
    TRouteEnds e;
    PrepareRouteEnds(net, x1, y1, x2, y2, e);
    if (!e.Joined) {
        const bool found
            = e.GridBuilt ? net.RouteOnBuiltGrid(x1, y1, x2, y2) : net.Route(x1, y1, x2, y2);
        if (found) {
            const TDisplayGlobals &g = Globals();
            // Path() runs from the target back to the start.
            const std::vector<TCellPoint> cells = net.PathFinder->Path().Points();
            for (std::size_t i = cells.size(); i > 1; --i)
                AddArcPieceAt(net, cells[i - 1].X * g.xGrid, cells[i - 1].Y * g.yGrid,
                    cells[i - 2].X * g.xGrid, cells[i - 2].Y * g.yGrid);
        }
        if (found || x1 == x2) {
            // The stubs meet their nodes where the nodes are, on the grid or not.
            if (e.Start)
                AddArcPieceAt(net, e.StartSide, SnapY(y1), SnapX(e.StartStubEnd), SnapY(y1));
            if (e.End)
                AddArcPieceAt(net, SnapX(e.EndStubEnd), SnapY(y2), e.EndSide, SnapY(y2));
        }
    }
    std::vector<std::weak_ptr<TDrawingObject>> added;
    for (std::size_t i = oldCount; i < net.Count(); ++i)
        added.push_back(net.Objects()[i]);
    // The object before the new ones takes part too: an arc drawn just before may continue.
    for (std::size_t i = oldCount > 0 ? oldCount - 1 : 0; i < net.Count(); ++i)
        if (net.Object(i)->Kind() == okArc)
            static_cast<TArc *>(net.Object(i))->ArcFlags |= 16;
    net.ResolveMarked();
    TAutoRouteResult result;
    for (const auto &w : added)
        if (auto obj = w.lock(); obj && net.Owns(obj.get()))
            result.Pieces.push_back({ obj->Left(), obj->Top(), obj->Right(), obj->Bottom() });
    return result;
}

} // namespace morvane
