// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as the per-user settings store. The text must parse to data whose
// written form reads back to itself, and a whole start-up load (options, window placement, reopen
// history) from that file must end without a crash.
#include "editor/window_placement.h"
#include "settings/registry_persistence.h"
#include "settings/registry_store.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace morvane;

class TFuzzClient final : public TRegistryClient
{
public:
    std::int32_t WindowStateValue() const override { return m_state; }
    std::int32_t WindowLeft() const override { return std::int32_t(m_place.Left); }
    std::int32_t WindowTop() const override { return std::int32_t(m_place.Top); }
    std::int32_t WindowWidth() const override { return std::int32_t(m_place.Width); }
    std::int32_t WindowHeight() const override { return std::int32_t(m_place.Height); }
    void SetWindowStateValue(std::int32_t state) override { m_state = state; }
    void SetWindowLeft(std::int32_t v) override { m_place.Left = v; }
    void SetWindowTop(std::int32_t v) override { m_place.Top = v; }
    void SetWindowWidth(std::int32_t v) override { m_place.Width = v; }
    void SetWindowHeight(std::int32_t v) override { m_place.Height = v; }
    void PlacementLoaded() override { (void)PlacementFits(m_place, { QRect(0, 0, 1920, 1080) }); }
    std::vector<std::string> ReopenEntries() const override { return m_reopen; }
    void AddToReopen(const std::string &path) override { m_reopen.insert(m_reopen.begin(), path); }
    std::optional<TOptionSet> OptionSet() const override { return m_options; }
    void SetOptionSet(const TOptionSet &options) override { m_options = options; }

private:
    std::int32_t m_state = 0;
    TWindowPlacement m_place;
    std::vector<std::string> m_reopen;
    TOptionSet m_options;
};

const std::filesystem::path &StoreFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "morvane-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        TRegistry::SetStoreFolder(pattern);
        return std::filesystem::path(pattern);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string once = TRegistryData::Parse(text).Serialize();
    if (TRegistryData::Parse(once).Serialize() != once)
        std::abort();

    std::ofstream(StoreFolder() / "registry", std::ios::binary | std::ios::trunc) << text;
    TFuzzClient client;
    LoadFromRegistry(rpOptions | rpWindow | rpReOpen, client);
    return 0;
}
