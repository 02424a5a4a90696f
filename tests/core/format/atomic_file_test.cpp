// SPDX-License-Identifier: MIT
#include "support/test_files.h"

#include "format/atomic_file.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// A save through a link once replaced the link and left the file it named as it was.
TEST(AtomicFile, SavesThroughLinksToTheirFinalTarget)
{
    const test::TempDir dir;
    const fs::path &folder = dir.Path();
    fs::create_directory(folder / "real");
    test::WriteFile(folder / "real" / "net.vgn", "old");
    fs::create_symlink("real/net.vgn", folder / "hop.vgn");
    fs::create_symlink(folder / "hop.vgn", folder / "link.vgn");
    fs::create_symlink("real/new.vgn", folder / "dangling.vgn");

    struct Case
    {
        const char *link;
        const char *target;
    };
    for (const Case &c :
        { Case { "link.vgn", "real/net.vgn" }, Case { "dangling.vgn", "real/new.vgn" } }) {
        ASSERT_TRUE(WriteFileAtomically((folder / c.link).string(), c.link)) << c.link;
        EXPECT_TRUE(fs::is_symlink(folder / c.link)) << c.link;
        EXPECT_EQ(test::ReadFile(folder / c.target), c.link);
    }
    // The temporary file went beside the target, and nothing was left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 2);
}

// A write-protected file in a writable folder was silently replaced, and so was a special file.
TEST(AtomicFile, RefusesWhatItMayNotReplaceAndLeavesItAsItWas)
{
    const test::TempDir dir;
    const std::string file = (dir.Path() / "net.vgn").string();
    const std::string fifo = (dir.Path() / "pipe.vgn").string();
    test::WriteFile(file, "old");
    fs::permissions(file, fs::perms(0444));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);

    for (const auto &[path, reason] : { std::pair { file, file + " is read-only" },
             std::pair { fifo, fifo + " is not a regular file" } }) {
        const TWriteResult result = WriteFileAtomically(path, "new");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.Reason, reason);
    }
    EXPECT_EQ(test::ReadFile(file), "old");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

// The temporary name was the path plus a suffix, too long for a valid name near the limit.
TEST(AtomicFile, SavesANameOfTheLongestValidLength)
{
    const test::TempDir dir;
    const fs::path path = dir.Path() / (std::string(251, 'n') + ".vgn");
    ASSERT_TRUE(WriteFileAtomically(path.string(), "net"));
    EXPECT_EQ(test::ReadFile(path), "net");
}

// A killed save left its complete temporary file behind for good.
TEST(AtomicFile, RemovesOnlyItsOwnStaleTemporaryFiles)
{
    const test::TempDir dir;
    const fs::path &folder = dir.Path();
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    auto make = [&](const char *name, bool aged) {
        test::WriteFile(folder / name, "x");
        if (aged)
            fs::last_write_time(folder / name, old);
    };
    make(".morvane-AAAAAA.tmp", true); // a killed save: removed
    make(".morvane-BBBBBB.tmp", false); // maybe a save in progress: kept
    make(".morvane-CCCCCC.tmpx", true); // not our name: kept
    make("mine.tmp", true);
    fs::create_directory(folder / ".morvane-DDDDDD.tmp");
    fs::create_symlink("mine.tmp", folder / ".morvane-EEEEEE.tmp");

    ASSERT_TRUE(WriteFileAtomically((folder / "net.vgn").string(), "net"));
    EXPECT_FALSE(fs::exists(folder / ".morvane-AAAAAA.tmp"));
    for (const char *kept : { ".morvane-BBBBBB.tmp", ".morvane-CCCCCC.tmpx", "mine.tmp",
             ".morvane-DDDDDD.tmp", ".morvane-EEEEEE.tmp", "net.vgn" })
        EXPECT_TRUE(fs::exists(fs::symlink_status(folder / kept))) << kept;
}

} // namespace
} // namespace morvane
