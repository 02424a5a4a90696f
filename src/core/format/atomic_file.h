// SPDX-License-Identifier: MIT
#pragma once

#include "format/write_result.h"

#include <string>
#include <string_view>

namespace morvane {

// A file written in full under a temporary name in its destination's folder, not yet in place.
// Commit renames it over the destination: an existing file is either replaced whole or left as
// it was, never emptied or cut short. An uncommitted file is removed when this goes away, so
// several files can be prepared first and put in place only once all of them could be written.
//
// The destination is the final target of a symbolic link, so a save goes through the link. An
// existing file the user may not write, or one without any write permission, is refused as
// "<path> is read-only"; otherwise its permissions are kept. The rename gives the destination a
// new inode: other hard links to the old file keep the old contents (writing in place would keep
// them together, but a crash half-way would leave every name with a cut file).
//
// Temporary files are named ".morvane-XXXXXX.tmp" whatever the destination's name, so names up
// to the system's limit can be saved; ones left by a killed save (an hour old or more) are
// removed by the next save in that folder.
class TAtomicFile
{
public:
    TAtomicFile() = default;
    TAtomicFile(TAtomicFile &&other) noexcept;
    TAtomicFile &operator=(TAtomicFile &&other) noexcept;
    TAtomicFile(const TAtomicFile &) = delete;
    TAtomicFile &operator=(const TAtomicFile &) = delete;
    ~TAtomicFile();

    // Writes `bytes` and flushes them to the disk; a failure is WriteFailed with the system's
    // reason, and nothing is left behind.
    TWriteResult Prepare(const std::string &path, std::string_view bytes);
    // Puts the prepared file in place.
    TWriteResult Commit();

private:
    void Abandon();

    std::string m_path;
    std::string m_target;
    std::string m_temp;
};

// Prepares and commits one file.
TWriteResult WriteFileAtomically(const std::string &path, std::string_view bytes);

} // namespace morvane
