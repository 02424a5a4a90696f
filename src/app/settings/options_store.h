// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"

namespace morvane {

class TRegistry;

// The options keys of the settings store: "...\Options" and one subkey per dialog page.
inline constexpr const char *kRegOptionsKey = "\\SOFTWARE\\Tarvisk\\Morvane\\Options";
inline constexpr const char *kOptionPages[] = { "General", "Display", "Colors", "Positions",
    "Transitions", "Arcs", "Confirmations", "Predicates" };

// Creates the options keys in order and writes every setting under its page's key: texts as
// strings, numbers, flags (0 or 1) and colours as 32-bit integers; without `options` the keys
// stay empty. Errors reach the caller.
void SaveOptionSet(TRegistry &reg, const TOptionSet *options);

// Opens the options keys without creating them and reads every setting that is there with the
// right type and a value in range over `options`; the others are passed over, so a store of an
// older program (keys without values) or a damaged value leaves those settings as they are.
// True when at least one setting was read.
bool LoadOptionSet(TRegistry &reg, TOptionSet &options);

} // namespace morvane
