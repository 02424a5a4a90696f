// SPDX-License-Identifier: MIT
#include "gui_start.h"

#include <iostream>

namespace morvane::cli {

namespace {

// Qt's own chatter (no runtime folder and the like) would drown our messages.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "morvane-cli: " << message.toStdString() << '\n';
}

} // namespace

std::unique_ptr<QGuiApplication> StartGui()
{
    if (QGuiApplication::instance())
        return nullptr;
    qInstallMessageHandler(QuietQtMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "morvane-cli";
    static char *argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace morvane::cli
