// SPDX-License-Identifier: MIT
#include "format/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

TWriteResult Failure(const std::string &what, const std::string &path, int error)
{
    return TWriteResult::Failed(
        TWriteStatus::WriteFailed, path, what + " " + path + ": " + std::strerror(error));
}

std::string FolderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

mode_t DefaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TWriteResult WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string folder = FolderOf(path);
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failure("cannot create a temporary file for", path, errno);

    auto abandon = [&](const char *what, int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure(what, path, error);
    };

    struct stat existing
    {
    };
    const mode_t mode
        = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : DefaultMode();
    if (::fchmod(fd, mode) != 0)
        return abandon("cannot set the permissions of", errno);

    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return abandon("cannot write", errno);
        }
        data += written;
        left -= std::size_t(written);
    }
    if (::fsync(fd) != 0)
        return abandon("cannot flush", errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure("cannot write", path, error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failure("cannot replace", path, error);
    }
    // The rename itself lasts only once the folder's entry is on the disk.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return TWriteResult::Written(path);
}

} // namespace morvane
