// SPDX-License-Identifier: MIT
#include "plain_path_finder.h"

#include <algorithm>

namespace morvane::test {

TPlainPathFinder::TPlainPathFinder(std::int32_t gridWidth, std::int32_t gridHeight)
    : GridWidth(std::max(gridWidth, 0))
    , GridHeight(std::max(gridHeight, 0))
{
    m_Dist.assign(static_cast<std::size_t>(GridWidth) * GridHeight, 0);
    m_Grid.assign(static_cast<std::size_t>(GridWidth) * GridHeight, 0);
}

bool TPlainPathFinder::Inside(std::int32_t x, std::int32_t y) const
{
    return x >= 0 && x < GridWidth && y >= 0 && y < GridHeight;
}

std::uint8_t TPlainPathFinder::Code(std::int32_t x, std::int32_t y) const
{
    if (!Inside(x, y))
        return 1;
    return m_Grid[static_cast<std::size_t>(y) * GridWidth + x];
}

std::int32_t TPlainPathFinder::Dist(std::int32_t x, std::int32_t y) const
{
    if (!Inside(x, y))
        return 0;
    return m_Dist[static_cast<std::size_t>(y) * GridWidth + x];
}

void TPlainPathFinder::Clear()
{
    std::fill(m_Dist.begin(), m_Dist.end(), 0);
    std::fill(m_Grid.begin(), m_Grid.end(), 0);
}

void TPlainPathFinder::FillRect(
    std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint8_t code)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 < 0)
        x1 = 0;
    if (y1 < 0)
        y1 = 0;
    if (x2 > GridWidth - 1)
        x2 = GridWidth - 1;
    if (y2 > GridHeight - 1)
        y2 = GridHeight - 1;
    for (std::int32_t y = y1; y <= y2; ++y) {
        for (std::int32_t x = x1; x <= x2; ++x) {
            if (m_Grid[static_cast<std::size_t>(y) * GridWidth + x] == 0)
                m_Grid[static_cast<std::size_t>(y) * GridWidth + x] = code;
        }
    }
}

bool TPlainPathFinder::FindPath(
    std::int32_t startX, std::int32_t startY, std::int32_t targetX, std::int32_t targetY)
{
    std::fill(m_Dist.begin(), m_Dist.end(), 0);
    if (!Inside(startX, startY) || !Inside(targetX, targetY))
        return false;
    if (Code(startX, startY) == 1 || Code(targetX, targetY) == 1)
        return false;
    m_Grid[static_cast<std::size_t>(targetY) * GridWidth + targetX] = 0;
    m_StartX = startX;
    m_StartY = startY;
    m_TargetX = targetX;
    m_TargetY = targetY;
    m_CurrentWave.clear();
    m_NextWave.clear();
    m_Blocked.clear();
    Pass = 0;
    while (!PropagationPass()) {
        Pass = Pass + 1;
        if (Pass > MaxPasses)
            return false;
        if (!Relax())
            return false;
    }
    PathLength = Wave - 2;
    return TraceRoute();
}

bool TPlainPathFinder::PropagationPass()
{
    std::fill(m_Dist.begin(), m_Dist.end(), 0);
    m_CurrentWave.clear();
    m_CurrentWave.push_back({ m_StartX, m_StartY });
    m_Dist[static_cast<std::size_t>(m_StartY) * GridWidth + m_StartX] = 1;
    Wave = 2;
    bool found = false;
    for (;;) {
        for (const auto &[x, y] : m_CurrentWave) {
            if (ExpandHorizontal(x - 1, y)) {
                found = true;
                continue;
            }
            if (ExpandHorizontal(x + 1, y)) {
                found = true;
                continue;
            }
            if (ExpandVertical(x, y - 1)) {
                found = true;
                continue;
            }
            if (ExpandVertical(x, y + 1))
                found = true;
        }
        m_CurrentWave.clear();
        Wave = Wave + 1;
        if (m_NextWave.empty())
            return false;
        for (const auto &cell : m_NextWave)
            m_CurrentWave.push_back(cell);
        m_NextWave.clear();
        if (found)
            return true;
    }
}

bool TPlainPathFinder::ExpandHorizontal(std::int32_t x, std::int32_t y)
{
    if (x < 0 || x >= GridWidth)
        return false;
    const std::uint8_t code = Code(x, y);
    if (code == 3 || code == 4) {
        m_Blocked.push_back({ x, y });
        return false;
    }
    if (code != 0 && code != 6 && code != 7)
        return false;
    return Label(x, y);
}

bool TPlainPathFinder::ExpandVertical(std::int32_t x, std::int32_t y)
{
    if (y < 0 || y >= GridHeight)
        return false;
    const std::uint8_t code = Code(x, y);
    if (code == 2 || code == 4) {
        m_Blocked.push_back({ x, y });
        return false;
    }
    if (code != 0 && code != 5 && code != 7)
        return false;
    return Label(x, y);
}

bool TPlainPathFinder::Label(std::int32_t x, std::int32_t y)
{
    if (Dist(x, y) != 0)
        return false;
    m_Dist[static_cast<std::size_t>(y) * GridWidth + x] = Wave;
    m_NextWave.push_back({ x, y });
    return x == m_TargetX && y == m_TargetY;
}

bool TPlainPathFinder::Relax()
{
    if (m_Blocked.empty())
        return false;
    for (const auto &[x, y] : m_Blocked) {
        std::uint8_t &code = m_Grid[static_cast<std::size_t>(y) * GridWidth + x];
        code = static_cast<std::uint8_t>(code + 3);
    }
    m_Blocked.clear();
    return true;
}

bool TPlainPathFinder::HasLabel(std::int32_t x, std::int32_t y, std::int32_t label) const
{
    return Inside(x, y) && Dist(x, y) == label;
}

void TPlainPathFinder::StepTracer(TTracer &t)
{
    // A neighbour only counts when the wave could have entered the tracer's cell from it.
    const std::uint8_t code = Code(t.X, t.Y);
    const bool horizontalEntry = code == 0 || code == 6 || code == 7;
    const bool verticalEntry = code == 0 || code == 5 || code == 7;
    if (t.Horizontal) {
        t.Misses = t.Misses + 1;
        if (horizontalEntry && HasLabel(t.X - 1, t.Y, t.SeekLabel)) {
            t.X = t.X - 1;
            t.SeekLabel = t.SeekLabel - 1;
            t.Misses = 0;
            return;
        }
        if (horizontalEntry && HasLabel(t.X + 1, t.Y, t.SeekLabel)) {
            t.X = t.X + 1;
            t.SeekLabel = t.SeekLabel - 1;
            t.Misses = 0;
            return;
        }
        t.Points.push_back({ t.X, t.Y });
        t.Horizontal = false;
    }
    if (!t.Horizontal) {
        t.Misses = t.Misses + 1;
        if (verticalEntry && HasLabel(t.X, t.Y - 1, t.SeekLabel)) {
            t.Y = t.Y - 1;
            t.SeekLabel = t.SeekLabel - 1;
            t.Misses = 0;
            return;
        }
        if (verticalEntry && HasLabel(t.X, t.Y + 1, t.SeekLabel)) {
            t.Y = t.Y + 1;
            t.SeekLabel = t.SeekLabel - 1;
            t.Misses = 0;
            return;
        }
        t.Points.push_back({ t.X, t.Y });
        t.Horizontal = true;
    }
}

bool TPlainPathFinder::TraceRoute()
{
    TTracer h;
    TTracer v;
    h.X = v.X = m_TargetX;
    h.Y = v.Y = m_TargetY;
    h.SeekLabel = v.SeekLabel = Dist(m_TargetX, m_TargetY) - 1;
    h.Misses = v.Misses = 0;
    h.Waiting = v.Waiting = false;
    h.Points.push_back({ m_TargetX, m_TargetY });
    v.Points.push_back({ m_TargetX, m_TargetY });
    h.Horizontal = true;
    v.Horizontal = false;
    Path.clear();
    Path.push_back({ m_TargetX, m_TargetY });
    std::int32_t meet = 0;
    bool preferredHorizontal = true;

    auto commit = [&](TTracer &t) {
        for (const auto &cell : t.Points)
            Path.push_back(cell);
        Path.push_back({ t.X, t.Y });
        h.Points.clear();
        v.Points.clear();
    };

    while (!(h.SeekLabel == 0 && v.SeekLabel == 0)) {
        h.Waiting = h.SeekLabel < v.SeekLabel;
        v.Waiting = v.SeekLabel < h.SeekLabel;
        if (h.Misses > 2 || v.Misses > 2)
            return false;
        if (!h.Waiting)
            StepTracer(h);
        if (!v.Waiting)
            StepTracer(v);
        if (h.SeekLabel == meet && v.SeekLabel == meet) {
            if (h.Horizontal == v.Horizontal) {
                if (h.Horizontal == preferredHorizontal)
                    commit(h);
                else
                    commit(v);
            } else {
                meet = 0;
            }
        }
        if (h.X == v.X && h.Y == v.Y) {
            if (h.Points.size() < v.Points.size()) {
                commit(h);
            } else if (v.Points.size() < h.Points.size()) {
                commit(v);
            } else if (meet == 0) {
                meet = h.SeekLabel - 1;
                preferredHorizontal = h.Horizontal;
            }
        }
    }
    for (const auto &cell : h.Points)
        Path.push_back(cell);
    Path.push_back({ m_StartX, m_StartY });
    return true;
}

bool TPlainPathFinder::IsColumnBlocked(std::int32_t x, std::int32_t y1, std::int32_t y2) const
{
    if (y1 > y2)
        std::swap(y1, y2);
    for (std::int32_t y = y1; y <= y2; ++y) {
        if (Inside(x, y) && Code(x, y) != 0)
            return true;
    }
    return false;
}

std::int32_t TPlainPathFinder::FreeRunEnd(std::int32_t anchor, std::int32_t otherAnchor,
    std::int32_t row, std::int32_t towards, bool strict) const
{
    const std::int32_t a = strict ? anchor : otherAnchor;
    const std::int32_t c = towards;
    std::int32_t result = a;
    auto visit = [&](std::int32_t x) {
        const std::uint8_t code = Code(x, row);
        if (code == 0 && result == a) {
            result = x;
        } else if (strict) {
            if (code != 0)
                result = a;
        } else {
            if (code == 1)
                result = a;
        }
    };
    if (a <= c) {
        for (std::int32_t x = c; x >= a; --x)
            visit(x);
    }
    if (a >= c) {
        for (std::int32_t x = c; x <= a; ++x)
            visit(x);
    }
    return result;
}

std::int32_t TPlainPathFinder::ScanToFree(
    std::int32_t x, std::int32_t direction, std::int32_t row) const
{
    if (!Inside(x, row))
        return x;
    if (direction > 0) {
        for (std::int32_t i = x; i <= GridWidth - 1; ++i) {
            if (Code(i, row) == 0)
                return i;
            if (Code(i, row) == 1)
                return x;
        }
    } else {
        for (std::int32_t i = x; i >= 0; --i) {
            if (Code(i, row) == 0)
                return i;
            if (Code(i, row) == 1)
                return x;
        }
    }
    return x;
}

} // namespace morvane::test
