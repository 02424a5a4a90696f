// SPDX-License-Identifier: MIT
#include "registry_persistence.h"

#include "options_store.h"
#include "registry_store.h"

#include "options/display_globals.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <string_view>

namespace morvane {

namespace {

std::string FileValueName(std::size_t n)
{
    return "File_" + std::to_string(n);
}

// The index n of a value named "File_<n>" (any letter case, n in decimal without leading zeros).
std::optional<std::size_t> FileIndex(const std::string &name)
{
    constexpr std::string_view prefix = "file_";
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 9)
        return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i])
            return std::nullopt;
    const std::string_view digits = std::string_view(name).substr(prefix.size());
    if (digits.size() > 1 && digits[0] == '0')
        return std::nullopt;
    std::size_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + std::size_t(c - '0');
    }
    return n;
}

// The entries of the open ReOpen key that the history keeps, File_0 first: "File_<n>" for n below
// the key's number of values, missing indexes skipped, until HistoryDepth different files are
// found (the history holds each file once, compared without regard to letter case). One pass
// over the values; only the kept ones are read.
std::vector<std::string> KeptHistory(const TRegistry &reg)
{
    const auto values = reg.Values();
    std::vector<const TRegistryValue *> byIndex(values.size(), nullptr);
    for (const auto &v : values)
        if (auto n = FileIndex(v.Name); n && *n < byIndex.size() && !byIndex[*n])
            byIndex[*n] = &v;
    std::vector<std::string> kept;
    std::vector<QString> distinct;
    for (const TRegistryValue *v : byIndex) {
        if (!v)
            continue;
        if (v->Kind != TRegistryValue::Type::String)
            throw TRegistryError("Invalid data type for '" + v->Name + "'");
        const std::string &path = v->Text;
        const QString name = QString::fromStdString(path);
        kept.push_back(path);
        if (std::none_of(distinct.begin(), distinct.end(),
                [&](const QString &d) { return d.compare(name, Qt::CaseInsensitive) == 0; }))
            distinct.push_back(name);
        if (distinct.size() == std::size_t(Globals().HistoryDepth))
            break;
    }
    return kept;
}

} // namespace

bool LoadFromRegistry(unsigned parts, TRegistryClient &client, std::string *unread)
{
    try {
        TRegistry reg;
        if (unread)
            *unread = reg.Unread();
        if (parts & rpOptions) {
            // Before the history: the depth it is kept to is one of the options.
            if (auto options = client.OptionSet(); options && LoadOptionSet(reg, *options))
                client.SetOptionSet(*options);
        }
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
            // Every entry goes on top of the history, so the oldest is handed over first:
            // the history comes back in the order it was saved in.
            const auto paths = KeptHistory(reg);
            std::for_each(
                paths.rbegin(), paths.rend(), [&](const std::string &p) { client.AddToReopen(p); });
        }
    } catch (const std::exception &) {
        // A value of the wrong type ends the load quietly; what was applied stays.
    }
    if (parts & rpWindow)
        client.PlacementLoaded();
    return true;
}

void SaveToRegistry(bool lazy, const TRegistryClient &client)
{
    TRegistry reg;
    reg.OpenKey(kRegRootKey, true);
    reg.WriteString("", "Morvane");
    reg.WriteString("Version", VersionString);
    reg.WriteString("Copyright", kRegMaker);
    const auto options = client.OptionSet();
    SaveOptionSet(reg, options ? &*options : nullptr);
    reg.OpenKey(kRegWindowKey, true);
    reg.WriteInteger("State", client.WindowStateValue());
    reg.WriteInteger("Left", client.WindowLeft());
    reg.WriteInteger("Top", client.WindowTop());
    reg.WriteInteger("Width", client.WindowWidth());
    reg.WriteInteger("Height", client.WindowHeight());
    reg.OpenKey(kRegReOpenKey, true);
    const auto entries = client.ReopenEntries();
    const std::size_t last = std::min<std::size_t>(Globals().HistoryDepth, entries.size());
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
