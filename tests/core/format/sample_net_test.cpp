// SPDX-License-Identifier: MIT
// samples/simple.vgn is made here. To make it anew after a deliberate format change:
//   MORVANE_UPDATE_SAMPLES=1 build/bin/core_tests --gtest_filter='SampleNet.*'
#include "net_test_support.h"
#include "support/test_files.h"

#include "format/atomic_file.h"
#include "format/net_reader.h"
#include "format/net_writer.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace morvane {
namespace {

using test::TTestNet;

const std::filesystem::path kSample
    = std::filesystem::path(MORVANE_TEST_DATA).parent_path().parent_path() / "samples/simple.vgn";

// Two transitions in a row: L1 and L2 feed Z1, which feeds L3; L3 feeds Z2, which feeds L4.
// Arc pieces meet head to tail and end inside the nodes, so the connections computed from the
// geometry are the ones given here.
void BuildSample(TTestNet &t)
{
    TDrawingObjects &net = t.Net;
    net.NetName = "Simple";
    net.NetDuration = 100;
    auto l1 = test::AddPosition(net, 40, 48, "L1");
    auto l2 = test::AddPosition(net, 40, 144, "L2");
    auto z1 = test::AddTransition(net, 160, 40, "Z1");
    auto l3 = test::AddPosition(net, 256, 48, "L3");
    auto z2 = test::AddTransition(net, 352, 40, "Z2");
    auto l4 = test::AddPosition(net, 448, 64, "L4");
    auto piece = [&](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        return test::AddArc(net, x1, y1, x2, y2);
    };
    piece(72, 64, 112, 64);
    piece(112, 64, 112, 80);
    auto in1 = piece(112, 80, 176, 80);
    piece(72, 160, 136, 160);
    piece(136, 160, 136, 104);
    auto in2 = piece(136, 104, 176, 104);
    auto out1 = piece(176, 64, 256, 64);
    piece(288, 64, 320, 64);
    piece(320, 64, 320, 96);
    auto in3 = piece(320, 96, 368, 96);
    auto out2 = piece(368, 80, 448, 80);
    for (auto *a : { in1.get(), in2.get(), in3.get() })
        a->Arrowed = true;
    out1->Arrowed = out2->Arrowed = true;

    z1->InArcs = { WeakOf(in1.get()), WeakOf(in2.get()) };
    z1->OutArcs = { WeakOf(out1.get()) };
    z1->InIndex = { { "L1", WeakOf(l1.get()) }, { "L2", WeakOf(l2.get()) } };
    z1->OutIndex = { { "L3", WeakOf(l3.get()) } };
    z1->TrType = "L1 and L2";
    z2->InArcs = { WeakOf(in3.get()) };
    z2->OutArcs = { WeakOf(out2.get()) };
    z2->InIndex = { { "L3", WeakOf(l3.get()) } };
    z2->OutIndex = { { "L4", WeakOf(l4.get()) } };
    z2->TrType = "L3";
    z2->Description = "Moves tokens on";
    l4->Capacity = 10;
    t.Positions.Value = 4;
    t.Transitions.Value = 2;
}

TEST(SampleNet, ShippedFileIsWhatTheWriterMakes)
{
    TTestNet t;
    BuildSample(t);
    const std::string bytes = WriteNetToString(t.Net);
    if (std::getenv("MORVANE_UPDATE_SAMPLES")) {
        ASSERT_TRUE(WriteFileAtomically(kSample.string(), bytes));
    }
    EXPECT_EQ(test::ReadFile(kSample), bytes);
}

TEST(AtomicSave, ReplacesWholeOrNotAtAll)
{
    const test::TempDir dir;
    const std::filesystem::path &folder = dir.Path();
    std::filesystem::create_directory(folder / "target-is-a-folder");
    const std::string path = (folder / "net.vgn").string();

    TTestNet t;
    test::AddPosition(t.Net, 40, 48, "L1");
    ASSERT_TRUE(SaveNetFile(path, t.Net));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    test::AddPosition(t.Net, 80, 48, "L2");
    ASSERT_TRUE(SaveNetFile(path, t.Net));
    TTestNet back;
    ASSERT_TRUE(ReadNetFile(path, back.Net));
    EXPECT_EQ(back.Net.Positions().size(), 2u);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));

    // Failures name the file and leave nothing behind.
    const std::string missing = (folder / "no-such-folder" / "net.vgn").string();
    EXPECT_NE(SaveNetFile(missing, t.Net).Reason.find(missing), std::string::npos);
    EXPECT_FALSE(SaveNetFile((folder / "target-is-a-folder").string(), t.Net));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 2u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "target-is-a-folder"));

    TTestNet none;
    const TReadResult r = ReadNetFile(missing, none.Net);
    EXPECT_EQ(r.Status, TReadStatus::OpenFailed);
    EXPECT_EQ(r.Reason, "No such file or directory");
}

} // namespace
} // namespace morvane
