// SPDX-License-Identifier: MIT
#include "registry_store.h"

#include "common/text.h"
#include "format/atomic_file.h"

#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

constexpr const char *kHeader = "Morvane registry 1";

// The store holds a few dozen short values; a history grown by another program may hold many
// more, which a linear load still reads quickly. Anything far larger is not ours.
constexpr off_t kLargestStore = off_t(16) << 20;

std::filesystem::path &FolderOverride()
{
    static std::filesystem::path folder;
    return folder;
}

std::string Quote(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text starting at text[pos] == '"'; pos ends after the closing quote.
std::optional<std::string> Unquote(const std::string &text, std::size_t &pos)
{
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\' && pos + 1 < text.size()) {
            char e = text[++pos];
            out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

} // namespace

std::string TRegistryData::Serialize() const
{
    std::ostringstream out;
    out << kHeader << "\n";
    for (const auto &[folded, key] : Keys) {
        out << "\n[" << key.Path << "]\n";
        for (const auto &v : key.Values) {
            out << (v.Name.empty() ? std::string("@") : Quote(v.Name)) << "=";
            if (v.Kind == TRegistryValue::Type::Integer)
                out << "int:" << v.Number << "\n";
            else
                out << Quote(v.Text) << "\n";
        }
    }
    return out.str();
}

TRegistryData TRegistryData::Parse(const std::string &text)
{
    TRegistryData data;
    std::istringstream in(text);
    std::string line;
    Key *key = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line == kHeader)
            continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string path = line.substr(1, line.size() - 2);
            std::string folded = path;
            for (char &c : folded)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            key = &data.Keys[folded];
            key->Path = path;
            continue;
        }
        if (!key)
            continue;
        TRegistryValue value;
        std::size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else {
            auto name = Unquote(line, pos);
            if (!name || name->empty())
                continue;
            value.Name = *name;
        }
        if (pos >= line.size() || line[pos] != '=')
            continue;
        ++pos;
        if (line.compare(pos, 4, "int:") == 0) {
            char *end = nullptr;
            const char *start = line.c_str() + pos + 4;
            errno = 0;
            long long n = std::strtoll(start, &end, 10);
            if (end == start || *end != '\0' || errno == ERANGE || n < INT32_MIN || n > INT32_MAX)
                continue;
            value.Kind = TRegistryValue::Type::Integer;
            value.Number = std::int32_t(n);
        } else {
            auto s = Unquote(line, pos);
            if (!s)
                continue;
            value.Text = *s;
        }
        key->Values.push_back(std::move(value));
    }
    return data;
}

std::filesystem::path TRegistry::StoreFile()
{
    std::filesystem::path folder = FolderOverride();
    if (folder.empty()) {
        if (const char *dir = std::getenv("MORVANE_CONFIG_DIR"); dir && *dir)
            folder = dir;
        else
            folder = std::filesystem::path(
                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                             .toStdString())
                / "morvane";
    }
    return folder / "registry";
}

void TRegistry::SetStoreFolder(const std::filesystem::path &folder)
{
    FolderOverride() = folder;
}

TRegistry::TRegistry()
{
    const std::string file = StoreFile().string();
    // Opened without blocking, so that a FIFO in the store's place cannot hold the program up,
    // and looked at before a byte is read, so that a device or a huge file is not read whole.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            m_unread = file + ": " + std::strerror(errno);
        return;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        m_unread = file + ": " + std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        m_unread = file + " is not a regular file";
    else if (info.st_size > kLargestStore)
        m_unread = file + " is larger than " + std::to_string(kLargestStore >> 20) + " MiB";
    std::string text;
    if (m_unread.empty()) {
        // Sized by the file, and never more than the limit, even if the file grows while it is
        // read.
        const std::size_t largest = std::size_t(kLargestStore);
        text.resize(std::size_t(info.st_size));
        std::size_t got = 0;
        while (true) {
            if (got == text.size()) {
                if (got == largest)
                    break;
                text.resize(std::min(largest, std::max<std::size_t>(4096, got * 2)));
            }
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                m_unread = file + ": " + std::strerror(errno);
                break;
            }
            if (n == 0)
                break;
            got += std::size_t(n);
        }
        text.resize(got);
    }
    ::close(fd);
    if (m_unread.empty())
        m_data = TRegistryData::Parse(text);
}

TRegistry::~TRegistry()
{
    try {
        CloseKey();
        if (m_dirty)
            Save();
    } catch (const TRegistryError &) {
        // A destructor must not throw; callers that care flush explicitly.
    }
}

std::string TRegistry::Normalize(const std::string &path)
{
    std::string out;
    for (char c : path) {
        if (c == '\\' && (out.empty() || out.back() == '\\'))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

std::string TRegistry::Fold(const std::string &path)
{
    std::string folded = Normalize(path);
    for (char &c : folded)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

bool TRegistry::KeyExists(const std::string &path) const
{
    return m_data.Keys.count(Fold(path)) != 0;
}

bool TRegistry::OpenKey(const std::string &path, bool canCreate)
{
    CloseKey();
    const std::string folded = Fold(path);
    if (folded.empty())
        return false;
    if (!m_data.Keys.count(folded)) {
        if (!canCreate)
            return false;
        // Like a system registry, creating a key creates the keys above it.
        const std::string normal = Normalize(path);
        for (std::size_t i = 0; i <= normal.size(); ++i) {
            if (i == normal.size() || normal[i] == '\\') {
                auto &key = m_data.Keys[Fold(normal.substr(0, i))];
                if (key.Path.empty())
                    key.Path = normal.substr(0, i);
            }
        }
        m_dirty = true;
    }
    m_current = folded;
    m_open = true;
    return true;
}

void TRegistry::CloseKey()
{
    if (!m_open)
        return;
    m_open = false;
    m_current.clear();
    if (!LazyWrite && m_dirty)
        Save();
}

bool TRegistry::DeleteKey(const std::string &path)
{
    const std::string folded = Fold(path);
    if (folded.empty())
        return false;
    bool found = false;
    for (auto it = m_data.Keys.begin(); it != m_data.Keys.end();) {
        const std::string &k = it->first;
        if (k == folded
            || (k.size() > folded.size() && k.compare(0, folded.size(), folded) == 0
                && k[folded.size()] == '\\')) {
            if (m_open && k == m_current)
                CloseKey();
            it = m_data.Keys.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    m_dirty = m_dirty || found;
    return found;
}

TRegistryData::Key *TRegistry::Current()
{
    if (!m_open)
        return nullptr;
    auto it = m_data.Keys.find(m_current);
    return it == m_data.Keys.end() ? nullptr : &it->second;
}

const TRegistryData::Key *TRegistry::Current() const
{
    return const_cast<TRegistry *>(this)->Current();
}

bool TRegistry::ValueExists(const std::string &name) const
{
    const auto *key = Current();
    if (!key)
        return false;
    for (const auto &v : key->Values)
        if (SameAsciiText(v.Name, name))
            return true;
    return false;
}

std::optional<std::size_t> TRegistry::ValueCount() const
{
    const auto *key = Current();
    if (!key)
        return std::nullopt;
    return key->Values.size();
}

std::span<const TRegistryValue> TRegistry::Values() const
{
    if (const auto *key = Current())
        return key->Values;
    return {};
}

const TRegistryValue &TRegistry::Find(const std::string &name) const
{
    if (const auto *key = Current())
        for (const auto &v : key->Values)
            if (SameAsciiText(v.Name, name))
                return v;
    throw TRegistryError("Invalid data type for '" + name + "'");
}

std::string TRegistry::ReadString(const std::string &name) const
{
    const auto &v = Find(name);
    if (v.Kind != TRegistryValue::Type::String)
        throw TRegistryError("Invalid data type for '" + name + "'");
    return v.Text;
}

std::int32_t TRegistry::ReadInteger(const std::string &name) const
{
    const auto &v = Find(name);
    if (v.Kind != TRegistryValue::Type::Integer)
        throw TRegistryError("Invalid data type for '" + name + "'");
    return v.Number;
}

TRegistryValue &TRegistry::Put(const std::string &name)
{
    auto *key = Current();
    if (!key)
        throw TRegistryError("Failed to set data for '" + name + "': no key is open");
    m_dirty = true;
    for (auto &v : key->Values)
        if (SameAsciiText(v.Name, name))
            return v;
    key->Values.push_back({});
    key->Values.back().Name = name;
    return key->Values.back();
}

void TRegistry::WriteString(const std::string &name, const std::string &value)
{
    auto &v = Put(name);
    v.Kind = TRegistryValue::Type::String;
    v.Text = value;
    v.Number = 0;
}

void TRegistry::WriteInteger(const std::string &name, std::int32_t value)
{
    auto &v = Put(name);
    v.Kind = TRegistryValue::Type::Integer;
    v.Text.clear();
    v.Number = value;
}

void TRegistry::Flush()
{
    if (m_dirty)
        Save();
}

// Written whole or not at all, so that a crash or a full disk never leaves a half-written store.
void TRegistry::Save()
{
    const std::filesystem::path file = StoreFile();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec)
        throw TRegistryError("Cannot create " + file.parent_path().string() + ": " + ec.message());
    const TWriteResult written = WriteFileAtomically(file.string(), m_data.Serialize());
    if (!written)
        throw TRegistryError(written.Reason);
    m_dirty = false;
}

} // namespace morvane
