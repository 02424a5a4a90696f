// SPDX-License-Identifier: MIT
#include "export/export_zoom.h"

#include "model/drawing_objects.h"

namespace morvane {

TExportZoom::TExportZoom(TDrawingObjects &net, TRealOptions &options, std::int32_t step)
    : m_net(net)
    , m_options(options)
    , m_savedOptions(options)
    , m_savedGlobals(Globals())
    , m_xUnit(net.xBaseUnit())
    , m_yUnit(net.yBaseUnit())
{
    TDisplayGlobals &g = Globals();
    if (step >= g.zMin && step <= g.zMax) {
        m_zoomed = true;
        net.SetxBaseUnit(step);
        net.SetyBaseUnit(step);
        g.xGrid = net.xBaseUnit();
        g.yGrid = net.yBaseUnit();
        options.ChangeXGrid(g.xGrid);
        options.ChangeYGrid(g.yGrid);
    }
    m_topLeft = net.TopLeftCorner();
    m_bottomRight = net.BottomRightCorner();
}

TExportZoom::~TExportZoom()
{
    if (m_zoomed) {
        m_net.SetxBaseUnit(m_xUnit);
        m_net.SetyBaseUnit(m_yUnit);
    }
    // Copied back whole: a zoom returns the scaled options to their defaults, and the user's
    // own values must survive an export.
    m_options = m_savedOptions;
    Globals() = m_savedGlobals;
}

} // namespace morvane
