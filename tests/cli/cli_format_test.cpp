// SPDX-License-Identifier: MIT
#include "format/byte_writer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kSample
    = fs::path(MORVANE_TEST_DATA).parent_path().parent_path() / "samples/simple.vgn";

std::string Slurp(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spit(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct TRun
{
    int Exit = -1;
    std::string Out, Err;
};

class CliFormat : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = fs::temp_directory_path() / ("morvane-cli-format-" + std::to_string(::getpid()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    TRun Run(const std::string &args)
    {
        const std::string command = std::string(MORVANE_CLI) + " " + args + " >"
            + (Dir / "out").string() + " 2>" + (Dir / "err").string() + " </dev/null";
        const int status = std::system(command.c_str());
        return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(Dir / "out"),
            Slurp(Dir / "err") };
    }
    std::string Quote(const fs::path &p) { return "'" + p.string() + "'"; }

    fs::path Dir;
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
    TRun r = Run("info " + Quote(kSample));
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Out, kSampleInfo);
    EXPECT_EQ(r.Err, "");

    // A damaged file: the reason, what was read, and exit 2.
    const std::string sample = Slurp(kSample);
    Spit(Dir / "cut.vgn", sample.substr(0, sample.size() - 40));
    r = Run("info " + Quote(Dir / "cut.vgn"));
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "Corrupted file: Stream read error\n");
    EXPECT_NE(r.Out.find("Name: Simple\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Arc pieces: 10\n"), std::string::npos);

    r = Run("info " + Quote(Dir / "missing.vgn"));
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err,
        "morvane-cli: cannot read " + (Dir / "missing.vgn").string()
            + ": No such file or directory\n");

    EXPECT_EQ(Run("info").Exit, 64);
    EXPECT_EQ(Run("info a b").Exit, 64);
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
    Spit(Dir / "odd.vgn", bytes);

    const TRun r = Run("info " + Quote(Dir / "odd.vgn"));
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
    TRun r = Run("convert " + Quote(kSample) + " " + Quote(once));
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(Run("info " + Quote(once)).Out, kSampleInfo);
    ASSERT_EQ(Run("convert " + Quote(once) + " " + Quote(twice)).Exit, 0);
    EXPECT_EQ(Slurp(twice), Slurp(once));

    // Damaged input: the output is neither made nor touched.
    const std::string sample = Slurp(kSample);
    Spit(Dir / "cut.vgn", sample.substr(0, 100));
    Spit(twice, "keep");
    r = Run("convert " + Quote(Dir / "cut.vgn") + " " + Quote(twice));
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "Corrupted file: Stream read error\n");
    EXPECT_EQ(Slurp(twice), "keep");
    EXPECT_EQ(Run("convert " + Quote(Dir / "cut.vgn") + " " + Quote(Dir / "new.vgn")).Exit, 2);
    EXPECT_FALSE(fs::exists(Dir / "new.vgn"));

    r = Run("convert " + Quote(kSample) + " " + Quote(Dir / "no-folder" / "x.vgn"));
    EXPECT_EQ(r.Exit, 2);
    EXPECT_NE(r.Err.find("no-folder/x.vgn"), std::string::npos);
    EXPECT_EQ(Run("convert " + Quote(kSample)).Exit, 64);
}

} // namespace
