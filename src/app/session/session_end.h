// SPDX-License-Identifier: MIT
#pragma once

class QSessionManager;

namespace morvane {

class TGN;

// The desktop session ends (the user logs out): with the user at hand the unsaved nets are dealt
// with as at Exit and the program closes, or the logout is cancelled; without, every modified
// net gets a recovery copy for the next start.
void CommitSession(TGN &gn, QSessionManager &manager);

} // namespace morvane
