// SPDX-License-Identifier: MIT
#include "app_fixture.h"
#include "dialogs/options_dialog.h"
#include "settings/registry_persistence.h"

#include <QCheckBox>
#include <QMenu>

#include <array>
#include <climits>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace morvane::test {
namespace {

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override { TRegistry::SetStoreFolder(m_dir.path().toStdString()); }
    void TearDown() override { TRegistry::SetStoreFolder({}); }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_dir;
};

// Stands for the main window.
struct FakeWindow : TRegistryClient
{
    std::int32_t State = 0, Left = 10, Top = 20, Width = 593, Height = 424;
    std::vector<std::string> History;

    std::int32_t WindowStateValue() const override { return State; }
    std::int32_t WindowLeft() const override { return Left; }
    std::int32_t WindowTop() const override { return Top; }
    std::int32_t WindowWidth() const override { return Width; }
    std::int32_t WindowHeight() const override { return Height; }
    void SetWindowStateValue(std::int32_t v) override { State = v; }
    void SetWindowLeft(std::int32_t v) override { Left = v; }
    void SetWindowTop(std::int32_t v) override { Top = v; }
    void SetWindowWidth(std::int32_t v) override { Width = v; }
    void SetWindowHeight(std::int32_t v) override { Height = v; }
    std::vector<std::string> ReopenEntries() const override { return History; }
    void AddToReopen(const std::string &path) override { History.insert(History.begin(), path); }
    auto Fields() const { return std::tuple(State, Left, Top, Width, Height, History); }
};

TEST_F(StoreTest, TypedValuesKeysAndSubtreesSurviveARoundTrip)
{
    {
        TRegistry reg;
        EXPECT_FALSE(reg.OpenKey("\\A\\B", false));
        ASSERT_TRUE(reg.OpenKey("\\A\\B\\", true));
        reg.WriteString("", "default");
        reg.WriteString("Text", "say \"hi\"\\\nbye");
        reg.WriteInteger("Number", -7);
        reg.WriteInteger("number", 42); // names ignore letter case
        ASSERT_TRUE(reg.OpenKey("\\A\\B\\C", true));
        reg.WriteInteger("Deep", 1);
        ASSERT_TRUE(reg.OpenKey("\\A\\Other", true));
        reg.Flush();
    }
    EXPECT_EQ(Files(), QStringList { "registry" }) << "nothing is left beside the store";
    {
        TRegistry reg;
        EXPECT_TRUE(reg.KeyExists("\\a"));
        ASSERT_TRUE(reg.OpenKey("\\a\\b", false));
        EXPECT_EQ(reg.ValueCount(), 3u);
        EXPECT_EQ(reg.ReadString(""), "default");
        EXPECT_EQ(reg.ReadString("TEXT"), "say \"hi\"\\\nbye");
        EXPECT_EQ(reg.ReadInteger("Number"), 42);
        EXPECT_THROW(reg.ReadString("Number"), TRegistryError);
        EXPECT_THROW(reg.ReadInteger("Missing"), TRegistryError);
        EXPECT_TRUE(reg.DeleteKey("\\A\\B"));
        EXPECT_FALSE(reg.KeyExists("\\A\\B\\C"));
        EXPECT_TRUE(reg.KeyExists("\\A\\Other"));
        EXPECT_FALSE(reg.ValueCount().has_value()) << "the open key went with its subtree";
        EXPECT_THROW(reg.WriteString("x", "y"), TRegistryError);
    }
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\A\\B"));
}

TEST_F(StoreTest, DamagedLinesAreSkipped)
{
    WriteFile(m_dir.filePath("registry").toStdString(),
        "Morvane registry 1\n\"orphan\"=int:1\n[K]\n\"good\"=int:5\n\"bad\"=int:x\n"
        "\"open\"=\"no end\n@=\"d\"\n\"big\"=int:99999999999\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("K", false));
    EXPECT_EQ(reg.ValueCount(), 2u);
    EXPECT_EQ(reg.ReadInteger("good"), 5);
    EXPECT_EQ(reg.ReadString(""), "d");
}

TEST_F(StoreTest, SaveWritesThePlacementAndHistoryUnderTheProgramsKeysAndLoadReadsThem)
{
    FakeWindow window;
    window.State = 2;
    window.History = { "/n/b.vgn", "/n/a.vgn" };
    SaveToRegistry(false, window);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\", false));
    EXPECT_EQ(reg.ReadString(""), "Morvane");
    EXPECT_EQ(reg.ReadString("Version"), VersionString);
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", false));
    EXPECT_EQ(reg.ReadInteger("Height"), 424);
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\ReOpen", false));
    EXPECT_EQ(reg.ValueCount(), 2u);
    EXPECT_EQ(reg.ReadString("File_1"), "/n/a.vgn");

    // Everything comes back, the history in the order it was saved in, not reversed.
    FakeWindow next;
    next.Left = next.Top = next.Width = next.Height = 0;
    EXPECT_TRUE(LoadFromRegistry(rpWindow | rpReOpen, next));
    EXPECT_EQ(next.Fields(), window.Fields());
}

TEST_F(StoreTest, LoadSkipsWhatIsMissingAndStopsQuietlyAtAWrongType)
{
    FakeWindow window;
    EXPECT_TRUE(LoadFromRegistry(rpOptions | rpWindow | rpReOpen, window));
    EXPECT_EQ(window.Left, 10);
    EXPECT_TRUE(window.History.empty());
    EXPECT_TRUE(Files().isEmpty()) << "a load creates nothing";

    {
        TRegistry reg;
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\ReOpen", true);
        reg.WriteString("File_0", "/n/zero.vgn");
        reg.WriteString("File_2", "/n/two.vgn");
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", true);
        reg.WriteInteger("State", 0);
        reg.WriteInteger("Left", 77);
        reg.WriteString("Top", "not a number");
        reg.WriteInteger("Width", 999);
    }
    EXPECT_TRUE(LoadFromRegistry(rpWindow | rpReOpen, window));
    EXPECT_EQ(window.Left, 77);
    EXPECT_EQ(window.Top, 20);
    EXPECT_EQ(window.Width, 593) << "the load stopped at Top";
    EXPECT_TRUE(window.History.empty());

    FakeWindow history;
    EXPECT_TRUE(LoadFromRegistry(rpReOpen, history));
    // Two values: File_0 and File_1 are tried; File_2 is never read.
    EXPECT_EQ(history.History, std::vector<std::string> { "/n/zero.vgn" });
}

TEST_F(StoreTest, AHugeHistoryIsReadInOnePassUpToTheFilesItKeeps)
{
    // Written newest index first, so that the order of the lines does not give the answer away.
    // File_1 names File_0's file again; a value of the wrong type past the kept ones is never read.
    constexpr int kValues = 30000;
    std::string text = "[SOFTWARE\\Tarvisk\\Morvane\\ReOpen]\n\"File_20000\"=int:1\n";
    for (int n = kValues - 2; n >= 0; --n)
        text += "\"File_" + std::to_string(n) + "\"=\""
            + (n == 1 ? "/N/F0" : "/n/f" + std::to_string(n)) + "\"\n";
    WriteFile(m_dir.filePath("registry").toStdString(), text);
    FakeWindow window;
    LoadFromRegistry(rpReOpen, window);
    EXPECT_EQ(window.History,
        (std::vector<std::string> { "/n/f0", "/N/F0", "/n/f2", "/n/f3", "/n/f4", "/n/f5" }));
}

TEST_F(StoreTest, AStoreThatIsNoRegularFileOfSensibleSizeIsNotReadAndSaysWhy)
{
    const std::string store = m_dir.filePath("registry").toStdString();
    const std::string entry = "[SOFTWARE\\Tarvisk\\Morvane\\ReOpen]\n\"File_0\"=\"/n/a.vgn\"\n";
    const struct
    {
        const char *what;
        std::function<void()> make;
        bool read;
    } rows[] = {
        { "small file", [&] { WriteFile(store, entry); }, true },
        { "file over 16 MiB", [&] { WriteFile(store, entry + std::string(16 << 20, '\n')); },
            false },
        { "FIFO", [&] { ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0); }, false },
        { "directory", [&] { std::filesystem::create_directory(store); }, false },
        { "link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", store); },
            false },
    };
    for (const auto &row : rows) {
        std::filesystem::remove_all(store);
        row.make();
        FakeWindow window;
        std::string why = "unset";
        LoadFromRegistry(rpReOpen, window, &why);
        EXPECT_EQ(window.History.size(), row.read ? 1u : 0u) << row.what;
        EXPECT_EQ(why.empty(), row.read) << row.what << ": " << why;
    }
}

TEST_F(StoreTest, ClearRemovesTheProgramsKeyAndLeavesTheMakersMark)
{
    FakeWindow window;
    window.History = { "/n/a.vgn" };
    SaveToRegistry(true, window);
    ClearRegistry();
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Tarvisk\\Morvane"));
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Tarvisk", false));
    EXPECT_EQ(reg.ReadString("Morvane"), "was here");
    FakeWindow next;
    LoadFromRegistry(rpWindow | rpReOpen, next);
    EXPECT_TRUE(next.History.empty());
    EXPECT_EQ(next.Left, 10);
}

class StartUpTest : public AppTest
{
protected:
    void BeforeStartUp() override
    {
        TRegistry reg;
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\ReOpen", true);
        reg.WriteString("File_0", "/n/newest.vgn");
        reg.WriteString("File_1", "/n/older.vgn");
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", true);
        reg.WriteInteger("Width", 700);
        reg.WriteInteger("Height", 500);
    }
};

TEST_F(StartUpTest, PlacementAndHistoryAreRestoredAndSavedAtExit)
{
    EXPECT_EQ(gn->ReopenList(), (QStringList { "/n/newest.vgn", "/n/older.vgn" }));
    EXPECT_EQ(gn->ReopenMenu()->actions().value(0)->text(), "&1 /n/newest.vgn");

    gn->AddToReopen(QString("/n/third.vgn"));
    gn->resize(640, 480);
    Program().Options->cbAutosaveRegistry->setChecked(false);
    gn->close();
    {
        TRegistry reg;
        reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", false);
        EXPECT_EQ(reg.ReadInteger("Width"), 700) << "no autosave";
    }
    Restart();
    EXPECT_EQ(gn->width(), 700);
    EXPECT_EQ(gn->height(), 500);
    gn->AddToReopen(QString("/n/third.vgn"));
    gn->resize(640, 480);
    ASSERT_TRUE(Program().Options->cbAutosaveRegistry->isChecked());
    gn->close();
    TRegistry reg;
    reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", false);
    EXPECT_EQ(reg.ReadInteger("Width"), 640);
    reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\ReOpen", false);
    EXPECT_EQ(reg.ReadString("File_0"), "/n/third.vgn");
    EXPECT_EQ(reg.ReadString("File_2"), "/n/older.vgn");
}

TEST_F(StartUpTest, AStoredPlacementThatCannotBeSeenGivesTheDesignedOneAndIsNotSavedBack)
{
    const auto placement = [](const TRegistryClient &w) {
        return std::tuple(w.WindowLeft(), w.WindowTop(), w.WindowWidth(), w.WindowHeight());
    };
    TRegistry().DeleteKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window");
    Restart();
    const auto designed = placement(*gn);

    constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;
    const std::int32_t rows[][4] = {
        { 0, 0, kMax, kMax }, // larger than the screens
        { kMax, kMax, 593, 424 }, // overflows
        { kMin, kMin, 593, 424 }, { -5000, -5000, 593, 424 }, // off-screen
        { 0, 0, 0, -1 }, // no size
    };
    for (const auto &row : rows) {
        {
            TRegistry reg;
            reg.OpenKey("\\SOFTWARE\\Tarvisk\\Morvane\\Window", true);
            for (int i = 0; i < 4; ++i)
                reg.WriteInteger(std::array { "Left", "Top", "Width", "Height" }[i], row[i]);
        }
        Restart();
        EXPECT_EQ(placement(*gn), designed)
            << row[0] << " " << row[1] << " " << row[2] << " " << row[3];
        gn->close();
        FakeWindow saved;
        LoadFromRegistry(rpWindow, saved);
        EXPECT_EQ(placement(saved), designed) << "saved back";
    }
}

} // namespace
} // namespace morvane::test
