// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <string>
#include <string_view>

namespace morvane {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path`: an existing file is either replaced whole or left as it was, never emptied or cut short.
// An existing file's permissions are kept. A failure is WriteFailed with the system's reason.
TWriteResult WriteFileAtomically(const std::string &path, std::string_view bytes);

} // namespace morvane
