// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace morvane {

// Raised for a value of the wrong type, a missing value, a write without an open key, or a store
// file that cannot be written.
class TRegistryError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct TRegistryValue
{
    enum class Type { String, Integer };
    std::string Name; // empty: the key's default value
    Type Kind = Type::String;
    std::string Text;
    std::int32_t Number = 0;
};

// The whole per-user store: keys by path, each with its values in the order they were first
// written. Key paths and value names compare without regard to ASCII letter case.
struct TRegistryData
{
    struct Key
    {
        std::string Path; // as first created, no leading or trailing backslash
        std::vector<TRegistryValue> Values;
    };
    std::map<std::string, Key> Keys; // by folded path

    std::string Serialize() const;
    // Lines that cannot be understood are skipped: a damaged store must not stop the program.
    static TRegistryData Parse(const std::string &text);
};

// An accessor on the per-user store, in the manner of a system registry: open (or create) one key
// at a time, read and write its typed values, delete whole subtrees. Every accessor reads the
// store when it is made and writes it back, atomically, when it is released or flushed.
class TRegistry
{
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry &) = delete;
    TRegistry &operator=(const TRegistry &) = delete;

    // With LazyWrite off, closing a key flushes the store to disk at once.
    bool LazyWrite = true;

    bool OpenKey(const std::string &path, bool canCreate);
    void CloseKey();
    bool KeyExists(const std::string &path) const;
    // Deletes the key with every subkey and value; false when there was no such key.
    bool DeleteKey(const std::string &path);
    const std::string &CurrentPath() const { return m_current; }
    // Why the store on disk was not read (it then counts as empty); empty when it was read or
    // there was none.
    const std::string &Unread() const { return m_unread; }

    bool ValueExists(const std::string &name) const;
    // The number of values of the open key; nothing when no key is open.
    std::optional<std::size_t> ValueCount() const;
    // The open key's values in the order they were first written; none when no key is open.
    std::span<const TRegistryValue> Values() const;
    std::string ReadString(const std::string &name) const;
    std::int32_t ReadInteger(const std::string &name) const;
    void WriteString(const std::string &name, const std::string &value);
    void WriteInteger(const std::string &name, std::int32_t value);

    // Writes the store now if anything changed; the data is on the disk on return.
    void Flush();

    // Where the store lives: the folder set by SetStoreFolder, else $MORVANE_CONFIG_DIR, else
    // "morvane" in the user's configuration folder ($XDG_CONFIG_HOME, ~/.config); the file is
    // called "registry".
    static std::filesystem::path StoreFile();
    // Tests point the store at a folder of their own; an empty path returns to the default.
    static void SetStoreFolder(const std::filesystem::path &folder);

private:
    static std::string Fold(const std::string &path);
    static std::string Normalize(const std::string &path);
    TRegistryData::Key *Current();
    const TRegistryData::Key *Current() const;
    const TRegistryValue &Find(const std::string &name) const;
    TRegistryValue &Put(const std::string &name);
    void Save();

    TRegistryData m_data;
    std::string m_current; // folded path of the open key, empty when none
    bool m_open = false;
    bool m_dirty = false;
    std::string m_unread;
};

} // namespace morvane
