// SPDX-License-Identifier: MIT
// libFuzzer target: everything a command-line run does with a net it opened. Any bytes go
// through reading, the post-read steps, the topology check, both exports, routing one arc
// between two of the net's nodes, and the write, which must read back to the same bytes.
#include "fuzz_net.h"

#include "export/latex_export.h"
#include "export/xml_export.h"
#include "routing/auto_route.h"

#include <cstdint>

namespace {

// The middle of a node, or a fixed point of the page when the net has none.
std::pair<std::int32_t, std::int32_t> Middle(
    const morvane::TDrawingObject *node, std::int32_t fallback)
{
    if (!node)
        return { fallback, fallback };
    return { std::int32_t((std::int64_t(node->Left()) + node->Right()) / 2),
        std::int32_t((std::int64_t(node->Top()) + node->Bottom()) / 2) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane;
    fuzz::TFuzzNet net;
    net.Read(std::string_view(reinterpret_cast<const char *>(data), size));
    net.Net.CheckTopology();

    TXMLExport xml(net.Net, "unused.xml");
    (void)xml.GetFileText();
    TLaTeXExport latex(&net.Net, "unused.tex");
    latex.SetPictureSize(640, 480, 480);
    latex.Compose(lpScheme | lpFormal);

    const auto &positions = net.Net.Positions();
    const auto &transitions = net.Net.Transitions();
    const auto [x1, y1] = Middle(positions.empty() ? nullptr : positions.front(), 40);
    const auto [x2, y2] = Middle(transitions.empty() ? nullptr : transitions.front(), 400);
    // The route grid grows with the drawing; a fuzzed net spanning millions of pixels would make
    // every run a long (correct) wave, so routing is tried on nets of a few pages.
    constexpr std::int64_t kRoutedSpan = 8192;
    const TPoint topLeft = net.Net.TopLeftCorner(), bottomRight = net.Net.BottomRightCorner();
    if (std::int64_t(bottomRight.x) - topLeft.x <= kRoutedSpan
        && std::int64_t(bottomRight.y) - topLeft.y <= kRoutedSpan) {
        AutoRouteArc(net.Net, x1, y1, x2, y2);
        // A new arc changes the transitions' index lists, which are written as they stand; the
        // editor recomputes them at the next press, the reader after reading.
        net.Net.RebuildConnections();
    }

    fuzz::RequireStableRoundTrip(net.Net);
    return 0;
}
