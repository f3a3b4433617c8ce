#include "editors/cxLabel/cxLabelLayout.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

TEST(LabelLayout, ShadowOffsetsAndContentSizeFollowTheOrientation) {
    struct Case {
        TcxLabelOrientation Orientation;
        TcxLabelPoint Centring, Shadow, Size;
    };
    // Depth 3, text 40 x 13.
    const Case cases[] = {
        {cxoLeft, {3, 0}, {-3, 0}, {45, 13}},      {cxoRight, {-3, 0}, {3, 0}, {45, 13}},
        {cxoTop, {0, 3}, {0, -3}, {42, 16}},       {cxoBottom, {0, -3}, {0, 3}, {42, 16}},
        {cxoLeftTop, {3, 3}, {-3, -3}, {45, 16}},  {cxoLeftBottom, {3, -3}, {-3, 3}, {45, 16}},
        {cxoRightTop, {-3, 3}, {3, -3}, {45, 16}}, {cxoRightBottom, {-3, -3}, {3, 3}, {45, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Orientation);
        EXPECT_EQ(LabelCentringOffset(c.Orientation, 3), c.Centring);
        EXPECT_EQ(LabelShadowOffset(c.Orientation, 3), c.Shadow);
        EXPECT_EQ(LabelContentSize(c.Orientation, 3, 40, 13), c.Size);
    }
    EXPECT_EQ(LabelContentSize(cxoRightBottom, 0, 40, 13), (TcxLabelPoint{42, 13}));
}

TEST(LabelLayout, AnglesKeepTheirSignAndEscapementsAreTenthsFrom0To3599) {
    const int cases[][3] = {
        // angle, rotation in use, escapement
        {0, 0, 0},         {90, 90, 900},  {-90, -90, 2700}, {360, 0, 0},
        {-450, -90, 2700}, {370, 10, 100}, {359, 359, 3590}, {-360, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LabelAngle(c[0]), c[1]) << c[0];
        EXPECT_EQ(LabelEscapement(LabelAngle(c[0])), c[2]) << c[0];
    }
}

TEST(LabelLayout, HalvesRoundToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},    {1.5, 2},   {2.5, 2},   {25.5, 26},
                                            {-0.5, 0},   {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                            {2.5001, 3}, {-2.6, -3}, {7.0, 7}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
}

TEST(LabelLayout, TheOriginCentresOneLineAndRotatesAboutTheCentre) {
    struct Case {
        TcxLabelPoint Centre;
        int Width, Height, Angle;
        bool WordWrap;
        TAlignment Horz;
        TcxLabelPoint Origin;
    };
    const Case cases[] = {
        // 51 x 13 text: half widths 25.5 and 6.5 round to 26 and 6.
        {{48, 8}, 51, 13, 0, false, taCenter, {22, 2}},
        {{48, 8}, 52, 14, 0, false, taLeftJustify, {22, 1}},
        // Wrapped text starts at the corner; rotated text never counts as wrapped.
        {{48, 8}, 51, 13, 0, true, taCenter, {0, 0}},
        {{48, 40}, 51, 13, 90, true, taCenter, {42, 66}},
        {{48, 40}, 51, 13, -90, false, taCenter, {54, 14}},
        {{48, 40}, 51, 13, 180, false, taCenter, {74, 46}},
        // Too wide for the area: negative values stay only for centred text (both by Horz).
        {{10, 2}, 51, 13, 0, false, taCenter, {-16, -4}},
        {{10, 2}, 51, 13, 0, false, taRightJustify, {0, 0}},
        {{10, 2}, 51, 13, 0, false, taLeftJustify, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Angle << " " << c.Width << " " << c.Horz);
        const TcxLabelPoint origin =
            LabelTextOrigin(c.Centre, c.Width, c.Height, c.Angle, c.WordWrap, c.Horz);
        EXPECT_EQ(origin.X, c.Origin.X);
        EXPECT_EQ(origin.Y, c.Origin.Y);
    }
}

TEST(LabelLayout, FunShadowsStepFromTheShadowColourTowardTheBackgroundTruncating) {
    constexpr TcxLabelRGB black = 0x000000, white = 0xFFFFFF;
    EXPECT_EQ(LabelFunColor(black, white, 1, 3), 0x000000u);
    EXPECT_EQ(LabelFunColor(black, white, 2, 3), 0x555555u); // 85
    EXPECT_EQ(LabelFunColor(black, white, 3, 3), 0xAAAAAAu); // 170
    // Downward steps truncate the whole value: 10 - 10/3 = 6.67 gives 6, not 7.
    EXPECT_EQ(LabelFunColor(0x0A0A0A, black, 2, 3), 0x060606u);
    // Channels move independently: red 200 to 0, green 0 to 100, blue stays 50.
    EXPECT_EQ(LabelFunColor(0x3200C8, 0x326400, 3, 4), 0x323264u);

    const std::vector<TcxLabelTextCopy> fun = LabelShadowCopies(cxleFun, {3, -3}, black, white);
    EXPECT_EQ(fun, (std::vector<TcxLabelTextCopy>{
                       {{3, -3}, 0xAAAAAA}, {{2, -2}, 0x555555}, {{1, -1}, 0x000000}}));
    EXPECT_EQ(LabelShadowCopies(cxleFun, {0, 2}, black, white),
              (std::vector<TcxLabelTextCopy>{{{0, 2}, 0x7F7F7F}, {{0, 1}, 0x000000}}));
}

TEST(LabelLayout, EachEffectDrawsItsShadowCopies) {
    constexpr TcxLabelRGB grey = 0x808080, white = 0xFFFFFF;
    EXPECT_EQ(LabelShadowCopies(cxleExtrude, {-2, 0}, grey, white),
              (std::vector<TcxLabelTextCopy>{{{-2, 0}, grey}, {{-1, 0}, grey}}));
    EXPECT_EQ(LabelShadowCopies(cxleCool, {3, 3}, grey, white),
              (std::vector<TcxLabelTextCopy>{{{3, 3}, grey}}));
    EXPECT_TRUE(LabelShadowCopies(cxleNormal, {3, 3}, grey, white).empty());
    EXPECT_TRUE(LabelShadowCopies(cxleCool, {0, 0}, grey, white).empty());
}

TEST(LabelLayout, StylesDrawTheTextInHighlightShadowAndTextColours) {
    const TcxLabelStyleColors colors{1, 2, 3};
    using Copies = std::vector<TcxLabelTextCopy>;
    struct Case {
        TcxLabelStyle Style;
        bool Glyph, Large;
        Copies Expected;
    };
    const Case cases[] = {
        {cxlsNormal, false, false, {{{0, 0}, 1}}},
        {cxlsNormal, true, false, {}},
        {cxlsRaised, false, false, {{{0, 0}, 2}, {{1, 1}, 1}}},
        {cxlsRaised, false, true, {{{0, 0}, 2}, {{2, 2}, 3}, {{1, 1}, 1}}},
        {cxlsRaised, true, true, {{{0, 0}, 2}, {{2, 2}, 3}}},
        {cxlsLowered, false, true, {{{2, 2}, 2}, {{1, 1}, 3}}},
        {cxlsLowered, true, false, {{{2, 2}, 2}}},
        {cxlsOutLine, true, false, {{{0, 0}, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Style << c.Glyph << c.Large);
        EXPECT_EQ(LabelStyleCopies(c.Style, c.Glyph, c.Large, colors), c.Expected);
    }
    EXPECT_EQ(LabelGlyphOffset(cxlsNormal), (TcxLabelPoint{0, 0}));
    EXPECT_EQ(LabelGlyphOffset(cxlsLowered), (TcxLabelPoint{1, 1}));
}

TEST(LabelLayout, OnlyPlainLeftAlignedTextIsMovedToTheLeftEdge) {
    EXPECT_EQ(LabelCopyShift(0, false, taLeftJustify, 20, 0), 20);
    EXPECT_EQ(LabelCopyShift(0, false, taLeftJustify, 20, 3), 20);
    EXPECT_EQ(LabelCopyShift(0, false, taLeftJustify, 20, -3), 17); // the shadow stays in view
    EXPECT_EQ(LabelCopyShift(0, false, taLeftJustify, 1, -3), 0);
    EXPECT_EQ(LabelCopyShift(0, true, taLeftJustify, 20, 0), 0);
    EXPECT_EQ(LabelCopyShift(0, false, taCenter, 20, 0), 0);
    EXPECT_EQ(LabelCopyShift(0, false, taRightJustify, 20, 0), 0);
    EXPECT_EQ(LabelCopyShift(90, false, taLeftJustify, 20, 0), 0);
}

TEST(LabelLayout, MeasuringBreaksWordsOnlyUnrotatedAndCutsOnlyWithoutAutoSize) {
    const TcxLabelMeasureFlags flags =
        LabelMeasureFlags(taRightJustify, taVCenter, true, 720, true, false);
    EXPECT_EQ(flags.Horz, taRightJustify);
    EXPECT_EQ(flags.Vert, taVCenter);
    EXPECT_TRUE(flags.WordBreak);
    EXPECT_TRUE(flags.EndEllipsis);
    EXPECT_FALSE(LabelMeasureFlags(taCenter, taTopJustify, true, 90, false, false).WordBreak);
    EXPECT_FALSE(LabelMeasureFlags(taCenter, taTopJustify, false, 0, true, true).EndEllipsis);
}

} // namespace
} // namespace velkaro
