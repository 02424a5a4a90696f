// SPDX-License-Identifier: MIT
#include "cli/cli_run.h"

#include "format/byte_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const fs::path kSample
    = fs::path(MORVANE_TEST_DATA).parent_path().parent_path() / "samples/simple.vgn";

using morvane::test::ReadFile;
using morvane::test::WriteFile;
using TRun = morvane::test::CliRun;

class CliFormat : public ::testing::Test
{
protected:
    TRun Run(const std::vector<std::string> &args) { return morvane::test::RunCli(args); }

    morvane::test::TempDir TempDir;
    const fs::path Dir = TempDir.Path();
};

const char *const kSampleInfo = "Name: Simple\n"
                                "Start: 0\n"
                                "Duration: 100\n"
                                "Time step: 1\n"
                                "x base unit: 8\n"
                                "y base unit: 8\n"
                                "Position counter: 4\n"
                                "Transition counter: 2\n"
                                "Positions: 4\n"
                                "Transitions: 2\n"
                                "Arc pieces: 11\n";

TEST_F(CliFormat, InfoOutputsAndExitCodes)
{
    TRun r = Run({ "info", kSample });
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Out, kSampleInfo);
    EXPECT_EQ(r.Err, "");

    // A damaged file: the reason, what was read, and exit 2.
    const std::string sample = ReadFile(kSample);
    WriteFile(Dir / "cut.vgn", sample.substr(0, sample.size() - 40));
    r = Run({ "info", Dir / "cut.vgn" });
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "Corrupted file: Stream read error\n");
    EXPECT_NE(r.Out.find("Name: Simple\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Arc pieces: 10\n"), std::string::npos);

    r = Run({ "info", Dir / "missing.vgn" });
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err,
        "morvane-cli: cannot read " + (Dir / "missing.vgn").string()
            + ": No such file or directory\n");

    EXPECT_EQ(Run({ "info" }).Exit, 64);
    EXPECT_EQ(Run({ "info", "a", "b" }).Exit, 64);
}

// A FIFO once blocked every command, and /dev/zero or a huge file ran them out of memory: only
// regular files of sensible size are read, the others are refused unread with exit 2.
TEST_F(CliFormat, RefusesWhatIsNotANetFileWithoutReadingIt)
{
    const fs::path fifo = Dir / "fifo.vgn";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = Dir / "huge.vgn";
    WriteFile(huge, "");
    fs::resize_file(huge, 3ull << 30); // sparse: nothing is written
    const struct
    {
        std::vector<std::string> Args;
        std::string Reason;
    } cases[] = {
        { { "info", fifo }, "Not a regular file" },
        { { "check", Dir }, "Is a directory" },
        { { "xml", "/dev/zero", "-o", Dir / "z.xml" }, "Not a regular file" },
        { { "convert", huge, Dir / "out.vgn" }, "Larger than 1 GiB, the most this program reads" },
    };
    for (const auto &c : cases) {
        const TRun r = Run(c.Args);
        EXPECT_EQ(r.Exit, 2) << c.Args[0];
        EXPECT_EQ(r.Err, "morvane-cli: cannot read " + c.Args[1] + ": " + c.Reason + "\n");
    }
}

TEST_F(CliFormat, WarningsInReadingOrder)
{
    std::string bytes;
    morvane::TByteWriter w(bytes);
    w.WriteRaw("TPF0");
    w.WriteShortString("TDrawingObjects");
    w.WriteShortString("");
    w.WriteIntegerProperty("Foo", 1);
    const std::size_t afterFoo = bytes.size();
    w.WriteShortString("Visual objects");
    w.WriteListBegin();
    w.WriteShortString("TPosition");
    w.WriteShortString("");
    w.WriteIntegerProperty("Weight", 3);
    w.WriteByte(0);
    w.WriteByte(0);
    w.WriteListEnd();
    w.WriteIntegerProperty("Bar", 2);
    const std::size_t afterBar = bytes.size();
    w.WriteByte(0);
    w.WriteByte(0);
    WriteFile(Dir / "odd.vgn", bytes);

    const TRun r = Run({ "info", Dir / "odd.vgn" });
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Err,
        "Error reading TDrawingObjects.Foo: Property Foo does not exist at pos "
            + std::to_string(afterFoo)
            + "\nWorning : Error reading TPosition.Weight: Property Weight does not exist\n"
              "Error reading TDrawingObjects.Bar: Property Bar does not exist at pos "
            + std::to_string(afterBar) + "\n");
    EXPECT_NE(r.Out.find("Positions: 1\n"), std::string::npos);
}

TEST_F(CliFormat, ConvertKeepsCountersAndNeverLeavesPartialOutput)
{
    const fs::path once = Dir / "once.vgn", twice = Dir / "twice.vgn";
    TRun r = Run({ "convert", kSample, once });
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(Run({ "info", once }).Out, kSampleInfo);
    ASSERT_EQ(Run({ "convert", once, twice }).Exit, 0);
    EXPECT_EQ(ReadFile(twice), ReadFile(once));

    // Damaged input: the output is neither made nor touched.
    const std::string sample = ReadFile(kSample);
    WriteFile(Dir / "cut.vgn", sample.substr(0, 100));
    WriteFile(twice, "keep");
    r = Run({ "convert", Dir / "cut.vgn", twice });
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "Corrupted file: Stream read error\n");
    EXPECT_EQ(ReadFile(twice), "keep");
    EXPECT_EQ(Run({ "convert", Dir / "cut.vgn", Dir / "new.vgn" }).Exit, 2);
    EXPECT_FALSE(fs::exists(Dir / "new.vgn"));

    r = Run({ "convert", kSample, Dir / "no-folder" / "x.vgn" });
    EXPECT_EQ(r.Exit, 3);
    EXPECT_NE(r.Err.find("no-folder/x.vgn"), std::string::npos);
    EXPECT_EQ(Run({ "convert", kSample }).Exit, 64);
}

} // namespace
