// SPDX-License-Identifier: MIT
#include "export/export_zoom.h"
#include "export/latex_test_net.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace morvane {
namespace {

using ExportZoomTest = test::LaTeXTest;

// A position left between grid lines is read where the drawing code shows it, on its grid cell,
// at every scale; an export that fails still gives the net its scale back.
TEST_F(ExportZoomTest, ExtentIsReadOnTheGridAndTheScaleComesBackAfterAFailure)
{
    TDrawingObjects doc(nullptr, nullptr, nullptr);
    test::PlaceNode<TPosition>(doc, 43, 50, "L1"); // cell (5, 6)
    TRealOptions options;
    options.SetDefaults();
    struct Case
    {
        std::int32_t step;
        TPoint topLeft;
    };
    const std::int32_t label = Globals().Lsize;
    // Beyond the zoom limits nothing is rescaled; any zoom puts the position onto its cell.
    for (const Case c : { Case { Globals().zMax + 1, { 43, 50 - label } },
             Case { 8, { 40, 48 - label } }, Case { 16, { 80, 96 - 2 * label } } }) {
        SCOPED_TRACE(c.step);
        try {
            const TExportZoom zoom(doc, options, c.step);
            EXPECT_EQ(zoom.TopLeft(), c.topLeft);
            throw std::runtime_error("the file cannot be written");
        } catch (const std::runtime_error &) {
        }
        EXPECT_EQ(doc.xBaseUnit(), 8);
        EXPECT_EQ(Globals().xGrid, 8);
        EXPECT_EQ(options.oxGrid(), 8);
    }
}

} // namespace
} // namespace morvane
