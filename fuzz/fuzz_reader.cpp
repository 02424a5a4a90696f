// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes must read to a result or a fatal error without a crash, and
// whatever was read must write, read back without a single error and write to the same bytes.
#include "common/count_object.h"
#include "common/message_list.h"
#include "format/net_reader.h"
#include "format/net_writer.h"
#include "format/post_read.h"
#include "model/drawing_objects.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct TFuzzNet final : morvane::TDocumentHost
{
    morvane::TCountObject Positions, Transitions;
    morvane::TMessageList Messages;
    morvane::TDrawingObjects Net { this, &Messages, nullptr };

    morvane::TCountObject &PositionCounter() override { return Positions; }
    morvane::TCountObject &TransitionCounter() override { return Transitions; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    TFuzzNet first;
    ReadNet(bytes, first.Net, [&first](const std::string &text, std::size_t offset) {
        first.Messages.Add(FormatRootError(text, offset));
    });
    RunPostReadSteps(first.Net);
    const std::string written = WriteNetToString(first.Net);

    TFuzzNet second;
    const TReadResult again = ReadNet(written, second.Net, [](const std::string &, std::size_t) {
        std::abort(); // the writer never writes what the reader does not know
    });
    if (!again || !second.Messages.Empty())
        std::abort();
    RunPostReadSteps(second.Net);
    if (WriteNetToString(second.Net) != written)
        std::abort();
    return 0;
}
