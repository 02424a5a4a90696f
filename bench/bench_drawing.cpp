// SPDX-License-Identifier: MIT
// Drawing 10,000 objects: onto a screen-sized image, and into a JPEG picture of the whole net.
#include "model/drawing_objects.h"
#include "options/display_globals.h"
#include "options/real_options.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#ifdef MORVANE_BENCH_RENDER
#include "bench_app.h"
#include "render/jpeg_writer.h"
#include "render/net_picture.h"
#include "render/qt_canvas.h"
#include "render/vector_picture.h"
#endif

namespace {

using namespace morvane;

// Rows of position → arc → transition → arc → position … units, the way nets are drawn: four
// objects per unit of 16 x 14 grid cells.
std::unique_ptr<TDrawingObjects> MakeNet(int count, int unitsPerRow)
{
    auto doc = std::make_unique<TDrawingObjects>(nullptr, nullptr, nullptr);
    const int u = doc->xBaseUnit();
    for (int i = 0; doc->Count() < std::size_t(count); ++i) {
        const int x = (i % unitsPerRow) * 16 * u, y = (i / unitsPerRow) * 14 * u + 3 * u;
        auto p = doc->Add<TPosition>();
        p->Place(x, y + 2 * u, "L" + std::to_string(i + 1));
        auto add = [&](int x1, int y1, int x2, int y2, bool arrowed) {
            auto a = doc->Add<TArc>();
            a->SetLeft(x1);
            a->SetTop(y1);
            a->SetRight(x2);
            a->SetBottom(y2);
            a->UpdateExtent();
            a->Arrowed = arrowed;
            a->Color = clBlue;
        };
        add(x + 4 * u, y + 4 * u, x + 8 * u, y + 4 * u, true);
        auto t = doc->Add<TTransition>();
        t->Place(x + 6 * u, y, "Z" + std::to_string(i + 1));
        add(x + 8 * u, y + 8 * u, x + 14 * u, y + 8 * u, false);
    }
    return doc;
}

#ifdef MORVANE_BENCH_RENDER

using bench::App;

// Repaints the whole net onto a 1920 x 1080 image once per iteration.
void TimeRepaint(benchmark::State &state, TDrawingObjects &doc)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    doc.SetCanvas(&canvas);
    for (auto _ : state) {
        image.fill(Qt::white);
        doc.RepaintAll();
        canvas.Release();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(doc.Count()));
    doc.SetCanvas(nullptr);
}

// A full repaint of a net window: every object draws itself, most of them outside the view.
void BM_RepaintNetWindow(benchmark::State &state)
{
    App();
    ResetGlobals();
    auto doc = MakeNet(10000, 40);
    TimeRepaint(state, *doc);
}
BENCHMARK(BM_RepaintNetWindow)->Unit(benchmark::kMillisecond);

// Every one of the 10,000 objects on the image: the net zoomed out to 2 pixels per grid step
// (labels are hidden at that size).
void BM_RepaintWholeNetVisible(benchmark::State &state)
{
    App();
    ResetGlobals();
    TRealOptions options;
    options.SetDefaults();
    auto doc = MakeNet(10000, 60);
    doc->SetxBaseUnit(2);
    doc->SetyBaseUnit(2);
    Globals().xGrid = Globals().yGrid = 2;
    options.ChangeXGrid(2);
    options.ChangeYGrid(2);
    TimeRepaint(state, *doc);
    state.counters["bottom"] = doc->BottomRightCorner().y;
}
BENCHMARK(BM_RepaintWholeNetVisible)->Unit(benchmark::kMillisecond);

// The export: picture at scale 8, drawn in bands and JPEG-encoded at the dialog's default
// quality.
void BM_RenderNetToJpeg(benchmark::State &state)
{
    App();
    ResetGlobals();
    TRealOptions options;
    options.SetDefaults();
    auto doc = MakeNet(10000, 50);
    std::vector<unsigned char> jpeg;
    for (auto _ : state) {
        const std::string error = MakeNetJpeg(*doc, options, {}, PicturePalette(), false, 40, jpeg);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    const TPoint tl = doc->TopLeftCorner(), br = doc->BottomRightCorner();
    state.counters["width"] = br.x - tl.x + 1;
    state.counters["height"] = br.y - tl.y + 1;
    state.counters["jpeg_bytes"] = double(jpeg.size());
}
BENCHMARK(BM_RenderNetToJpeg)->Unit(benchmark::kMillisecond);

// The vector pictures of the same net at scale 8, made in memory.
void BM_RenderNetToVector(benchmark::State &state)
{
    App();
    ResetGlobals();
    TRealOptions options;
    options.SetDefaults();
    auto doc = MakeNet(10000, 50);
    const auto format = state.range(0) ? TVectorFormat::Pdf : TVectorFormat::Svg;
    QByteArray bytes;
    for (auto _ : state) {
        std::string error;
        bytes = MakeNetVector(*doc, options, {}, PicturePalette(), format, error);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    state.SetLabel(state.range(0) ? "PDF" : "SVG");
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_RenderNetToVector)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#endif

// Drawing through the abstract canvas alone, without pixels: the cost of the object code.
class NullCanvas : public Canvas
{
public:
    void DoLine(TPoint, TPoint) override { }
    void Polygon(const std::vector<TPoint> &) override { }
    void Ellipse(int, int, int, int) override { }
    void Rectangle(int, int, int, int) override { }
    void FillRect(int, int, int, int) override { }
    void DrawFocusRect(int, int, int, int) override { }
    void SetPixel(int, int, TColor) override { }
    void TextOut(int, int, const std::string &) override { }
    int TextWidth(const std::string &s) override { return int(s.size()) * 7; }
    int TextHeight(const std::string &) override { return 13; }
};

void BM_DrawObjectsNullCanvas(benchmark::State &state)
{
    ResetGlobals();
    auto doc = MakeNet(10000, 40);
    NullCanvas canvas;
    doc->SetCanvas(&canvas);
    for (auto _ : state)
        doc->RepaintAll();
    state.SetItemsProcessed(state.iterations() * std::int64_t(doc->Count()));
}
BENCHMARK(BM_DrawObjectsNullCanvas)->Unit(benchmark::kMillisecond);

} // namespace
