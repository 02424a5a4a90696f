// SPDX-License-Identifier: MIT
#include "format/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace morvane {

namespace {

constexpr std::string_view kTempPrefix = ".morvane-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempNameLength = kTempPrefix.size() + 6 + kTempSuffix.size();
// A temporary file this old is no save in progress but one that was killed.
constexpr std::time_t kStaleSeconds = 60 * 60;
// As many links as the system follows itself.
constexpr int kMaxLinkHops = 40;

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

// The file a save lands in: `path`, or the final target of the symbolic links it names (which
// need not exist yet). Answers 0 or the system's error.
int ResolveLinks(const std::string &path, std::string &target)
{
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info
        {
        };
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0)
            return errno;
        link.resize(std::size_t(length));
        target = !link.empty() && link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return ELOOP;
}

bool IsTemporaryName(std::string_view name)
{
    return name.size() == kTempNameLength && name.starts_with(kTempPrefix)
        && name.ends_with(kTempSuffix);
}

// Removes the temporary files a killed save left in `folder`: only regular files with our names,
// and only old ones, since another editor may be saving there right now.
void RemoveStaleTemporaries(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        struct stat info
        {
        };
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && now - info.st_mtime >= kStaleSeconds)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

TAtomicFile::TAtomicFile(TAtomicFile &&other) noexcept
    : m_path(std::move(other.m_path))
    , m_target(std::move(other.m_target))
    , m_temp(std::exchange(other.m_temp, {}))
{
}

TAtomicFile &TAtomicFile::operator=(TAtomicFile &&other) noexcept
{
    if (this != &other) {
        Abandon();
        m_path = std::move(other.m_path);
        m_target = std::move(other.m_target);
        m_temp = std::exchange(other.m_temp, {});
    }
    return *this;
}

TAtomicFile::~TAtomicFile()
{
    Abandon();
}

void TAtomicFile::Abandon()
{
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}

TWriteResult TAtomicFile::Prepare(const std::string &path, std::string_view bytes)
{
    Abandon();
    m_path = path;
    if (const int error = ResolveLinks(path, m_target))
        return Failure("cannot follow the link", path, error);

    mode_t mode = 0;
    struct stat existing
    {
    };
    if (::stat(m_target.c_str(), &existing) != 0) {
        mode = DefaultMode();
    } else {
        if (S_ISDIR(existing.st_mode))
            return Failure("cannot replace", path, EISDIR);
        if (!S_ISREG(existing.st_mode))
            return TWriteResult::Failed(
                TWriteStatus::WriteFailed, path, path + " is not a regular file");
        // Whoever may write anything answers to the mode bits too: a protected file is kept.
        if ((existing.st_mode & 0222) == 0 || ::access(m_target.c_str(), W_OK) != 0)
            return TWriteResult::Failed(TWriteStatus::WriteFailed, path, path + " is read-only");
        mode = existing.st_mode & 07777;
    }

    const std::string folder = FolderOf(m_target);
    RemoveStaleTemporaries(folder);
    std::string temp
        = folder + "/" + std::string(kTempPrefix) + "XXXXXX" + std::string(kTempSuffix);
    const int fd = ::mkstemps(temp.data(), int(kTempSuffix.size()));
    if (fd < 0)
        return Failure("cannot create a temporary file for", path, errno);
    m_temp = temp;

    auto abandon = [&](const char *what, int error) {
        ::close(fd);
        Abandon();
        return Failure(what, path, error);
    };
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
        Abandon();
        return Failure("cannot write", path, error);
    }
    return TWriteResult::Written(path);
}

TWriteResult TAtomicFile::Commit()
{
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        Abandon();
        return Failure("cannot replace", m_path, error);
    }
    m_temp.clear();
    // The rename itself lasts only once the folder's entry is on the disk.
    const int dir = ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return TWriteResult::Written(m_path);
}

TWriteResult WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    TAtomicFile file;
    TWriteResult result = file.Prepare(path, bytes);
    return result ? file.Commit() : result;
}

} // namespace morvane
