// SPDX-License-Identifier: MIT
#include "routing/path_finder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace morvane {

namespace {

enum TEntry : std::uint8_t { Enter, Refuse, RefuseAndRecord };

// What a move into a cell of each code does. A refusal is recorded where relaxing the code by 3
// would let a later pass cross the arc at a right angle.
constexpr std::array<TEntry, 256> MakeEntryTable(bool horizontal)
{
    std::array<TEntry, 256> table {};
    for (auto &entry : table)
        entry = Refuse;
    table[0] = Enter;
    table[7] = Enter;
    table[horizontal ? 6 : 5] = Enter;
    table[horizontal ? 3 : 2] = RefuseAndRecord;
    table[4] = RefuseAndRecord;
    return table;
}

constexpr std::array<TEntry, 256> HorizontalEntry = MakeEntryTable(true);
constexpr std::array<TEntry, 256> VerticalEntry = MakeEntryTable(false);

constexpr std::uint8_t NodeCode = 1;
constexpr std::uint8_t RelaxStep = 3;
// Keeps cell indices in the wave lists in 32 bits.
constexpr std::size_t MaxCells = std::size_t { 1 } << 30;

} // namespace

void TNode::DropRedundant()
{
    std::size_t kept = 0;
    for (const TCellPoint &p : m_Points) {
        if (kept > 0 && m_Points[kept - 1] == p)
            continue;
        if (kept > 1) {
            const TCellPoint &a = m_Points[kept - 2];
            const TCellPoint &b = m_Points[kept - 1];
            if ((a.X == b.X && b.X == p.X) || (a.Y == b.Y && b.Y == p.Y))
                --kept;
        }
        m_Points[kept++] = p;
    }
    m_Points.resize(kept);
}

TPathFinder::TPathFinder(std::int32_t gridWidth, std::int32_t gridHeight)
    : m_Width(std::max(gridWidth, 0))
    , m_Height(std::max(gridHeight, 0))
    , m_Stride(static_cast<std::size_t>(m_Width) + 2)
{
    const std::size_t cells = m_Stride * (static_cast<std::size_t>(m_Height) + 2);
    if (cells > MaxCells)
        throw std::length_error("path finder grid too large");
    m_Grid.assign(cells, 0);
    m_Dist.assign(cells, 0);
    m_Labelled.assign((cells + 63) / 64, 0);
    std::fill_n(m_Grid.begin(), m_Stride, NodeCode);
    std::fill_n(m_Grid.end() - static_cast<std::ptrdiff_t>(m_Stride), m_Stride, NodeCode);
    for (std::int32_t y = 0; y < m_Height; ++y) {
        m_Grid[Index(-1, y)] = NodeCode;
        m_Grid[Index(m_Width, y)] = NodeCode;
    }
}

void TPathFinder::Clear()
{
    const auto clearRows = [this](const TRect &r) {
        const std::size_t width = static_cast<std::size_t>(r.X2 - r.X1) + 1;
        for (std::int32_t y = r.Y1; y <= r.Y2; ++y)
            std::memset(&m_Grid[Index(r.X1, y)], 0, width);
    };
    if (m_DirtyAll) {
        if (m_Width > 0 && m_Height > 0)
            clearRows({ 0, 0, m_Width - 1, m_Height - 1 });
    } else {
        for (const TRect &r : m_Dirty)
            clearRows(r);
    }
    m_Dirty.clear();
    m_DirtyArea = 0;
    m_DirtyAll = false;
    ClearLabels();
}

void TPathFinder::FillRect(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint8_t code)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_Width - 1);
    y2 = std::min(y2, m_Height - 1);
    if (x1 > x2 || y1 > y2 || code == 0)
        return;

    if (!m_DirtyAll) {
        m_DirtyArea
            += static_cast<std::uint64_t>(x2 - x1 + 1) * static_cast<std::uint64_t>(y2 - y1 + 1);
        if (m_DirtyArea
            >= static_cast<std::uint64_t>(m_Width) * static_cast<std::uint64_t>(m_Height)) {
            m_DirtyAll = true;
            m_Dirty.clear();
        } else {
            m_Dirty.push_back({ x1, y1, x2, y2 });
        }
    }
    for (std::int32_t y = y1; y <= y2; ++y) {
        std::uint8_t *row = &m_Grid[Index(x1, y)];
        for (std::int32_t i = 0; i <= x2 - x1; ++i)
            row[i] = row[i] != 0 ? row[i] : code;
    }
}

std::uint8_t TPathFinder::Code(std::int32_t x, std::int32_t y) const
{
    return InGrid(x, y) ? m_Grid[Index(x, y)] : NodeCode;
}

std::int32_t TPathFinder::Dist(std::int32_t x, std::int32_t y) const
{
    return InGrid(x, y) ? LabelAt(Index(x, y)) : 0;
}

void TPathFinder::ClearLabels()
{
    std::fill(m_Labelled.begin(), m_Labelled.end(), 0);
}

bool TPathFinder::FindPath(
    std::int32_t startX, std::int32_t startY, std::int32_t targetX, std::int32_t targetY)
{
    ClearLabels();
    if (!InGrid(startX, startY) || !InGrid(targetX, targetY))
        return false;
    const std::size_t start = Index(startX, startY);
    const std::size_t target = Index(targetX, targetY);
    if (m_Grid[start] == NodeCode || m_Grid[target] == NodeCode)
        return false;
    // The target may lie on an arc piece (the end of the arc being routed) and must be enterable
    // from every side.
    m_Grid[target] = 0;

    m_StartX = startX;
    m_StartY = startY;
    m_TargetX = targetX;
    m_TargetY = targetY;
    m_TargetIndex = target;
    m_CurrentWave.clear();
    m_NextWave.clear();
    m_Blocked.clear();
    m_Pass = 0;
    // A wave never re-enters its own start, so no number of passes would find this route.
    if (start == target)
        return false;

    // A failing pass leaves its labelled cells as the reached area, which only grows from pass
    // to pass: each later pass spreads from the crossings just relaxed alone, and one full wave
    // then labels the cells for the trace (or, after a failure, as the last pass would).
    if (!Propagate()) {
        do {
            ++m_Pass;
            if (m_Pass > m_MaxPasses || !Relax()) {
                if (m_Pass > 1)
                    Propagate();
                return false;
            }
        } while (!Spread());
        Propagate();
    }
    m_PathLength = m_Wave - 2;
    return Trace();
}

inline bool TPathFinder::Enters(std::uint32_t next, int k, std::uint32_t start)
{
    std::uint64_t &bits = m_Labelled[next >> 6];
    const std::uint64_t bit = std::uint64_t(1) << (next & 63);
    // Of the reached cells only the start can hold an arc that records a refusal (the others
    // were entered by the same rules), so the code of a reached cell is read for the start alone.
    if ((bits & bit) != 0 && next != start)
        return false;
    const TEntry entry = (k < 2 ? HorizontalEntry : VerticalEntry)[m_Grid[next]];
    if (entry == RefuseAndRecord)
        m_Blocked.push_back(next);
    if (entry != Enter || (bits & bit) != 0)
        return false;
    bits |= bit;
    return true;
}

bool TPathFinder::Spread()
{
    const std::uint32_t start = static_cast<std::uint32_t>(Index(m_StartX, m_StartY));
    const std::uint32_t target = static_cast<std::uint32_t>(m_TargetIndex);
    const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(m_Stride);
    const std::uint32_t offsets[4]
        = { std::uint32_t(-1), 1U, std::uint32_t(-stride), std::uint32_t(stride) };
    // The order of the visits does not matter here: a failing pass visits every reachable cell
    // once and its refusals do not depend on the order.
    while (!m_CurrentWave.empty()) {
        const std::uint32_t cell = m_CurrentWave.back();
        m_CurrentWave.pop_back();
        for (int k = 0; k < 4; ++k) {
            const std::uint32_t next = cell + offsets[k];
            if (!Enters(next, k, start))
                continue;
            if (next == target) {
                m_CurrentWave.clear();
                return true;
            }
            m_CurrentWave.push_back(next);
        }
    }
    return false;
}

bool TPathFinder::Propagate()
{
    ClearLabels();
    const std::uint32_t target = static_cast<std::uint32_t>(m_TargetIndex);
    const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(m_Stride);
    std::int32_t *const dist = m_Dist.data();
    std::uint64_t *const labelled = m_Labelled.data();

    m_CurrentWave.clear();
    m_NextWave.clear();
    const std::uint32_t start = static_cast<std::uint32_t>(Index(m_StartX, m_StartY));
    m_CurrentWave.push_back(start);
    dist[start] = 1;
    labelled[start >> 6] |= std::uint64_t(1) << (start & 63);
    m_Wave = 2;
    bool found = false;

    // Neighbours left, right, above, below, the first two by the horizontal rule.
    const std::uint32_t offsets[4]
        = { std::uint32_t(-1), 1U, std::uint32_t(-stride), std::uint32_t(stride) };
    for (;;) {
        const std::int32_t wave = m_Wave;
        for (const std::uint32_t cell : m_CurrentWave) {
            for (int k = 0; k < 4; ++k) {
                const std::uint32_t next = cell + offsets[k];
                if (!Enters(next, k, start))
                    continue;
                dist[next] = wave;
                m_NextWave.push_back(next);
                // A cell that reaches the target leaves its other neighbours alone.
                if (next == target) {
                    found = true;
                    break;
                }
            }
        }
        m_CurrentWave.clear();
        ++m_Wave;
        if (m_NextWave.empty())
            return false;
        std::swap(m_CurrentWave, m_NextWave);
        if (found)
            return true;
    }
}

bool TPathFinder::Relax()
{
    if (m_Blocked.empty())
        return false;
    // A cell refused from two sides gains twice and leaves the crossable codes for good.
    for (const std::uint32_t cell : m_Blocked)
        m_Grid[cell] = static_cast<std::uint8_t>(m_Grid[cell] + RelaxStep);
    // Every cell refused once now lets the wave in from the cell that was refused it; the areas
    // behind these crossings are all the next pass adds to the reached cells.
    for (const std::uint32_t cell : m_Blocked) {
        std::uint64_t &bits = m_Labelled[cell >> 6];
        const std::uint64_t bit = std::uint64_t(1) << (cell & 63);
        if (m_Grid[cell] <= 7 && (bits & bit) == 0) {
            bits |= bit;
            m_CurrentWave.push_back(cell);
        }
    }
    m_Blocked.clear();
    return true;
}

void TPathFinder::Step(TDirection &tracer) const
{
    const auto moveTo = [&tracer](std::int32_t dx, std::int32_t dy) {
        tracer.X += dx;
        tracer.Y += dy;
        --tracer.SeekLabel;
        tracer.Misses = 0;
    };
    const auto labelled = [&](std::int32_t dx, std::int32_t dy) {
        return LabelAt(Index(tracer.X + dx, tracer.Y + dy)) == tracer.SeekLabel;
    };
    // Labels alone would also lead along a relaxed arc: a cell of a horizontal arc labelled from
    // above next to one labelled from above a wave later. Only a neighbour from which the wave
    // may enter the tracer's cell counts, so the route crosses arcs and never runs along them.
    const std::uint8_t code = m_Grid[Index(tracer.X, tracer.Y)];
    if (tracer.Horizontal) {
        ++tracer.Misses;
        const bool across = HorizontalEntry[code] == Enter;
        if (across && labelled(-1, 0))
            return moveTo(-1, 0);
        if (across && labelled(1, 0))
            return moveTo(1, 0);
        tracer.Points.Add(tracer.X, tracer.Y);
        tracer.Horizontal = false;
    }
    ++tracer.Misses;
    const bool upright = VerticalEntry[code] == Enter;
    if (upright && labelled(0, -1))
        return moveTo(0, -1);
    if (upright && labelled(0, 1))
        return moveTo(0, 1);
    tracer.Points.Add(tracer.X, tracer.Y);
    tracer.Horizontal = true;
}

bool TPathFinder::Trace()
{
    TDirection h;
    h.X = m_TargetX;
    h.Y = m_TargetY;
    h.SeekLabel = LabelAt(m_TargetIndex) - 1;
    h.Horizontal = true;
    h.Points.Add(m_TargetX, m_TargetY);
    TDirection v = h;
    v.Horizontal = false;

    m_Path.Clear();
    m_Path.Add(m_TargetX, m_TargetY);
    const auto commit = [&](const TDirection &tracer) {
        m_Path.Append(tracer.Points);
        m_Path.Add(tracer.X, tracer.Y);
        h.Points.Clear();
        v.Points.Clear();
    };

    // Where the tracers coincide with as many corners each, the choice between them is put off
    // to the label below (Meet), where the one still going in the orientation of H at the
    // meeting (Preferred) wins.
    std::int32_t meet = 0;
    bool preferred = true;
    while (h.SeekLabel != 0 || v.SeekLabel != 0) {
        h.Waiting = h.SeekLabel < v.SeekLabel;
        v.Waiting = v.SeekLabel < h.SeekLabel;
        if (h.Misses > 2 || v.Misses > 2)
            return false;
        if (!h.Waiting)
            Step(h);
        if (!v.Waiting)
            Step(v);
        if (h.SeekLabel == meet && v.SeekLabel == meet) {
            if (h.Horizontal == v.Horizontal)
                commit(h.Horizontal == preferred ? h : v);
            else
                meet = 0;
        }
        if (h.X == v.X && h.Y == v.Y) {
            if (h.Points.Count() < v.Points.Count())
                commit(h);
            else if (v.Points.Count() < h.Points.Count())
                commit(v);
            else if (meet == 0) {
                meet = h.SeekLabel - 1;
                preferred = h.Horizontal;
            }
        }
    }
    m_Path.Append(h.Points);
    m_Path.Add(m_StartX, m_StartY);
    m_Path.DropRedundant();
    return true;
}

bool TPathFinder::IsColumnBlocked(std::int32_t x, std::int32_t y1, std::int32_t y2) const
{
    if (y1 > y2)
        std::swap(y1, y2);
    if (x < 0 || x >= m_Width)
        return false;
    y1 = std::max(y1, 0);
    y2 = std::min(y2, m_Height - 1);
    for (std::int32_t y = y1; y <= y2; ++y) {
        if (m_Grid[Index(x, y)] != 0)
            return true;
    }
    return false;
}

std::int32_t TPathFinder::FreeRunEnd(std::int32_t anchor, std::int32_t otherAnchor,
    std::int32_t row, std::int32_t towards, bool strict) const
{
    const std::int32_t a = strict ? anchor : otherAnchor;
    std::int32_t result = a;
    const auto visit = [&](std::int32_t x) {
        const std::uint8_t code = Code(x, row);
        if (code == 0 && result == a)
            result = x;
        else if (strict ? code != 0 : code == NodeCode)
            result = a;
    };
    // When a = towards both scans visit that one cell.
    if (a <= towards) {
        for (std::int64_t x = towards; x >= a; --x)
            visit(static_cast<std::int32_t>(x));
    }
    if (a >= towards) {
        for (std::int64_t x = towards; x <= a; ++x)
            visit(static_cast<std::int32_t>(x));
    }
    return result;
}

std::int32_t TPathFinder::ScanToFree(std::int32_t x, std::int32_t direction, std::int32_t row) const
{
    if (!InGrid(x, row))
        return x;
    const std::int32_t step = direction > 0 ? 1 : -1;
    for (std::int32_t i = x; i >= 0 && i < m_Width; i += step) {
        const std::uint8_t code = m_Grid[Index(i, row)];
        if (code == 0)
            return i;
        if (code == NodeCode)
            return x;
    }
    return x;
}

} // namespace morvane
