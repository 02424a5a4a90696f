// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes must read to a result or a fatal error without a crash, and
// whatever was read must write, read back without a single error and write to the same bytes.
#include "fuzz_net.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    morvane::fuzz::TFuzzNet net;
    net.Read(std::string_view(reinterpret_cast<const char *>(data), size));
    morvane::fuzz::RequireStableRoundTrip(net.Net);
    return 0;
}
