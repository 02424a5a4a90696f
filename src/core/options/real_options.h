// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// The options record. Each setter stores its value and mirrors it, scaled where the option is
// measured in grid steps or eighths of one, into the display globals. Setters never validate and
// never repaint: the caller refreshes what it shows.
class TRealOptions
{
public:
    TRealOptions();

    void SetDefaults();
    // Called by a net window when its base unit changes (after it has written xGrid/yGrid itself):
    // recomputes the scaled globals at the new step and returns those options to their defaults.
    void ChangeXGrid(std::int32_t step);
    void ChangeYGrid(std::int32_t step);

    // Field order of the record.
    const std::string &oVersion() const { return m_oVersion; }
    std::int32_t ozMin() const { return m_ozMin; }
    std::int32_t ozMax() const { return m_ozMax; }
    std::int32_t oGridHide() const { return m_oGridHide; }
    std::int32_t oLabelHide() const { return m_oLabelHide; }
    std::int32_t oxPageSize() const { return m_oxPageSize; }
    std::int32_t oyPageSize() const { return m_oyPageSize; }
    std::int32_t oxGrid() const { return m_oxGrid; }
    std::int32_t oyGrid() const { return m_oyGrid; }
    bool oSnapToGrid() const { return m_oSnapToGrid; }
    bool oShowGrid() const { return m_oShowGrid; }
    bool oOutlinedA() const { return m_oOutlinedA; }
    bool oOutlinedP() const { return m_oOutlinedP; }
    bool oOutlinedT() const { return m_oOutlinedT; }
    std::int32_t oXPsize() const { return m_oXPsize; }
    std::int32_t oYPsize() const { return m_oYPsize; }
    std::int32_t oXTsize() const { return m_oXTsize; }
    std::int32_t oYTsize() const { return m_oYTsize; }
    std::int32_t oLsize() const { return m_oLsize; }
    std::int32_t oEsize() const { return m_oEsize; }
    std::int32_t ohAsize() const { return m_ohAsize; }
    std::int32_t owAsize() const { return m_owAsize; }
    std::int32_t oFnsize() const { return m_oFnsize; }
    std::int32_t oFnIndsize() const { return m_oFnIndsize; }
    std::int32_t otFnsize() const { return m_otFnsize; }
    std::int32_t otFnIndsize() const { return m_otFnIndsize; }
    std::int32_t oxDist() const { return m_oxDist; }
    std::int32_t oyDist() const { return m_oyDist; }
    std::int32_t obDist() const { return m_obDist; }

    void SetoVersion(const std::string &v) { m_oVersion = v; }
    void SetozMin(std::int32_t v);
    void SetozMax(std::int32_t v);
    void SetoGridHide(std::int32_t v);
    void SetoLabelHide(std::int32_t v);
    void SetoxPageSize(std::int32_t v);
    void SetoyPageSize(std::int32_t v);
    void SetoxGrid(std::int32_t v);
    void SetoyGrid(std::int32_t v);
    void SetoSnapToGrid(bool v);
    void SetoShowGrid(bool v);
    void SetoOutlinedA(bool v);
    void SetoOutlinedP(bool v);
    void SetoOutlinedT(bool v);
    void SetoXPsize(std::int32_t v);
    void SetoYPsize(std::int32_t v);
    void SetoXTsize(std::int32_t v);
    void SetoYTsize(std::int32_t v);
    void SetoLsize(std::int32_t v);
    void SetoEsize(std::int32_t v);
    void SetohAsize(std::int32_t v);
    void SetowAsize(std::int32_t v);
    void SetoFnsize(std::int32_t v);
    void SetoFnIndsize(std::int32_t v);
    void SetotFnsize(std::int32_t v);
    void SetotFnIndsize(std::int32_t v);
    void SetoxDist(std::int32_t v);
    void SetoyDist(std::int32_t v);
    void SetobDist(std::int32_t v);

private:
    std::string m_oVersion = "0.8 Research";
    std::int32_t m_ozMin = 1;
    std::int32_t m_ozMax = 64;
    std::int32_t m_oGridHide = 4;
    std::int32_t m_oLabelHide = 4;
    std::int32_t m_oxPageSize = 210;
    std::int32_t m_oyPageSize = 297;
    std::int32_t m_oxGrid = 8;
    std::int32_t m_oyGrid = 8;
    bool m_oSnapToGrid = true;
    bool m_oShowGrid = true;
    bool m_oOutlinedA = false;
    bool m_oOutlinedP = false;
    bool m_oOutlinedT = true;
    std::int32_t m_oXPsize = 4;
    std::int32_t m_oYPsize = 4;
    std::int32_t m_oXTsize = 4;
    std::int32_t m_oYTsize = 10;
    std::int32_t m_oLsize = 20;
    std::int32_t m_oEsize = 4;
    std::int32_t m_ohAsize = 10;
    std::int32_t m_owAsize = 2;
    std::int32_t m_oFnsize = 10;
    std::int32_t m_oFnIndsize = 8;
    std::int32_t m_otFnsize = 10;
    std::int32_t m_otFnIndsize = 8;
    std::int32_t m_oxDist = 5;
    std::int32_t m_oyDist = 2;
    std::int32_t m_obDist = 7;
};

} // namespace morvane
