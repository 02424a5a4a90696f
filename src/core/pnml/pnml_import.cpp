// SPDX-License-Identifier: MIT
#include "pnml/pnml_import.h"

#include "pnml/pnml_layout.h"
#include "pnml/pnml_notes.h"
#include "pnml/pnml_reader.h"

#include "model/drawing_objects.h"
#include "model/placing.h"
#include "model/spatial_index.h"
#include "options/display_globals.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace morvane {

namespace {

// The distance an arc between two nodes typically gets in the editor; the median arc of a drawn
// net is scaled to it.
constexpr double kArcSpacing = 128;
constexpr double kMinScale = 0.25, kMaxScale = 8;
// Room left of and above the drawing.
constexpr double kMargin = 64;
// The drawing is kept within this many pixels either way.
constexpr double kMaxExtent = 1 << 22;

using TPoint32 = std::pair<std::int32_t, std::int32_t>;

double MedianArcLength(const TPnmlNet &net)
{
    std::vector<double> lengths;
    for (const TPnmlArc &a : net.Arcs) {
        const TPnmlNode &s = net.Nodes[a.Source], &t = net.Nodes[a.Target];
        if (s.HasPosition && t.HasPosition)
            lengths.push_back(std::hypot(s.Position.X - t.Position.X, s.Position.Y - t.Position.Y));
    }
    if (lengths.empty())
        return 0;
    auto mid = lengths.begin() + std::ptrdiff_t(lengths.size() / 2);
    std::nth_element(lengths.begin(), mid, lengths.end());
    return *mid;
}

// The scale at which no two nodes overlap (with a gap between them), up to kMaxScale: nodes are
// swept in the order of x and compared with the few that follow within reach.
double SeparatingScale(const TPnmlNet &net, double scale)
{
    const TDisplayGlobals &g = Globals();
    constexpr double kGap = 16;
    struct Item
    {
        double X, Y, HalfW, HalfH;
    };
    std::vector<Item> items;
    for (const TPnmlNode &n : net.Nodes)
        if (n.HasPosition)
            items.push_back({ n.Position.X, n.Position.Y, (n.IsPlace ? g.XPsize : g.XTsize) / 2.0,
                (n.IsPlace ? g.YPsize : g.YTsize) / 2.0 });
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) { return a.X < b.X; });
    constexpr std::size_t kReach = 64;
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size() && j <= i + kReach; ++j) {
            const Item &a = items[i], &b = items[j];
            const double needX = a.HalfW + b.HalfW + kGap, needY = a.HalfH + b.HalfH + kGap;
            const double dx = b.X - a.X, dy = std::fabs(b.Y - a.Y);
            if (dx * scale >= needX)
                break;
            if (dy * scale >= needY || (dx == 0 && dy == 0))
                continue;
            const double wanted
                = std::min(dx > 0 ? needX / dx : kMaxScale, dy > 0 ? needY / dy : kMaxScale);
            scale = std::min(kMaxScale, std::max(scale, wanted));
        }
    return scale;
}

// A label of one line: names may hold line breaks.
std::string LabelOf(const std::string &name)
{
    std::string label = name;
    std::replace(label.begin(), label.end(), '\n', ' ');
    std::replace(label.begin(), label.end(), '\r', ' ');
    return label;
}

// A name with a digit splits where labels split, before its first digit; a name without one is
// all base, where a label would take its last letter for the index.
void SetLabel(TDrawingObject &node, const std::string &label)
{
    node.SetselfLabel(label);
    if (std::none_of(label.begin(), label.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        node.SetIndex({});
        node.SetBase(label);
    }
}

// The point where an arc leaves or enters a node, facing the neighbouring point of the chain:
// a transition's bar at the height of that point (within the bar), a position's side or top or
// bottom.
TPoint32 EndOn(const TDrawingObject &node, TPoint32 towards)
{
    const std::int32_t cx = node.Left() + node.Width() / 2, cy = node.Top() + node.Height() / 2;
    if (node.Kind() == okTransition) {
        const std::int32_t head = Globals().XTsize / 2;
        const std::int32_t lo = std::min(node.Top() + head, node.Bottom());
        return { cx, std::clamp(SnapY(towards.second), lo, node.Bottom()) };
    }
    const std::int64_t dx = std::int64_t(towards.first) - cx,
                       dy = std::int64_t(towards.second) - cy;
    if (std::llabs(dx) >= std::llabs(dy))
        return { dx >= 0 ? node.Right() : node.Left(), cy };
    return { cx, dy >= 0 ? node.Bottom() : node.Top() };
}

class TBuilder
{
public:
    TBuilder(TDrawingObjects &doc, const TPnmlNet &net, std::vector<std::string> &report)
        : m_doc(doc)
        , m_net(net)
        , m_report(report)
    {
    }
    TPnmlImportCounts Build();

private:
    TPnmlPlacement Placement();
    void PlaceNodes(const TPnmlPlacement &placement);
    void AddArc(
        const TPnmlArc &arc, const std::vector<TPnmlPoint> &routed, const TSpatialIndex &index);
    void AddPiece(TPoint32 from, TPoint32 to, bool arrowed);
    TPoint32 Scaled(TPnmlPoint p) const;

    TDrawingObjects &m_doc;
    const TPnmlNet &m_net;
    std::vector<std::string> &m_report;
    std::vector<TDrawingObject *> m_nodes;
    std::vector<TPnmlNotes> m_notes;
    double m_scale = 1, m_x0 = 0, m_y0 = 0;
    TPnmlImportCounts m_counts;
    std::size_t m_droppedBends = 0, m_skippedArcs = 0;
};

TPoint32 TBuilder::Scaled(TPnmlPoint p) const
{
    if (m_net.Own)
        return { std::int32_t(p.X), std::int32_t(p.Y) };
    return { SnapX(std::int32_t(std::lround((p.X - m_x0) * m_scale + kMargin))),
        SnapY(std::int32_t(std::lround((p.Y - m_y0) * m_scale + kMargin))) };
}

TPnmlPlacement TBuilder::Placement()
{
    TPnmlPlacement placement;
    const std::size_t n = m_net.Nodes.size();
    placement.Centres.resize(n);
    placement.Placed.resize(n, false);
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool any = false;
    for (const TPnmlNode &node : m_net.Nodes)
        if (node.HasPosition) {
            const TPnmlPoint p = node.Position;
            minX = any ? std::min(minX, p.X) : p.X;
            minY = any ? std::min(minY, p.Y) : p.Y;
            maxX = any ? std::max(maxX, p.X) : p.X;
            maxY = any ? std::max(maxY, p.Y) : p.Y;
            any = true;
        }
    if (!m_net.Own) {
        const double median = MedianArcLength(m_net);
        m_scale = median > 0 ? std::clamp(kArcSpacing / median, kMinScale, kMaxScale) : 1;
        m_scale = SeparatingScale(m_net, m_scale);
        const double span = std::max(maxX - minX, maxY - minY);
        if (span * m_scale > kMaxExtent) {
            m_scale = kMaxExtent / span;
            m_report.push_back("the drawing is very large; it was shrunk to fit the page");
        }
        m_x0 = minX;
        m_y0 = minY;
    }
    for (std::size_t i = 0; i < n; ++i)
        if (m_net.Nodes[i].HasPosition) {
            const TPoint32 c = Scaled(m_net.Nodes[i].Position);
            placement.Centres[i] = { double(c.first), double(c.second) };
            placement.Placed[i] = true;
        }
    m_counts.LaidOut = LayOutUnplaced(m_net, placement, kArcSpacing);
    return placement;
}

void TBuilder::PlaceNodes(const TPnmlPlacement &placement)
{
    const TDisplayGlobals &g = Globals();
    std::unordered_map<std::string, std::size_t> labels;
    std::size_t duplicates = 0;
    std::string firstDuplicate;
    m_nodes.reserve(m_net.Nodes.size());
    for (std::size_t i = 0; i < m_net.Nodes.size(); ++i) {
        const TPnmlNode &node = m_net.Nodes[i];
        const std::int32_t cx = std::int32_t(placement.Centres[i].X);
        const std::int32_t cy = std::int32_t(placement.Centres[i].Y);
        TPnmlNotes notes;
        notes.Id = node.Id;
        notes.Tools = node.Tools;
        TDrawingObject *obj;
        if (node.IsPlace) {
            TPosition &p = PlacePosition(m_doc, cx - g.XPsize / 2, cy - g.YPsize / 2);
            notes.Marking = node.Marking;
            if (node.Own.Present) {
                p.Priority = node.Own.Priority;
                p.Capacity = node.Own.Capacity;
            }
            obj = &p;
            ++m_counts.Positions;
        } else {
            TTransition &t = PlaceTransition(m_doc, cx - g.XTsize / 2, cy - g.YTsize / 2);
            if (node.Own.Present)
                t.Priority = node.Own.Priority;
            obj = &t;
            ++m_counts.Transitions;
        }
        if (node.Own.Present) {
            const std::int32_t h = node.Own.Height > 0 ? node.Own.Height : obj->Height();
            obj->SetLeft(node.Own.Left);
            obj->SetTop(node.Own.Top);
            obj->SetHeight(h);
            obj->SetRight(node.Own.Left + obj->Width());
            obj->SetBottom(node.Own.Top + h);
        }
        if (!node.Name.empty())
            SetLabel(*obj, LabelOf(node.Name));
        if (!labels.emplace(obj->selfLabel(), i).second && duplicates++ == 0)
            firstDuplicate = obj->selfLabel();
        m_notes.push_back(std::move(notes));
        m_nodes.push_back(obj);
    }
    if (duplicates)
        m_report.push_back(std::to_string(duplicates) + " node(s) share a label with another (\""
            + firstDuplicate + "\" first); the labels were kept");
}

void TBuilder::AddPiece(TPoint32 from, TPoint32 to, bool arrowed)
{
    auto arc = m_doc.Add<TArc>();
    arc->Init(Globals().ColorTable[19]);
    arc->SetLeft(from.first);
    arc->SetTop(from.second);
    arc->SetRight(to.first);
    arc->SetBottom(to.second);
    arc->UpdateExtent();
    arc->Arrowed = arrowed;
    ++m_counts.Pieces;
}

void TBuilder::AddArc(
    const TPnmlArc &arc, const std::vector<TPnmlPoint> &routed, const TSpatialIndex &index)
{
    const TDrawingObject &from = *m_nodes[arc.Source], &to = *m_nodes[arc.Target];
    // The file's bend points, else those of the layout's route (already in net pixels).
    std::vector<TPoint32> bends;
    for (const TPnmlPoint &b : arc.Bends)
        bends.push_back(Scaled(b));
    if (arc.Bends.empty())
        for (const TPnmlPoint &b : routed)
            bends.push_back(
                { SnapX(std::int32_t(std::lround(b.X))), SnapY(std::int32_t(std::lround(b.Y))) });
    std::vector<TPoint32> points;
    for (const TPoint32 &p : bends) {
        std::size_t at = 0;
        // A joint inside a node would end the chain there.
        if (index.FindNextAt(p.first, p.second, okNodes, at, nullptr)
            || (!points.empty() && points.back() == p)) {
            m_droppedBends += !arc.Bends.empty();
            continue;
        }
        points.push_back(p);
    }
    const TPoint32 toCentre { to.Left() + to.Width() / 2, to.Top() + to.Height() / 2 };
    TPoint32 start = EndOn(from, points.empty() ? toCentre : points.front());
    TPoint32 end = EndOn(to, points.empty() ? start : points.back());
    if (arc.HasEnds && m_net.Own) {
        start = { arc.X1, arc.Y1 };
        end = { arc.X2, arc.Y2 };
    }
    points.insert(points.begin(), start);
    points.push_back(end);
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 2) {
        ++m_skippedArcs;
        return;
    }
    for (std::size_t k = 0; k + 1 < points.size(); ++k)
        AddPiece(points[k], points[k + 1], k + 2 == points.size());
    ++m_counts.Arcs;
    if (!arc.Inscription.empty()) {
        const bool input = m_net.Nodes[arc.Source].IsPlace;
        const std::size_t t = input ? arc.Target : arc.Source;
        const std::string &label = (input ? from : to).selfLabel();
        (input ? m_notes[t].In : m_notes[t].Out).emplace_back(label, arc.Inscription);
    }
}

TPnmlImportCounts TBuilder::Build()
{
    const TPnmlPlacement placement = Placement();
    PlaceNodes(placement);
    {
        const TSpatialIndex index(m_doc);
        const std::vector<TPnmlPoint> none;
        for (std::size_t k = 0; k < m_net.Arcs.size(); ++k)
            AddArc(m_net.Arcs[k], k < placement.Bends.size() ? placement.Bends[k] : none, index);
    }
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        std::string &description = m_net.Nodes[i].IsPlace
            ? static_cast<TPosition *>(m_nodes[i])->Description
            : static_cast<TTransition *>(m_nodes[i])->Description;
        AppendPnmlNotes(description, m_notes[i]);
    }
    m_doc.NetName = m_net.Name.empty() ? m_net.Id : LabelOf(m_net.Name);
    if (m_net.Own) {
        m_doc.NetStart = m_net.Start;
        m_doc.NetDuration = m_net.Duration;
        m_doc.NetTimeStep = m_net.TimeStep;
    }
    m_doc.RebuildConnections();
    const TPoint corner = m_doc.BottomRightCorner();
    m_counts.Right = corner.x;
    m_counts.Bottom = corner.y;
    if (m_counts.LaidOut)
        m_report.push_back(
            std::to_string(m_counts.LaidOut) + " node(s) without coordinates were laid out");
    if (m_droppedBends)
        m_report.push_back(std::to_string(m_droppedBends)
            + " bend point(s) inside a node or on the point before were dropped");
    if (m_skippedArcs)
        m_report.push_back(
            std::to_string(m_skippedArcs) + " arc(s) between overlapping nodes were left out");
    return m_counts;
}

} // namespace

TPnmlImportCounts BuildPnmlNet(
    TDrawingObjects &doc, const TPnmlNet &net, std::vector<std::string> &report)
{
    return TBuilder(doc, net, report).Build();
}

TPnmlImport ImportPnmlFile(TDrawingObjects &doc, const std::string &path, const std::string &netId)
{
    TPnmlImport result;
    TPnmlNet net;
    TPnmlReadResult read = ReadPnmlFile(path, netId, net);
    if (!read.Ok) {
        result.Error = std::move(read.Error);
        return result;
    }
    result.Report = { "" };
    result.Report.insert(result.Report.end(), read.Report.begin(), read.Report.end());
    result.Counts = BuildPnmlNet(doc, net, result.Report);
    const TPnmlImportCounts &c = result.Counts;
    result.Report.front() = "Imported net \"" + net.Id
        + "\" from PNML: " + std::to_string(c.Positions) + " positions, "
        + std::to_string(c.Transitions) + " transitions, " + std::to_string(c.Arcs) + " arcs in "
        + std::to_string(c.Pieces) + " pieces";
    result.Ok = true;
    return result;
}

} // namespace morvane
