// SPDX-License-Identifier: MIT
#include "options_store.h"

#include "registry_store.h"

#include <string_view>
#include <type_traits>

namespace morvane {

namespace {

std::string PageKey(std::string_view page)
{
    return std::string(kRegOptionsKey) + "\\" + std::string(page);
}

// The value of `name` in the open key as the field's type, when it is there with that type and
// in range.
template <class T>
bool ReadField(const TRegistry &reg, const std::string &name, T &field, TIntRange range = {})
{
    if (!reg.ValueExists(name))
        return false;
    try {
        if constexpr (std::is_same_v<T, std::string>) {
            field = reg.ReadString(name);
        } else {
            const std::int32_t v = reg.ReadInteger(name);
            if constexpr (std::is_same_v<T, bool>) {
                if (v != 0 && v != 1)
                    return false;
                field = v == 1;
            } else if constexpr (std::is_same_v<T, TColor>) {
                field = TColor(std::uint32_t(v));
            } else {
                if (v < range.Min || v > range.Max)
                    return false;
                field = v;
            }
        }
    } catch (const TRegistryError &) {
        return false; // a value of the wrong type
    }
    return true;
}

} // namespace

void SaveOptionSet(TRegistry &reg, const TOptionSet *options)
{
    reg.OpenKey(kRegOptionsKey, true);
    for (const char *page : kOptionPages) {
        reg.OpenKey(PageKey(page), true);
        if (!options)
            continue;
        VisitOptions(*options,
            [&](std::string_view p, const std::string &name, const auto &field, auto... /*range*/) {
                using T = std::decay_t<decltype(field)>;
                if (p != page)
                    return;
                if constexpr (std::is_same_v<T, std::string>)
                    reg.WriteString(name, field);
                else
                    reg.WriteInteger(name, std::int32_t(field));
            });
    }
}

bool LoadOptionSet(TRegistry &reg, TOptionSet &options)
{
    bool read = false;
    reg.OpenKey(kRegOptionsKey, false);
    for (const char *page : kOptionPages) {
        if (!reg.OpenKey(PageKey(page), false))
            continue;
        VisitOptions(
            options, [&](std::string_view p, const std::string &name, auto &field, auto... range) {
                if (p != page)
                    return;
                auto value = field;
                if (!ReadField(reg, name, value, range...))
                    return;
                if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
                    if (&field == &options.Scheme && !IsSchemeName(value))
                        return;
                field = value;
                read = true;
            });
    }
    return read;
}

} // namespace morvane
