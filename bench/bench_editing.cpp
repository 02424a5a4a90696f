// SPDX-License-Identifier: MIT
// Editing through a real net window: a drag step over many selected objects, a selecting click
// in a large net, a routed arc, a transition wizard's handle dragged over 50 rows, and a wheel
// step over a dense net.
#ifdef MORVANE_BENCH_APP

#include "editor/editor_modes.h"
#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/program.h"
#include "real_nets.h"
#include "settings/registry_store.h"

#include "model/drawing_objects.h"
#include "options/display_globals.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace morvane {
namespace {

TGN &Main()
{
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "morvane_bench";
        static char *argv[] = { name, nullptr };
        static QApplication app(argc, argv);
    }
    static bool started = false;
    if (!started) {
        // Nothing a benchmark does may reach the user's own settings.
        static QTemporaryDir config;
        qputenv("MORVANE_CONFIG_DIR", config.path().toUtf8());
        TRegistry::SetStoreFolder(config.path().toStdString());
        StartUp(false);
        Program().GN->resize(900, 700);
        Program().GN->show();
        QApplication::processEvents();
        started = true;
    }
    return *Program().GN;
}

// A fresh net window holding `count` objects: positions, transitions and arc pieces in rows,
// every 40 pixels, the first rows in view.
TNet &NetOf(int count)
{
    TGN &gn = Main();
    for (TNet *old : gn.NetWindows())
        old->parentWidget()->close();
    QApplication::processEvents();
    TNet &net = *gn.NewNet();
    QApplication::processEvents();
    const auto &g = Globals();
    for (int i = 0; i < count; ++i) {
        const std::int32_t x = (i % 100) * 40, y = 40 + (i / 100) * 40;
        switch (i % 3) {
        case 0: {
            auto p = net.Net().Add<TPosition>();
            p->Init(g.ColorTable[11]);
            p->Place(x, y, "L" + std::to_string(i));
            break;
        }
        case 1: {
            auto t = net.Net().Add<TTransition>();
            t->Init(g.ColorTable[4]);
            t->Place(x, y, "Z" + std::to_string(i));
            break;
        }
        default: {
            auto a = net.Net().Add<TArc>();
            a->Init(g.ColorTable[19]);
            a->InitDrawn(x, y + 16, x + 32, y + 16, false);
            break;
        }
        }
    }
    gn.SetMode(mdEdit);
    net.SetEditState(esNone);
    net.Redraw();
    net.viewport()->repaint();
    return net;
}

// One pointer move of a drag holding 500 selected objects, shown on the screen.
void BM_DragMove500Of10000(benchmark::State &state)
{
    TNet &net = NetOf(10000);
    for (std::size_t i = 0; i < 500; ++i)
        net.Net().Object(i)->Mode = omSelected;
    net.SetEditState(esGroup);
    const QPoint grab(12, 52); // inside the first position
    net.FormMouseDown(Qt::LeftButton, {}, grab);
    int step = 0;
    for (auto _ : state) {
        const QPoint p = grab + QPoint((step++ & 1) ? 0 : 8, 0);
        net.FormMouseMove(Qt::LeftButton, {}, p);
        net.viewport()->repaint();
    }
    net.FormMouseUp(Qt::LeftButton, {}, grab);
}
BENCHMARK(BM_DragMove500Of10000)->Unit(benchmark::kMillisecond);

// A click that selects one object of a 10,000-object net (press and release).
void BM_ClickSelectIn10000(benchmark::State &state)
{
    TNet &net = NetOf(10000);
    const QPoint targets[2] = { QPoint(12, 52), QPoint(92, 132) };
    int i = 0;
    for (auto _ : state) {
        const QPoint p = targets[i++ & 1];
        net.FormMouseDown(Qt::LeftButton, {}, p);
        net.FormMouseUp(Qt::LeftButton, {}, p);
        net.viewport()->repaint();
    }
    if (net.State().EditState != esSingle)
        state.SkipWithError("the click did not select");
}
BENCHMARK(BM_ClickSelectIn10000)->Unit(benchmark::kMillisecond);

// One arc routed across the default page, in the arc wizard: press, move, release.
void BM_AutoRouteAcrossThePage(benchmark::State &state)
{
    TNet &net = NetOf(0);
    // A wall of positions across the page that the arc has to go round.
    for (int i = 0; i < 40; ++i) {
        auto p = net.Net().Add<TPosition>();
        p->Init(Globals().ColorTable[11]);
        p->Place(40 + i * 32, 1200, "W" + std::to_string(i));
    }
    Main().SetMode(mdArcWizard);
    const QPoint from(100, 100), to(500, 1900);
    for (auto _ : state) {
        state.PauseTiming();
        net.SetVertPosition(0);
        state.ResumeTiming();
        net.AutoRouteArc(from.x(), from.y(), to.x(), to.y());
        net.viewport()->repaint();
        state.PauseTiming();
        if (net.Net().Arcs().empty())
            state.SkipWithError("no route");
        net.Net().BeginStep();
        for (auto *a : std::vector<TArc *>(net.Net().Arcs()))
            a->Mode = omSelected;
        net.Net().DeleteSelected();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AutoRouteAcrossThePage)->Unit(benchmark::kMillisecond);

// One pointer move of the transition wizard's handle across a row boundary with 50 inputs and
// 50 outputs: the preview is built anew and the window repainted.
void BM_WizardHandleMove50By50(benchmark::State &state)
{
    TNet &net = NetOf(0);
    Main().SetMode(mdTransitionWizard);
    const QPoint anchor(104, 104), handle(112, 124);
    net.FormMouseDown(Qt::LeftButton, {}, anchor);
    net.FormMouseUp(Qt::LeftButton, {}, anchor);
    net.FormMouseDown(Qt::LeftButton, {}, handle);
    const TDisplayGlobals &g = Globals();
    const int below50 = anchor.y() + g.yDist + g.bDist * 50;
    for (int row = 1; row < 50; ++row)
        net.FormMouseMove(Qt::NoButton, {}, QPoint(handle.x(), handle.y() + g.bDist * row));
    int step = 0;
    for (auto _ : state) {
        const int y = (step++ & 1) ? below50 - 8 : below50 + 8;
        net.FormMouseMove(Qt::NoButton, {}, QPoint(handle.x(), y));
        net.viewport()->repaint();
    }
    // 1 transition and 50 rows of a position and an arc on each side.
    if (net.WizardObjects().Count() < 201)
        state.SkipWithError("the preview did not grow to 50 rows");
    net.FormMouseUp(Qt::LeftButton, {}, handle);
    Main().SetMode(mdEdit);
}
BENCHMARK(BM_WizardHandleMove50By50)->Unit(benchmark::kMillisecond);

// A wheel step of three grid rows, down and back, in a 1280 x 800 window over the first of
// three or thirty dense clusters (24,000 or 240,000 overlapping objects), shown on the screen.
void BM_WheelStepDenseNet(benchmark::State &state)
{
    TNet &net = NetOf(0);
    bench::BuildServersAndClients(net.Net(), int(state.range(0)));
    net.MarkSaved(); // the next run closes the window without asking
    QWidget &frame = *net.parentWidget();
    Main().resize(1500, 1100);
    frame.resize(frame.size() - net.viewport()->size() + QSize(1280, 800));
    net.Redraw();
    net.viewport()->repaint();
    if (net.viewport()->size() != QSize(1280, 800))
        state.SkipWithError("the window is not 1280 x 800");
    int step = 0;
    for (auto _ : state) {
        net.FormMouseWheel((step++ & 1) ? 150 : -150, {});
        net.viewport()->repaint();
    }
    if (net.VertPosition() != 3 * Globals().yGrid * (step & 1))
        state.SkipWithError("the wheel did not scroll");
    state.counters["objects"] = double(net.Net().Count());
}
BENCHMARK(BM_WheelStepDenseNet)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace morvane

#endif
