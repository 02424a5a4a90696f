// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

// The largest net file this program reads; anything larger is refused unread.
inline constexpr std::uint64_t kMaxNetFileBytes = std::uint64_t { 1 } << 30;

// Reads the whole file at `path` into `bytes` and returns an empty text, or returns why it could
// not (`bytes` is then empty). Only a regular file of at most kMaxNetFileBytes is read: a FIFO, a
// device or a folder is refused before any read that could wait forever or never end, and
// running out of memory is an answer, not an exception.
std::string ReadWholeFile(const std::string &path, std::string &bytes);

} // namespace morvane
