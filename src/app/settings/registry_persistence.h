// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

// Parts of a load.
enum TRegistryPart : unsigned {
    rpOptions = 1,
    rpWindow = 2,
    rpReOpen = 4,
};

inline constexpr const char *kRegMakerKey = "\\SOFTWARE\\Tarvisk\\";
inline constexpr const char *kRegRootKey = "\\SOFTWARE\\Tarvisk\\Morvane\\";
inline constexpr const char *kRegWindowKey = "\\SOFTWARE\\Tarvisk\\Morvane\\Window";
inline constexpr const char *kRegReOpenKey = "\\SOFTWARE\\Tarvisk\\Morvane\\ReOpen";
inline constexpr const char *kRegMaker = "Tarvisk";

// What the registry persistence reads from and writes to: the main window's placement and its
// reopen history.
class TRegistryClient
{
public:
    virtual ~TRegistryClient() = default;

    // 0 normal, 1 minimised, 2 maximised.
    virtual std::int32_t WindowStateValue() const = 0;
    virtual std::int32_t WindowLeft() const = 0;
    virtual std::int32_t WindowTop() const = 0;
    virtual std::int32_t WindowWidth() const = 0;
    virtual std::int32_t WindowHeight() const = 0;
    virtual void SetWindowStateValue(std::int32_t state) = 0;
    virtual void SetWindowLeft(std::int32_t v) = 0;
    virtual void SetWindowTop(std::int32_t v) = 0;
    virtual void SetWindowWidth(std::int32_t v) = 0;
    virtual void SetWindowHeight(std::int32_t v) = 0;
    // Called after a load of the placement, whether it handed over every value, some or none,
    // so that the window can judge the values together.
    virtual void PlacementLoaded() { }

    // Most recent first.
    virtual std::vector<std::string> ReopenEntries() const = 0;
    virtual void AddToReopen(const std::string &path) = 0;

    // The settings of the options dialog, stored under the options keys; a client without them
    // leaves those keys empty.
    virtual std::optional<TOptionSet> OptionSet() const { return std::nullopt; }
    virtual void SetOptionSet(const TOptionSet &) { }
};

// Always true: a damaged or missing store only restores less. A store that is there but was not
// read (not a regular file, too large) restores nothing; why goes to *unread when it is given.
bool LoadFromRegistry(unsigned parts, TRegistryClient &client, std::string *unread = nullptr);
// Errors (a store that cannot be written) reach the caller.
void SaveToRegistry(bool lazy, const TRegistryClient &client);
void ClearRegistry();

} // namespace morvane
