// SPDX-License-Identifier: MIT
#pragma once

#include "model/canvas.h"
#include "options/display_globals.h"
#include "options/real_options.h"

#include <cstdint>

namespace morvane {

class TDrawingObjects;

// The zoom every export of a net runs under, for as long as the object lives: the net takes the
// export's scale the way a net window zooms to an absolute step (base units, grid globals, the
// options' scaled sizes), its extent is read at that scale, and on leaving, also by an exception,
// the base units, the display globals and the options record are put back as they were. A step
// outside the zoom limits leaves the net at its current scale. Zooming always puts every object
// onto its grid cell, as the drawing code shows it, so a picture, a LaTeX scheme and their
// extents agree about an object left between grid lines.
class TExportZoom
{
public:
    TExportZoom(TDrawingObjects &net, TRealOptions &options, std::int32_t step);
    ~TExportZoom();
    TExportZoom(const TExportZoom &) = delete;
    TExportZoom &operator=(const TExportZoom &) = delete;

    // The net's corners at the export's scale.
    TPoint TopLeft() const { return m_topLeft; }
    TPoint BottomRight() const { return m_bottomRight; }

private:
    TDrawingObjects &m_net;
    TRealOptions &m_options;
    const TRealOptions m_savedOptions;
    const TDisplayGlobals m_savedGlobals;
    const std::int32_t m_xUnit, m_yUnit;
    bool m_zoomed = false;
    TPoint m_topLeft, m_bottomRight;
};

} // namespace morvane
