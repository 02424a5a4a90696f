// SPDX-License-Identifier: MIT
#include "format/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

std::string SizeLimitText()
{
    return "Larger than " + std::to_string(kMaxNetFileBytes >> 30)
        + " GiB, the most this program reads";
}

} // namespace

std::string ReadWholeFile(const std::string &path, std::string &bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    struct stat info = {};
    std::string problem;
    if (::fstat(fd, &info) != 0)
        problem = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        problem = S_ISDIR(info.st_mode) ? "Is a directory" : "Not a regular file";
    else if (static_cast<std::uint64_t>(info.st_size) > kMaxNetFileBytes)
        problem = SizeLimitText();
    // Reads of a regular file wait for the disk as usual.
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        problem = std::strerror(errno);
    try {
        if (problem.empty())
            bytes.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[65536];
        while (problem.empty()) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0)
                break;
            if (got < 0) {
                if (errno != EINTR)
                    problem = std::strerror(errno);
                continue;
            }
            // A file that grows while it is read is held to the same limit.
            if (bytes.size() + static_cast<std::size_t>(got) > kMaxNetFileBytes)
                problem = SizeLimitText();
            else
                bytes.append(buffer, static_cast<std::size_t>(got));
        }
    } catch (const std::bad_alloc &) {
        problem = "Not enough memory to read it";
    }
    ::close(fd);
    if (!problem.empty())
        std::string().swap(bytes);
    return problem;
}

} // namespace morvane
