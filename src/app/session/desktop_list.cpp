// SPDX-License-Identifier: MIT
#include "desktop_list.h"

#include "editor/gn_main.h"
#include "editor/net_window.h"
#include "editor/save_guard.h"
#include "settings/registry_store.h"

#include <QFileInfo>

#include <iostream>
#include <string>

namespace morvane {

void SaveDesktop(const TGN &gn)
{
    try {
        TRegistry reg;
        reg.DeleteKey(kRegDesktopKey);
        if (CurrentOptions().Desktop) {
            reg.OpenKey(kRegDesktopKey, true);
            int n = 0;
            for (const TNet *net : gn.NetWindows())
                if (!net->FilePath().isEmpty())
                    reg.WriteString("File_" + std::to_string(n++), net->FilePath().toStdString());
        }
        reg.Flush();
    } catch (const TRegistryError &e) {
        // The nets themselves are not at stake; the list is simply not there next time.
        std::cerr << "Open nets not stored: " << e.what() << "\n";
    }
}

void RestoreDesktop(TGN &gn)
{
    if (!CurrentOptions().Desktop)
        return;
    QStringList paths;
    {
        TRegistry reg;
        if (!reg.OpenKey(kRegDesktopKey, false))
            return;
        for (const TRegistryValue &value : reg.Values())
            if (value.Kind == TRegistryValue::Type::String)
                paths << QString::fromStdString(value.Text);
    }
    for (const QString &path : paths)
        if (QFileInfo(path).isFile())
            gn.OpenNet(path);
}

} // namespace morvane
