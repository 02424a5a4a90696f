// SPDX-License-Identifier: MIT
// Pictures of nets with real geometry (real_nets.h): the whole repaint of a net window's
// rectangle over a dense cluster, and the PNG of a wide net as large as a picture may be.
#ifdef MORVANE_BENCH_RENDER
#include "bench_app.h"
#include "bench_host.h"
#include "real_nets.h"
#include "render/net_picture.h"
#include "render/qt_canvas.h"

#include "options/real_options.h"

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

// A 1280 x 800 window over the first of three clusters (24,000 objects), scrolled down and
// back three grid rows a step: the page is cleared and the window's whole rectangle repainted.
void BM_RepaintWindowDenseNet(benchmark::State &state)
{
    bench::App();
    bench::TBenchNet net;
    bench::BuildServersAndClients(net.Net, 3);
    QImage image(1280, 800, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    net.Net.SetCanvas(&canvas);
    const std::int32_t step = 3 * Globals().yGrid;
    std::int32_t top = 0;
    for (auto _ : state) {
        top = top == 0 ? step : 0;
        canvas.SetOrigin({ -100, top });
        canvas.SetBrushColor(Globals().ColorTable[0]);
        canvas.FillRect(-100, top, 1180, top + 800);
        net.Net.RepaintRect(-101, top - 1, 1181, top + 801);
        canvas.Release();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["objects"] = double(net.Net.Count());
    net.Net.SetCanvas(nullptr);
}
BENCHMARK(BM_RepaintWindowDenseNet)->Unit(benchmark::kMillisecond);

// The PNG of the 48,000-object wide net at scale 3 (600,000 x 390 pixels; at scale 4 it would
// pass the picture size limit), drawn and encoded in bands.
void BM_PngOfWideNet(benchmark::State &state)
{
    bench::App();
    bench::TBenchNet net;
    bench::BuildJoinFreeModules(net.Net, 1000);
    TRealOptions options;
    options.SetDefaults();
    TPictureSettings settings;
    settings.Scale = 3;
    std::vector<unsigned char> png;
    for (auto _ : state) {
        const std::string error = MakeNetPng(net.Net, options, settings, PicturePalette(), png);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    const TPictureSize size = NetPictureSize(net.Net, options, settings);
    state.counters["pixels"] = double(size.Width * size.Height);
    state.counters["bytes"] = double(png.size());
}
BENCHMARK(BM_PngOfWideNet)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace morvane
#endif
