// SPDX-License-Identifier: MIT
#include "options/real_options.h"

#include "options/display_globals.h"

namespace morvane {

TRealOptions::TRealOptions() = default;

void TRealOptions::SetDefaults()
{
    auto &g = Globals();
    SetoVersion(VersionString);
    // Grid steps first: the scaled globals below are derived from them.
    SetoxGrid(8);
    SetoyGrid(8);
    SetoOutlinedA(g.OutlinedA);
    SetoOutlinedP(g.OutlinedP);
    SetoOutlinedT(g.OutlinedT);
    SetozMin(1);
    SetozMax(64);
    SetoGridHide(4);
    SetoLabelHide(4);
    SetoxPageSize(210);
    SetoyPageSize(297);
    SetoSnapToGrid(true);
    SetoShowGrid(true);
    SetoXPsize(4);
    SetoYPsize(4);
    SetoXTsize(4);
    SetoYTsize(10);
    SetoLsize(20);
    SetoEsize(4);
    SetohAsize(10);
    SetowAsize(2);
    SetoFnsize(10);
    SetoFnIndsize(8);
    SetotFnsize(10);
    SetotFnIndsize(8);
    SetoxDist(5);
    SetoyDist(2);
    SetobDist(7);
}

void TRealOptions::ChangeXGrid(std::int32_t step)
{
    if (step == m_oxGrid)
        return;
    SetoxGrid(step);
    SetoXPsize(4);
    SetoXTsize(4);
    SetoxDist(5);
    SetoxPageSize(210);
    SetohAsize(10);
    SetoFnsize(10);
    SetoFnIndsize(8);
    SetotFnsize(10);
    SetotFnIndsize(m_otFnIndsize);
}

void TRealOptions::ChangeYGrid(std::int32_t step)
{
    if (step == m_oyGrid)
        return;
    SetoyGrid(step);
    SetoYPsize(4);
    SetoYTsize(10);
    SetoyDist(2);
    SetobDist(7);
    SetoyPageSize(297);
    SetowAsize(2);
    SetoLsize(20);
}

void TRealOptions::SetozMin(std::int32_t v)
{
    Globals().zMin = m_ozMin = v;
}
void TRealOptions::SetozMax(std::int32_t v)
{
    Globals().zMax = m_ozMax = v;
}
void TRealOptions::SetoGridHide(std::int32_t v)
{
    Globals().GridHide = m_oGridHide = v;
}
void TRealOptions::SetoLabelHide(std::int32_t v)
{
    Globals().LabelHide = m_oLabelHide = v;
}
void TRealOptions::SetoxPageSize(std::int32_t v)
{
    m_oxPageSize = v;
    Globals().xPageSize = v * m_oxGrid;
}
void TRealOptions::SetoyPageSize(std::int32_t v)
{
    m_oyPageSize = v;
    Globals().yPageSize = v * m_oyGrid;
}
void TRealOptions::SetoxGrid(std::int32_t v)
{
    Globals().xGrid = m_oxGrid = v;
}
void TRealOptions::SetoyGrid(std::int32_t v)
{
    Globals().yGrid = m_oyGrid = v;
}
void TRealOptions::SetoSnapToGrid(bool v)
{
    Globals().SnapToGrid = m_oSnapToGrid = v;
}
void TRealOptions::SetoShowGrid(bool v)
{
    Globals().ShowGrid = m_oShowGrid = v;
}
void TRealOptions::SetoOutlinedA(bool v)
{
    Globals().OutlinedA = m_oOutlinedA = v;
}
void TRealOptions::SetoOutlinedP(bool v)
{
    Globals().OutlinedP = m_oOutlinedP = v;
}
void TRealOptions::SetoOutlinedT(bool v)
{
    Globals().OutlinedT = m_oOutlinedT = v;
}
void TRealOptions::SetoXPsize(std::int32_t v)
{
    m_oXPsize = v;
    Globals().XPsize = v * m_oxGrid;
}
void TRealOptions::SetoYPsize(std::int32_t v)
{
    m_oYPsize = v;
    Globals().YPsize = v * m_oyGrid;
}
void TRealOptions::SetoXTsize(std::int32_t v)
{
    m_oXTsize = v;
    Globals().XTsize = v * m_oxGrid;
}
void TRealOptions::SetoYTsize(std::int32_t v)
{
    m_oYTsize = v;
    Globals().YTsize = v * m_oyGrid;
}
void TRealOptions::SetoLsize(std::int32_t v)
{
    m_oLsize = v;
    Globals().Lsize = v * m_oyGrid / 8;
}
void TRealOptions::SetoEsize(std::int32_t v)
{
    Globals().Esize = m_oEsize = v;
}
void TRealOptions::SetohAsize(std::int32_t v)
{
    m_ohAsize = v;
    Globals().hAsize = v * m_oxGrid / 8;
}
void TRealOptions::SetowAsize(std::int32_t v)
{
    m_owAsize = v;
    Globals().wAsize = v * m_oyGrid / 8;
}
void TRealOptions::SetoFnsize(std::int32_t v)
{
    m_oFnsize = v;
    Globals().Fnsize = v * m_oxGrid / 8;
}
void TRealOptions::SetoFnIndsize(std::int32_t v)
{
    m_oFnIndsize = v;
    Globals().FnIndsize = v * m_oxGrid / 8;
}
void TRealOptions::SetotFnsize(std::int32_t v)
{
    m_otFnsize = v;
    Globals().tFnsize = v * m_oxGrid / 8;
}
void TRealOptions::SetotFnIndsize(std::int32_t v)
{
    m_otFnIndsize = v;
    Globals().tFnIndsize = v * m_oxGrid / 8;
}
void TRealOptions::SetoxDist(std::int32_t v)
{
    m_oxDist = v;
    Globals().xDist = v * m_oxGrid;
}
void TRealOptions::SetoyDist(std::int32_t v)
{
    m_oyDist = v;
    Globals().yDist = v * m_oyGrid;
}
void TRealOptions::SetobDist(std::int32_t v)
{
    m_obDist = v;
    Globals().bDist = v * m_oyGrid;
}

} // namespace morvane
