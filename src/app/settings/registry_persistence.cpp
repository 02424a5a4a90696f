// SPDX-License-Identifier: MIT
#include "registry_persistence.h"

#include "registry_store.h"

#include "options/display_globals.h"

#include <algorithm>

namespace morvane {

namespace {

const char *const kOptionKeys[] = {
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\General",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Display",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Colors",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Positions",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Transitions",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Arcs",
    "\\SOFTWARE\\Tarvisk\\Morvane\\Options\\Confirmations",
};

std::string FileValueName(std::size_t n)
{
    return "File_" + std::to_string(n);
}

} // namespace

bool LoadFromRegistry(unsigned parts, TRegistryClient &client)
{
    try {
        TRegistry reg;
        if (parts & rpOptions)
            for (const char *key : kOptionKeys)
                reg.OpenKey(key, false);
        if (parts & rpWindow) {
            reg.OpenKey(kRegWindowKey, false);
            if (reg.ValueExists("State"))
                client.SetWindowStateValue(reg.ReadInteger("State"));
            if (reg.ValueExists("Left"))
                client.SetWindowLeft(reg.ReadInteger("Left"));
            if (reg.ValueExists("Top"))
                client.SetWindowTop(reg.ReadInteger("Top"));
            if (reg.ValueExists("Width"))
                client.SetWindowWidth(reg.ReadInteger("Width"));
            if (reg.ValueExists("Height"))
                client.SetWindowHeight(reg.ReadInteger("Height"));
        }
        if ((parts & rpReOpen) && reg.OpenKey(kRegReOpenKey, false)) {
            if (auto count = reg.ValueCount()) {
                // Every entry goes on top of the history, so the oldest is handed over first:
                // the history comes back in the order it was saved in.
                std::vector<std::string> paths;
                for (std::size_t n = 0; n < *count; ++n)
                    if (reg.ValueExists(FileValueName(n)))
                        paths.push_back(reg.ReadString(FileValueName(n)));
                std::for_each(paths.rbegin(), paths.rend(),
                    [&](const std::string &p) { client.AddToReopen(p); });
            }
        }
    } catch (const std::exception &) {
        // A value of the wrong type ends the load quietly; what was applied stays.
    }
    return true;
}

void SaveToRegistry(bool lazy, const TRegistryClient &client)
{
    TRegistry reg;
    reg.OpenKey(kRegRootKey, true);
    reg.WriteString("", "Morvane");
    reg.WriteString("Version", VersionString);
    reg.WriteString("Copyright", kRegMaker);
    for (const char *key : kOptionKeys)
        reg.OpenKey(key, true);
    reg.OpenKey(kRegWindowKey, true);
    reg.WriteInteger("State", client.WindowStateValue());
    reg.WriteInteger("Left", client.WindowLeft());
    reg.WriteInteger("Top", client.WindowTop());
    reg.WriteInteger("Width", client.WindowWidth());
    reg.WriteInteger("Height", client.WindowHeight());
    reg.OpenKey(kRegReOpenKey, true);
    const auto entries = client.ReopenEntries();
    const std::size_t last = std::min<std::size_t>(HistoryDepth, entries.size());
    for (std::size_t n = 0; n < last; ++n)
        reg.WriteString(FileValueName(n), entries[n]);
    reg.LazyWrite = lazy;
    reg.CloseKey();
    // Written before returning even when lazy, so that a failure reaches the caller.
    reg.Flush();
}

void ClearRegistry()
{
    TRegistry reg;
    reg.DeleteKey(kRegRootKey);
    reg.OpenKey(kRegMakerKey, true);
    reg.WriteString("Morvane", "was here");
    reg.LazyWrite = false;
    reg.CloseKey();
    reg.Flush();
}

} // namespace morvane
