// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

struct TCellPoint
{
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const TCellPoint &, const TCellPoint &) = default;
};

// An ordered list of grid cells. Appending copies the cells of the other list in order.
class TNode
{
public:
    void Add(std::int32_t x, std::int32_t y) { m_Points.push_back({ x, y }); }
    void Add(TCellPoint point) { m_Points.push_back(point); }
    void Append(const TNode &other)
    {
        m_Points.insert(m_Points.end(), other.m_Points.begin(), other.m_Points.end());
    }
    void Clear() { m_Points.clear(); }
    // Keeps the first and the last cell and the corners between: drops a cell equal to the one
    // before it and a cell in line with both its neighbours.
    void DropRedundant();

    std::size_t Count() const { return m_Points.size(); }
    bool Empty() const { return m_Points.empty(); }
    const TCellPoint &operator[](std::size_t i) const { return m_Points[i]; }
    std::vector<TCellPoint>::const_iterator begin() const { return m_Points.begin(); }
    std::vector<TCellPoint>::const_iterator end() const { return m_Points.end(); }
    const std::vector<TCellPoint> &Points() const { return m_Points; }

    friend bool operator==(const TNode &, const TNode &) = default;

private:
    std::vector<TCellPoint> m_Points;
};

// One of the two tracers that walk a finished wave back from the target to the start.
struct TDirection
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t SeekLabel = 0; // the wave label looked for next
    bool Horizontal = true; // looks left and right, else up and down
    bool Waiting = false; // ahead of the other tracer: stands still this round
    std::int32_t Misses = 0; // orientation checks since the last move
    TNode Points; // corners passed since the last commit
};

// Routes a new arc on a grid of page cells: Lee's wave search, admitting right-angle crossings of
// existing arcs pass by pass when nothing else gets through, then a trace back from the target
// that keeps straight legs as long as possible.
//
// Cell codes: 0 free; 1 taken by a node; 2 horizontal, 3 vertical, 4 slanted arc piece; 5, 6, 7
// the same arcs after one relaxation (crossable at right angles); 8 and above closed for good.
class TPathFinder
{
public:
    static constexpr std::int32_t DefaultMaxPasses = 32767;

    // The grid is allocated here once and reused by every search; negative sizes count as 0.
    // Throws std::length_error for a grid of more than 2^30 cells.
    TPathFinder(std::int32_t gridWidth, std::int32_t gridHeight);

    // Frees every cell code and wave label. Costs the area filled since the last Clear, not the
    // page.
    void Clear();
    // Writes `code` into the free cells of the rectangle (corners in any order, both included,
    // clipped to the grid): where objects overlap, the first one filled wins.
    void FillRect(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint8_t code);
    // Searches a route from the start cell to the target cell. On success Path() holds its end
    // cells and the corners between, from the target back to the start; on failure Path() keeps the
    // previous route. The target cell's code is freed and refused crossings are relaxed in the
    // grid.
    bool FindPath(
        std::int32_t startX, std::int32_t startY, std::int32_t targetX, std::int32_t targetY);

    // Whether any cell of column x between rows y1 and y2 (either order) is taken by anything.
    bool IsColumnBlocked(std::int32_t x, std::int32_t y1, std::int32_t y2) const;
    // How far a stub from an anchor cell of `row` can run towards `towards`: the free cell
    // farthest from the anchor that nothing separates from it. Strict uses `anchor` and any
    // taken cell separates; otherwise it uses `otherAnchor` and only nodes separate, arcs may be
    // crossed. The anchor itself when it is taken (strict) or a node, or when no cell qualifies.
    // Cells outside the grid count as nodes.
    std::int32_t FreeRunEnd(std::int32_t anchor, std::int32_t otherAnchor, std::int32_t row,
        std::int32_t towards, bool strict) const;
    // The first free cell from x in the given direction (> 0 right, otherwise left), passing over
    // arcs; x itself when a node or the page edge comes first or x lies outside the grid.
    std::int32_t ScanToFree(std::int32_t x, std::int32_t direction, std::int32_t row) const;

    const TNode &Path() const { return m_Path; }
    std::int32_t GridWidth() const { return m_Width; }
    std::int32_t GridHeight() const { return m_Height; }
    bool InGrid(std::int32_t x, std::int32_t y) const
    {
        return x >= 0 && x < m_Width && y >= 0 && y < m_Height;
    }
    // Cells outside the grid read as taken (code 1) and unlabelled (0).
    std::uint8_t Code(std::int32_t x, std::int32_t y) const;
    std::int32_t Dist(std::int32_t x, std::int32_t y) const;

    std::int32_t Wave() const { return m_Wave; }
    std::int32_t PathLength() const { return m_PathLength; }
    std::int32_t Pass() const { return m_Pass; }
    std::int32_t StartX() const { return m_StartX; }
    std::int32_t StartY() const { return m_StartY; }
    std::int32_t TargetX() const { return m_TargetX; }
    std::int32_t TargetY() const { return m_TargetY; }
    std::int32_t MaxPasses() const { return m_MaxPasses; }
    void SetMaxPasses(std::int32_t maxPasses) { m_MaxPasses = maxPasses; }

private:
    struct TRect
    {
        std::int32_t X1, Y1, X2, Y2;
    };

    std::size_t Index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y + 1) * m_Stride + static_cast<std::size_t>(x + 1);
    }
    std::int32_t LabelAt(std::size_t index) const
    {
        return (m_Labelled[index >> 6] >> (index & 63) & 1) != 0 ? m_Dist[index] : 0;
    }
    void ClearLabels();
    // Whether the wave enters cell `next` from its neighbour in direction k (0, 1 left and right,
    // 2, 3 above and below), marking it reached; records a refused crossing.
    bool Enters(std::uint32_t next, int k, std::uint32_t start);
    bool Spread();
    bool Propagate();
    bool Relax();
    bool Trace();
    void Step(TDirection &tracer) const;

    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    // Both arrays carry a border of one cell that reads as a node and is never labelled, so the
    // wave and the tracers need no bounds checks.
    std::size_t m_Stride = 0;
    std::vector<std::uint8_t> m_Grid;
    // A label counts only while its cell's bit is set, so a new pass clears one bit per cell
    // instead of the labels themselves, and the wave tests the bits, which stay in cache.
    std::vector<std::int32_t> m_Dist;
    std::vector<std::uint64_t> m_Labelled;
    // Rectangles filled since the last Clear; m_DirtyAll once they cover more than the grid.
    std::vector<TRect> m_Dirty;
    std::uint64_t m_DirtyArea = 0;
    bool m_DirtyAll = false;

    std::vector<std::uint32_t> m_CurrentWave;
    std::vector<std::uint32_t> m_NextWave;
    std::vector<std::uint32_t> m_Blocked;

    TNode m_Path;
    std::int32_t m_Wave = 0;
    std::int32_t m_PathLength = 0;
    std::int32_t m_StartX = 0;
    std::int32_t m_StartY = 0;
    std::int32_t m_TargetX = 0;
    std::int32_t m_TargetY = 0;
    std::size_t m_TargetIndex = 0;
    std::int32_t m_Pass = 0;
    std::int32_t m_MaxPasses = DefaultMaxPasses;
};

} // namespace morvane
