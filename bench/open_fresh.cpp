// SPDX-License-Identifier: MIT
// Opening a net file in a process that has not yet held a big net, as a user's first Open does:
// the memory the net takes is all fresh to the process, which benchmarks that open the same
// bytes again and again never see. See open_fresh.sh.
//   open_fresh --write DIR   writes the real-geometry nets (real_nets.h) at 48,000 and 240,000
//                            objects as DIR/joinfree-48000.vgn ... DIR/servers-240000.vgn
//   open_fresh FILE          reads FILE and runs the steps after reading; prints the wall and
//                            processor milliseconds of both, the peak resident megabytes, the
//                            number of objects and the wall milliseconds of the reading alone
#include "bench_host.h"
#include "real_nets.h"

#include "format/net_reader.h"
#include "format/net_writer.h"
#include "format/post_read.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

using namespace morvane;

namespace {

double ProcessMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double WallMs()
{
    return std::chrono::duration<double, std::milli>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int WriteAll(const std::string &dir)
{
    for (const int objects : { 48000, 240000 })
        for (const bench::TFamily family : { bench::fJoinFree, bench::fServers }) {
            bench::TBenchNet net;
            bench::BuildFamily(net.Net, family, objects);
            const std::string path = dir + (family == bench::fJoinFree ? "/joinfree-" : "/servers-")
                + std::to_string(objects) + ".vgn";
            std::ofstream out(path, std::ios::binary);
            out << WriteNetToString(net.Net);
            if (!out.flush()) {
                std::fprintf(stderr, "open_fresh: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write")
        return WriteAll(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_fresh --write DIR | open_fresh FILE\n");
        return 64;
    }
    bench::TBenchNet net;
    const double wall = WallMs(), cpu = ProcessMs();
    const TReadResult result = ReadNetFile(argv[1], net.Net);
    if (result.Status != TReadStatus::Ok) {
        std::fprintf(stderr, "open_fresh: %s: %s\n", argv[1], result.Reason.c_str());
        return 1;
    }
    const double read = WallMs() - wall;
    RunPostReadSteps(net.Net);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %.1f %ld %zu %.1f\n", WallMs() - wall, ProcessMs() - cpu,
        usage.ru_maxrss / 1024, net.Net.Count(), read);
    return 0;
}
