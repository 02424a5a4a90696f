// SPDX-License-Identifier: MIT
// The GUI tests run in one QApplication on the offscreen platform, with the per-user store in a
// folder of their own.
#include "settings/registry_store.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    // Nothing a test does may reach the user's own settings, even through a forgotten setter.
    qputenv("MORVANE_CONFIG_DIR", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
