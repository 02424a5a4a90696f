// SPDX-License-Identifier: MIT
#include "print/print_layout.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// A 100 x 50 mm extent at 8:8: 800 x 400 pixels at 8 pixels a grid step.
constexpr double kWidth = 800, kHeight = 400;
constexpr std::int32_t kStep = 8;

TPrintSetup A4WithMargins(double margin)
{
    TPrintSetup s;
    s.MarginLeft = s.MarginTop = s.MarginRight = s.MarginBottom = margin;
    return s;
}

TEST(PrintLayoutTest, EachAnchorPlacesTheExtentInThePrintableArea)
{
    // The area is 190 x 277 mm from (10, 10); the picture leaves 90 x 227 mm free.
    struct Case
    {
        TPrintAnchor anchor;
        double x, y;
    };
    const Case cases[] = {
        { TPrintAnchor::LeftTop, 10, 10 },
        { TPrintAnchor::CenterTop, 55, 10 },
        { TPrintAnchor::RightTop, 100, 10 },
        { TPrintAnchor::LeftCenter, 10, 123.5 },
        { TPrintAnchor::CenterCenter, 55, 123.5 },
        { TPrintAnchor::RightCenter, 100, 123.5 },
        { TPrintAnchor::LeftBottom, 10, 237 },
        { TPrintAnchor::CenterBottom, 55, 237 },
        { TPrintAnchor::RightBottom, 100, 237 },
    };
    for (const Case &c : cases) {
        TPrintSetup s = A4WithMargins(10);
        s.Anchor = c.anchor;
        const TPrintLayout l = LayOutPrint(s, kWidth, kHeight, kStep);
        SCOPED_TRACE(int(c.anchor));
        ASSERT_EQ(l.Pages.size(), 1u);
        EXPECT_DOUBLE_EQ(l.Pages[0].OriginX, c.x);
        EXPECT_DOUBLE_EQ(l.Pages[0].OriginY, c.y);
        EXPECT_EQ(l.Pages[0].Source, (TRectMM { 0, 0, kWidth, kHeight }));
    }
}

TEST(PrintLayoutTest, SizingGivesTheScaleAndPlace)
{
    struct Case
    {
        const char *what;
        TPrintSetup setup;
        double extentHeight; // pixels; the extent is 800 wide
        double width, height; // millimetres on paper
        double x, y;
    };
    auto with = [](auto change) {
        TPrintSetup s = A4WithMargins(10);
        change(s);
        return s;
    };
    const Case cases[] = {
        { "12:8", with([](TPrintSetup &s) { s.Scale = 12; }), kHeight, 150, 75, 10, 10 },
        { "fit, portrait: the width limits",
            with([](TPrintSetup &s) { s.Sizing = TPrintSizing::FullPage; }), kHeight, 190, 95, 10,
            10 },
        { "fit, landscape, centred: the width limits on 277 mm", with([](TPrintSetup &s) {
             s.Sizing = TPrintSizing::FullPage;
             s.Landscape = true;
             s.Anchor = TPrintAnchor::CenterCenter;
         }),
            kHeight, 277, 138.5, 10, 35.75 },
        { "fit, landscape, an extent of 100 x 200 mm: the height limits", with([](TPrintSetup &s) {
             s.Sizing = TPrintSizing::FullPage;
             s.Landscape = true;
             s.Anchor = TPrintAnchor::RightTop;
         }),
            1600, 95, 190, 297 - 10 - 95, 10 },
        { "custom size keeping the aspect ratio", with([](TPrintSetup &s) {
             s.Sizing = TPrintSizing::Custom;
             s.CustomWidth = 1200;
             s.CustomHeight = 400;
         }),
            kHeight, 100, 50, 10, 10 },
        { "custom size stretched, custom place", with([](TPrintSetup &s) {
             s.Sizing = TPrintSizing::Custom;
             s.CustomWidth = 1200;
             s.CustomHeight = 400;
             s.KeepAspect = false;
             s.Anchor = TPrintAnchor::Custom;
             s.CustomLeft = 20;
             s.CustomTop = 30;
         }),
            kHeight, 150, 50, 30, 40 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const TPrintLayout l = LayOutPrint(c.setup, kWidth, c.extentHeight, kStep);
        ASSERT_EQ(l.Pages.size(), 1u) << l.Error;
        EXPECT_DOUBLE_EQ(l.Picture.Width, c.width);
        EXPECT_DOUBLE_EQ(l.Picture.Height, c.height);
        EXPECT_DOUBLE_EQ(l.Pages[0].OriginX, c.x);
        EXPECT_DOUBLE_EQ(l.Pages[0].OriginY, c.y);
    }
}

TEST(PrintLayoutTest, APictureWiderThanTheAreaIsTiledOverTwoSheets)
{
    // At 24:8 the extent is 300 x 150 mm: two sheets of 190 mm across, one down.
    TPrintSetup s = A4WithMargins(10);
    s.Scale = 24;
    TPrintLayout l = LayOutPrint(s, kWidth, kHeight, kStep);
    ASSERT_EQ(l.Pages.size(), 2u);
    EXPECT_EQ(l.Columns, 2);
    EXPECT_EQ(l.Rows, 1);
    const double split = 190 / 0.375; // pixels on the first sheet, 0.375 mm a pixel
    EXPECT_DOUBLE_EQ(l.Pages[0].OriginX, 10);
    EXPECT_EQ(l.Pages[0].Source, (TRectMM { 0, 0, split, kHeight }));
    EXPECT_DOUBLE_EQ(l.Pages[1].OriginX, 10 - 190);
    EXPECT_DOUBLE_EQ(l.Pages[1].Source.Left, split);
    EXPECT_DOUBLE_EQ(l.Pages[1].Source.Width, kWidth - split);

    // Centred on the two sheets put together: 40 mm free on the left of the first.
    s.Anchor = TPrintAnchor::CenterCenter;
    l = LayOutPrint(s, kWidth, kHeight, kStep);
    ASSERT_EQ(l.Pages.size(), 2u);
    EXPECT_DOUBLE_EQ(l.Pages[0].OriginX, 50);
    EXPECT_DOUBLE_EQ(l.Pages[1].Source.Left, 150 / 0.375);

    // A custom place a whole sheet in leaves the first column empty: it is not printed.
    s.Scale = 8;
    s.Anchor = TPrintAnchor::Custom;
    s.CustomLeft = 200;
    l = LayOutPrint(s, kWidth, kHeight, kStep);
    ASSERT_EQ(l.Pages.size(), 1u);
    EXPECT_EQ(l.Pages[0].Column, 1);
    EXPECT_DOUBLE_EQ(l.Pages[0].OriginX, 20);
}

TEST(PrintLayoutTest, ImpossibleLayoutsSayWhy)
{
    auto error = [](auto change) {
        TPrintSetup s;
        change(s);
        const TPrintLayout l = LayOutPrint(s, kWidth, kHeight, kStep);
        EXPECT_TRUE(l.Pages.empty());
        return l.Error;
    };
    EXPECT_EQ(error([](TPrintSetup &s) { s.MarginLeft = s.MarginRight = 105; }),
        "the margins leave no room on the sheet");
    EXPECT_EQ(error([](TPrintSetup &s) { s.MarginTop = -1; }), "a margin is negative");
    EXPECT_EQ(error([](TPrintSetup &s) { s.Scale = 0; }), "the scale must be at least 1:8");
    EXPECT_EQ(error([](TPrintSetup &s) { s.Scale = 2000; }),
        "the picture would take 5160 sheets; at most 1000 are printed");
}

} // namespace
} // namespace morvane
