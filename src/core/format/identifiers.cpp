// SPDX-License-Identifier: MIT
#include "format/identifiers.h"

#include <array>

namespace morvane {

namespace {

// Names are views so that a look-up compares lengths before it reads any character.
struct TColorIdent
{
    std::string_view Name;
    std::uint32_t Value;
};

constexpr std::array<TColorIdent, 52> kColors = { {
    { "clBlack", 0x00000000 },
    { "clMaroon", 0x00000080 },
    { "clGreen", 0x00008000 },
    { "clOlive", 0x00008080 },
    { "clNavy", 0x00800000 },
    { "clPurple", 0x00800080 },
    { "clTeal", 0x00808000 },
    { "clGray", 0x00808080 },
    { "clSilver", 0x00C0C0C0 },
    { "clRed", 0x000000FF },
    { "clLime", 0x0000FF00 },
    { "clYellow", 0x0000FFFF },
    { "clBlue", 0x00FF0000 },
    { "clFuchsia", 0x00FF00FF },
    { "clAqua", 0x00FFFF00 },
    { "clWhite", 0x00FFFFFF },
    { "clMoneyGreen", 0x00C0DCC0 },
    { "clSkyBlue", 0x00F0CAA6 },
    { "clCream", 0x00F0FBFF },
    { "clMedGray", 0x00A4A0A0 },
    { "clActiveBorder", 0xFF00000A },
    { "clActiveCaption", 0xFF000002 },
    { "clAppWorkSpace", 0xFF00000C },
    { "clBackground", 0xFF000001 },
    { "clBtnFace", 0xFF00000F },
    { "clBtnHighlight", 0xFF000014 },
    { "clBtnShadow", 0xFF000010 },
    { "clBtnText", 0xFF000012 },
    { "clCaptionText", 0xFF000009 },
    { "clDefault", 0x20000000 },
    { "clGradientActiveCaption", 0xFF00001B },
    { "clGradientInactiveCaption", 0xFF00001C },
    { "clGrayText", 0xFF000011 },
    { "clHighlight", 0xFF00000D },
    { "clHighlightText", 0xFF00000E },
    { "clHotLight", 0xFF00001A },
    { "clInactiveBorder", 0xFF00000B },
    { "clInactiveCaption", 0xFF000003 },
    { "clInactiveCaptionText", 0xFF000013 },
    { "clInfoBk", 0xFF000018 },
    { "clInfoText", 0xFF000017 },
    { "clMenu", 0xFF000004 },
    { "clMenuBar", 0xFF00001E },
    { "clMenuHighlight", 0xFF00001D },
    { "clMenuText", 0xFF000007 },
    { "clNone", 0x1FFFFFFF },
    { "clScrollBar", 0xFF000000 },
    { "cl3DDkShadow", 0xFF000015 },
    { "cl3DLight", 0xFF000016 },
    { "clWindow", 0xFF000005 },
    { "clWindowFrame", 0xFF000006 },
    { "clWindowText", 0xFF000008 },
} };

struct TCursorIdent
{
    std::string_view Name;
    std::int32_t Value;
};

constexpr std::array<TCursorIdent, 22> kCursors = { {
    { "crDefault", 0 },
    { "crArrow", -2 },
    { "crCross", -3 },
    { "crIBeam", -4 },
    { "crSizeNESW", -6 },
    { "crSizeNS", -7 },
    { "crSizeNWSE", -8 },
    { "crSizeWE", -9 },
    { "crUpArrow", -10 },
    { "crHourGlass", -11 },
    { "crDrag", -12 },
    { "crNoDrop", -13 },
    { "crHSplit", -14 },
    { "crVSplit", -15 },
    { "crMultiDrag", -16 },
    { "crSQLWait", -17 },
    { "crNo", -18 },
    { "crAppStart", -19 },
    { "crHelp", -20 },
    { "crHandPoint", -21 },
    { "crSizeAll", -22 },
    { "crSize", -22 },
} };

} // namespace

const char *ColorToIdent(std::uint32_t color)
{
    for (const auto &c : kColors)
        if (c.Value == color)
            return c.Name.data();
    return nullptr;
}

std::optional<std::uint32_t> IdentToColor(std::string_view name)
{
    for (const auto &c : kColors)
        if (SameText(c.Name, name))
            return c.Value;
    return std::nullopt;
}

const char *CursorToIdent(std::int32_t cursor)
{
    for (const auto &c : kCursors)
        if (c.Value == cursor)
            return c.Name.data();
    return nullptr;
}

std::optional<std::int32_t> IdentToCursor(std::string_view name)
{
    for (const auto &c : kCursors)
        if (SameText(c.Name, name))
            return c.Value;
    return std::nullopt;
}

} // namespace morvane
