// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#ifdef MORVANE_BENCH_APP
#include <QApplication>
#endif

namespace morvane::bench {

// Text and pictures need an application object; the editing benchmarks need widgets, so
// whichever benchmark runs first makes the one application.
inline QGuiApplication &App()
{
    if (auto *existing = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return *existing;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "morvane_bench";
    static char *argv[] = { name, nullptr };
#ifdef MORVANE_BENCH_APP
    static QApplication app(argc, argv);
#else
    static QGuiApplication app(argc, argv);
#endif
    return app;
}

} // namespace morvane::bench
