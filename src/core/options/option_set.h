// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"
#include "model/transition_matrices.h"
#include "options/display_globals.h"

#include <array>
#include <cstdint>
#include <string>

namespace morvane {

// Every setting of the options dialog as plain values, page by page: what the settings store and
// the settings files keep. The dialog fills one from its controls, the options record and the
// display globals, and applies one back to all three.
struct TOptionSet
{
    // General
    bool EditorFiles = false;
    bool Desktop = false;
    bool AutosaveRegistry = true;
    bool EditedFiles = true;
    std::int32_t AutoSaveInterval = 0;
    bool HistoryInRegistry = true;
    bool HistoryInDesktopFile = false;
    std::int32_t HistoryDepth = 5;
    std::string VGNDir;
    std::string TKNDir;
    bool Lazy = false;
    bool ShowHints = false;
    // Display
    std::int32_t PageWidth = 210;
    std::int32_t PageHeight = 297;
    bool Landscape = false;
    bool SameAsPrintArea = true;
    bool ShowGrid = true;
    bool SnapToGrid = true;
    std::int32_t GridX = 8;
    std::int32_t GridY = 8;
    std::int32_t EditBar = 4;
    // Colors: the scheme in effect and the user's own table (the "Custom" scheme)
    std::string Scheme = "Default";
    std::array<TColor, kColorTableSize> CustomColors = TDisplayGlobals::DefaultColorTable();
    // Positions
    TFontSpec PositionFont { "Courier New", 8 };
    bool OutlinedP = false;
    bool ShowLabelP = true;
    bool PrintLabelP = true;
    // Transitions
    std::int32_t LabelOffset = 20;
    TFontSpec TransitionFont { "Courier New", 8 };
    bool OutlinedT = true;
    bool ShowLabelT = true;
    bool PrintLabelT = true;
    // Arcs
    bool ShowPathMarker = true;
    std::int32_t MarkerWidth = 0;
    std::int32_t MarkerHeight = 0;
    bool OutlinedA = false;
    // Confirmations
    bool ExitConf = false;
    bool OverrideConf = true;
    bool SaveConf = true;
    bool AskForStopSimulation = false;
    bool DeleteObjConf = false;
    // Predicates: the names of default cells and the texts of the constants
    TMatrixSettings Matrices;

    bool operator==(const TOptionSet &) const = default;
};

inline constexpr const char *kSchemeNames[] = { "Classic", "Default", "Custom" };

// Whole numbers a setting accepts.
struct TIntRange
{
    std::int32_t Min;
    std::int32_t Max;
};

// Calls, in the store's order, f(page, name, field) for every setting, with field a reference to
// a bool, a 32-bit integer, a std::string or a TColor, and for integers also the range it accepts:
// f(page, name, field, range). Colours are listed one by one ("Custom0" ... "Custom24"), fonts as
// a name and a size. `Set` is TOptionSet or const TOptionSet.
template <class Set, class F> void VisitOptions(Set &s, F &&f)
{
    constexpr TIntRange any { 0, 1000000 };
    constexpr TIntRange step { 0, 64 };
    constexpr TIntRange points { 1, 200 };
    f("General", "EditorFiles", s.EditorFiles);
    f("General", "Desktop", s.Desktop);
    f("General", "AutosaveRegistry", s.AutosaveRegistry);
    f("General", "EditedFiles", s.EditedFiles);
    f("General", "AutoSaveInterval", s.AutoSaveInterval, TIntRange { 0, 1440 });
    f("General", "HistoryInRegistry", s.HistoryInRegistry);
    f("General", "HistoryInDesktopFile", s.HistoryInDesktopFile);
    f("General", "HistoryDepth", s.HistoryDepth, TIntRange { 1, 20 });
    f("General", "VGNDir", s.VGNDir);
    f("General", "TKNDir", s.TKNDir);
    f("General", "Lazy", s.Lazy);
    f("General", "ShowHints", s.ShowHints);
    f("Display", "PageWidth", s.PageWidth, any);
    f("Display", "PageHeight", s.PageHeight, any);
    f("Display", "Landscape", s.Landscape);
    f("Display", "SameAsPrintArea", s.SameAsPrintArea);
    f("Display", "ShowGrid", s.ShowGrid);
    f("Display", "SnapToGrid", s.SnapToGrid);
    f("Display", "GridX", s.GridX, step);
    f("Display", "GridY", s.GridY, step);
    f("Display", "EditBar", s.EditBar, step);
    f("Colors", "Scheme", s.Scheme);
    for (std::size_t k = 0; k < s.CustomColors.size(); ++k)
        f("Colors", "Custom" + std::to_string(k), s.CustomColors[k]);
    f("Positions", "FontName", s.PositionFont.Name);
    f("Positions", "FontSize", s.PositionFont.Size, points);
    f("Positions", "Outlined", s.OutlinedP);
    f("Positions", "ShowLabel", s.ShowLabelP);
    f("Positions", "PrintLabel", s.PrintLabelP);
    f("Transitions", "LabelOffset", s.LabelOffset, any);
    f("Transitions", "FontName", s.TransitionFont.Name);
    f("Transitions", "FontSize", s.TransitionFont.Size, points);
    f("Transitions", "Outlined", s.OutlinedT);
    f("Transitions", "ShowLabel", s.ShowLabelT);
    f("Transitions", "PrintLabel", s.PrintLabelT);
    f("Arcs", "ShowPathMarker", s.ShowPathMarker);
    f("Arcs", "MarkerWidth", s.MarkerWidth, step);
    f("Arcs", "MarkerHeight", s.MarkerHeight, step);
    f("Arcs", "Outlined", s.OutlinedA);
    f("Confirmations", "Exit", s.ExitConf);
    f("Confirmations", "SaveOverride", s.OverrideConf);
    f("Confirmations", "AskForSaving", s.SaveConf);
    f("Confirmations", "StopSimulation", s.AskForStopSimulation);
    f("Confirmations", "DeleteObject", s.DeleteObjConf);
    f("Predicates", "Mask", s.Matrices.Mask);
    f("Predicates", "TrueText", s.Matrices.TrueText);
    f("Predicates", "FalseText", s.Matrices.FalseText);
}

// Whether `text` names a scheme of the list.
inline bool IsSchemeName(const std::string &text)
{
    for (const char *name : kSchemeNames)
        if (text == name)
            return true;
    return false;
}

} // namespace morvane
