// SPDX-License-Identifier: MIT
#include "options/display_globals.h"

namespace morvane {

std::array<TColor, kColorTableSize> TDisplayGlobals::DefaultColorTable()
{
    const TColor window = SystemColor(5);
    const TColor black = RGB(0, 0, 0);
    const TColor white = RGB(255, 255, 255);
    const TColor red = RGB(255, 0, 0);
    const TColor green = RGB(0, 128, 0);
    return {
        window, // 0 Background
        white, // 1 Background, Print
        RGB(128, 128, 128), // 2 Grid
        white, // 3 Grid, Print
        black, // 4 Transitions
        black, // 5 Transitions, Label
        window, // 6 Transitions, Fill
        red, // 7 Transitions, Selected
        red, // 8 Transitions, Wizard
        green, // 9 Transitions, Active
        black, // 10 Transitions, Print
        black, // 11 Positions
        black, // 12 Positions, Label
        red, // 13 Positions, Selected
        red, // 14 Positions, Wizard
        green, // 15 Positions, Active Border
        window, // 16 Positions, Fill
        0x02FF8080u, // 17 Positions, Active Fill (palette-relative)
        black, // 18 Positions, Print
        RGB(0, 0, 255), // 19 Arcs
        red, // 20 Arcs, Selected
        red, // 21 Arcs, Wizard
        black, // 22 Arcs, Print
        black, // 23 Static Texts
        black, // 24 Static Texts, Print
    };
}

TDisplayGlobals &Globals()
{
    static TDisplayGlobals globals;
    return globals;
}

void ResetGlobals()
{
    Globals() = TDisplayGlobals {};
}

} // namespace morvane
