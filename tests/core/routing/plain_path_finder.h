// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <list>
#include <utility>
#include <vector>

namespace morvane::test {

// The arc path finder written as plainly as possible: lists of cell pairs, bounds checks on every
// access, the label array zero-filled for every pass. Slow on purpose; the reference that the
// real path finder is compared with.
class TPlainPathFinder
{
public:
    using TCellList = std::list<std::pair<std::int32_t, std::int32_t>>;

    TPlainPathFinder(std::int32_t gridWidth, std::int32_t gridHeight);

    void Clear();
    void FillRect(
        std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint8_t code);
    bool FindPath(
        std::int32_t startX, std::int32_t startY, std::int32_t targetX, std::int32_t targetY);
    bool IsColumnBlocked(std::int32_t x, std::int32_t y1, std::int32_t y2) const;
    std::int32_t FreeRunEnd(std::int32_t anchor, std::int32_t otherAnchor, std::int32_t row,
        std::int32_t towards, bool strict) const;
    std::int32_t ScanToFree(std::int32_t x, std::int32_t direction, std::int32_t row) const;

    std::uint8_t Code(std::int32_t x, std::int32_t y) const;
    std::int32_t Dist(std::int32_t x, std::int32_t y) const;

    TCellList Path;
    std::int32_t GridWidth = 0;
    std::int32_t GridHeight = 0;
    std::int32_t Wave = 0;
    std::int32_t PathLength = 0;
    std::int32_t Pass = 0;
    std::int32_t MaxPasses = 32767;

private:
    struct TTracer
    {
        std::int32_t X = 0;
        std::int32_t Y = 0;
        std::int32_t SeekLabel = 0;
        bool Horizontal = true;
        bool Waiting = false;
        std::int32_t Misses = 0;
        TCellList Points;
    };

    bool Inside(std::int32_t x, std::int32_t y) const;
    bool PropagationPass();
    bool ExpandHorizontal(std::int32_t x, std::int32_t y);
    bool ExpandVertical(std::int32_t x, std::int32_t y);
    bool Label(std::int32_t x, std::int32_t y);
    bool Relax();
    bool TraceRoute();
    bool HasLabel(std::int32_t x, std::int32_t y, std::int32_t label) const;
    void StepTracer(TTracer &t);

    std::vector<std::int32_t> m_Dist;
    std::vector<std::uint8_t> m_Grid;
    TCellList m_Blocked;
    TCellList m_NextWave;
    TCellList m_CurrentWave;
    std::int32_t m_StartX = 0;
    std::int32_t m_StartY = 0;
    std::int32_t m_TargetX = 0;
    std::int32_t m_TargetY = 0;
};

} // namespace morvane::test
