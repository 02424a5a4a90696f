// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

namespace morvane {

enum class TWriteStatus {
    Ok,
    // The file's bytes could not be made (a picture too large, an unknown depth); nothing was
    // written.
    EncodeFailed,
    // The file could not be created or replaced; an existing file is left as it was.
    WriteFailed,
};

// What every writer of a file answers: the net file, its XML description, a LaTeX document and
// the pictures alike.
struct TWriteResult
{
    TWriteStatus Status = TWriteStatus::Ok;
    std::string Path;
    // For a failure, what went wrong, naming the file ("cannot write net.vgn: No space left on
    // device"); empty when written.
    std::string Reason;

    explicit operator bool() const { return Status == TWriteStatus::Ok; }

    static TWriteResult Written(std::string path)
    {
        return { TWriteStatus::Ok, std::move(path), {} };
    }
    static TWriteResult Failed(TWriteStatus status, std::string path, std::string reason)
    {
        return { status, std::move(path), std::move(reason) };
    }
};

} // namespace morvane
