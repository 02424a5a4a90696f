// SPDX-License-Identifier: MIT
#pragma once

#include "options/option_set.h"

namespace morvane::test {

// Settings of every kind away from their defaults.
inline TOptionSet ChangedOptions()
{
    TOptionSet s;
    s.Desktop = true;
    s.AutosaveRegistry = false;
    s.HistoryDepth = 20;
    s.VGNDir = "/home/u/nets with blanks";
    s.PageWidth = 1188;
    s.Landscape = true;
    s.SnapToGrid = false;
    s.GridX = 16;
    s.Scheme = "Custom";
    s.CustomColors[2] = RGB(1, 2, 3);
    s.CustomColors[17] = 0x02FF8080u;
    s.PositionFont = { "Liberation Serif", 12 };
    s.MarkerHeight = 6;
    s.OutlinedA = true;
    s.DeleteObjConf = true;
    s.Matrices = { "p#{oI}=#{iI}", "True", "" };
    return s;
}

} // namespace morvane::test
