// SPDX-License-Identifier: MIT
#pragma once

namespace morvane {

class TGN;

inline constexpr const char *kRegDesktopKey = "\\SOFTWARE\\Tarvisk\\Morvane\\Desktop";

// At exit with "Desktop" checked: stores the files of the open nets, in window order, as
// File_0, File_1, ... under the Desktop key; without it the stored list goes.
void SaveDesktop(const TGN &gn);
// At start-up with "Desktop" checked: opens the stored files that are still there.
void RestoreDesktop(TGN &gn);

} // namespace morvane
