// SPDX-License-Identifier: MIT
// morvane: the generalized net editor.
#include "editor/gn_main.h"
#include "editor/program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // 1. The application; Qt takes its own options from the command line, the rest are nets.
    QApplication app(argc, argv);
    QApplication::setApplicationName("Morvane");
    morvane::StartUp();
    // 10. The main window shows and the program runs until it closes.
    morvane::Program().GN->show();
    morvane::OpenFiles(QApplication::arguments().mid(1));
    const int result = QApplication::exec();
    morvane::ShutDown();
    return result;
}
