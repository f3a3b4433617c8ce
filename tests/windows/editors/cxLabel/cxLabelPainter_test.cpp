#include "editors/cxLabel/cxLabelPainter.h"

#include "framework/Canvas.h"
#include "framework/Font.h"
#include "runtime/Utf.h"
#include "tests/windows/support/RealInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace velkaro {
namespace {

using test::TPixels;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);

// A font made for the test; unsmoothed, so that every pixel is either ink or background.
class TTestFont {
public:
    TTestFont(const wchar_t* name, int height, int weight = FW_NORMAL) {
        LOGFONTW description{};
        description.lfHeight = -height;
        description.lfWeight = weight;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfQuality = NONANTIALIASED_QUALITY;
        wcsncpy(description.lfFaceName, name, LF_FACESIZE - 1);
        font_.Reset(CreateFontIndirectW(&description));
    }
    HFONT Get() const { return font_.Handle(); }

private:
    TGdiObject<HFONT> font_;
};

TPixels PaintLabelValues(const TcxLabelPaintValues& values, COLORREF underlay = RGB(7, 7, 7)) {
    return TPixels::Painted({values.TextArea.right, values.TextArea.bottom}, underlay,
                            [&](HDC dc) { PaintLabel(dc, values); });
}

TPixels Expected(SIZE size, COLORREF background, HFONT font, const std::wstring& text,
                 std::initializer_list<test::TTextCopy> copies, UINT flags = DT_LEFT) {
    return test::DrawnText(size, background, font, text, copies, flags);
}

TcxLabelPaintValues Values(HFONT font, const std::wstring& text, SIZE size) {
    TcxLabelPaintValues values;
    values.TextArea = {0, 0, size.cx, size.cy};
    values.Font = font;
    values.Text = text;
    values.TextColor = clBlue;
    values.Background = kWhite;
    values.Horz = taCenter;
    values.Vert = taVCenter;
    return values;
}

TEST(LabelPainter, TheMinutesAreCentredInTheirLabel) {
    const TTestFont font(kDialogFontName, 11);
    const std::wstring text = L"75 dak.";
    const SIZE extent = test::TextExtent(font.Get(), text);
    const TPixels painted = PaintLabelValues(Values(font.Get(), text, {97, 17}));

    // Drawn one pixel right of the centred origin.
    const int x = 97 / 2 - RoundHalfEven(extent.cx / 2.0) + 1;
    const int y = 17 / 2 - RoundHalfEven(extent.cy / 2.0);
    EXPECT_EQ(painted, Expected({97, 17}, kWhite, font.Get(), text, {{x, y, RGB(0, 0, 255)}}));
    const RECT ink = painted.Extent(kWhite);
    EXPECT_LE(std::abs(ink.left - (97 - ink.right)), 3);
    EXPECT_LE(std::abs(ink.top - (17 - ink.bottom)), 3);
}

TEST(LabelPainter, VerticalAlignmentLeavesASingleLineCentred) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values = Values(font.Get(), L"75 dak.", {97, 40});
    const TPixels centred = PaintLabelValues(values);
    for (const auto vert : {taTopJustify, taBottomJustify}) {
        values.Vert = vert;
        EXPECT_EQ(PaintLabelValues(values), centred);
    }
}

TEST(LabelPainter, WrappedWordsStartAtTheTopLeftWhateverTheAlignment) {
    const TTestFont font(kDialogFontName, 19);
    const std::wstring text = L"bir milyon iki yüz elli bin Türk lirası";
    for (const auto horz : {taCenter, taLeftJustify}) {
        TcxLabelPaintValues values = Values(font.Get(), text, {217, 49});
        values.WordWrap = true;
        values.Horz = horz;
        EXPECT_EQ(PaintLabelValues(values),
                  Expected({217, 49}, kWhite, font.Get(), text, {{0, 0, RGB(0, 0, 255)}},
                           DT_LEFT | DT_WORDBREAK));
    }
    TcxLabelPaintValues right = Values(font.Get(), text, {217, 49});
    right.WordWrap = true;
    right.Horz = taRightJustify;
    EXPECT_EQ(PaintLabelValues(right), Expected({217, 49}, kWhite, font.Get(), text,
                                                {{0, 0, RGB(0, 0, 255)}}, DT_RIGHT | DT_WORDBREAK));
}

TEST(LabelPainter, ACoolShadowLiesDepthPixelsAwayAndThePairIsCentred) {
    const TTestFont font(kDialogFontName, 11);
    const std::wstring text = L"75 dak.";
    const SIZE extent = test::TextExtent(font.Get(), text);
    TcxLabelPaintValues values = Values(font.Get(), text, {97, 17});
    values.Depth = 3;
    values.Effect = cxleCool;
    values.TextColor = clBlack;
    const TPixels painted = PaintLabelValues(values);

    const int x = (97 - 3) / 2 - RoundHalfEven(extent.cx / 2.0) + 1;
    const int y = (17 - 3) / 2 - RoundHalfEven(extent.cy / 2.0);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    EXPECT_EQ(painted, Expected({97, 17}, kWhite, font.Get(), text,
                                {{x + 3, y + 3, grey}, {x, y, RGB(0, 0, 0)}}));
    const RECT ink = painted.Extent(kWhite);
    EXPECT_LE(std::abs(ink.left - (97 - ink.right)), 3);
    EXPECT_GT(painted.Count(grey), 0);
}

TEST(LabelPainter, FunShadowsStepTowardTheBackground) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values = Values(font.Get(), L"75 dak.", {97, 17});
    values.Depth = 3;
    values.Effect = cxleFun;
    values.Orientation = cxoRight;
    values.ShadowedColor = clBlack;
    values.TextColor = clRed;
    const TPixels painted = PaintLabelValues(values);
    std::set<COLORREF> colours;
    for (int y = 0; y < painted.Height(); ++y) {
        for (int x = 0; x < painted.Width(); ++x) {
            colours.insert(painted.At(x, y));
        }
    }
    // Copies 3, 2, 1 pixels right: 2/3, 1/3 and none of the way to white; then the text.
    EXPECT_EQ(colours, (std::set<COLORREF>{kWhite, RGB(170, 170, 170), RGB(85, 85, 85),
                                           RGB(0, 0, 0), RGB(255, 0, 0)}));

    // The default shadow colour is a system colour: the nearest copy is in that colour, not in
    // the bits of its index.
    values.ShadowedColor = clGrayText;
    const TPixels grey = PaintLabelValues(values);
    EXPECT_GT(grey.Count(GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(grey.Count(RGB(17, 0, 0)), 0);

    values.ShadowedColor = clBlack;
    values.Effect = cxleExtrude;
    const TPixels extruded = PaintLabelValues(values);
    EXPECT_EQ(extruded.Count(RGB(170, 170, 170)) + extruded.Count(RGB(85, 85, 85)), 0);
    EXPECT_GT(extruded.Count(RGB(0, 0, 0)), painted.Count(RGB(0, 0, 0)));
}

TEST(LabelPainter, RaisedAndLoweredTextIsDrawnInLayersOffsetByOneAndTwo) {
    const std::wstring text = L"Tarife";
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF blue = RGB(0, 0, 255);
    struct Case {
        int Height; // 11 pixels is 8 points, 24 is 18
        TcxLabelStyle Style;
    };
    for (const Case c : {Case{11, cxlsRaised}, Case{24, cxlsRaised}, Case{24, cxlsLowered}}) {
        SCOPED_TRACE(testing::Message() << c.Height << " " << c.Style);
        const TTestFont font(kDialogFontName, c.Height);
        const SIZE extent = test::TextExtent(font.Get(), text);
        TcxLabelPaintValues values = Values(font.Get(), text, {120, 40});
        values.Background = kGreen;
        values.Style = c.Style;
        const int x = 60 - RoundHalfEven(extent.cx / 2.0) + 1;
        const int y = 20 - RoundHalfEven(extent.cy / 2.0);
        const TPixels painted = PaintLabelValues(values);
        if (c.Style == cxlsLowered) {
            EXPECT_EQ(painted, Expected({120, 40}, kGreen, font.Get(), text,
                                        {{x + 2, y + 2, highlight}, {x + 1, y + 1, shadow}}));
        } else if (c.Height > 15) {
            EXPECT_EQ(painted,
                      Expected({120, 40}, kGreen, font.Get(), text,
                               {{x, y, highlight}, {x + 2, y + 2, shadow}, {x + 1, y + 1, blue}}));
        } else {
            EXPECT_EQ(painted, Expected({120, 40}, kGreen, font.Get(), text,
                                        {{x, y, highlight}, {x + 1, y + 1, blue}}));
        }
    }
}

TEST(LabelPainter, LeftAlignedTextStartsOnePixelFromTheEdge) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values = Values(font.Get(), L"75 dak.", {97, 17});
    values.Horz = taLeftJustify;
    const SIZE extent = test::TextExtent(font.Get(), values.Text);
    const int y = 17 / 2 - RoundHalfEven(extent.cy / 2.0);
    EXPECT_EQ(PaintLabelValues(values),
              Expected({97, 17}, kWhite, font.Get(), values.Text, {{1, y, RGB(0, 0, 255)}}));

    // A shadow to the left stays in view: it starts one pixel from the edge instead.
    values.Depth = 2;
    values.Effect = cxleCool;
    values.Orientation = cxoLeft;
    values.ShadowedColor = clBlack;
    EXPECT_EQ(PaintLabelValues(values), Expected({97, 17}, kWhite, font.Get(), values.Text,
                                                 {{1, y, RGB(0, 0, 0)}, {3, y, RGB(0, 0, 255)}}));
}

TEST(LabelPainter, TransparentLabelsKeepWhatLiesUnderThem) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values = Values(font.Get(), L"75 dak.", {97, 17});
    values.Transparent = true;
    const TPixels painted = PaintLabelValues(values, kGreen);
    EXPECT_EQ(painted.Count(kWhite), 0);
    EXPECT_EQ(painted.Count(kGreen) + painted.Count(RGB(0, 0, 255)), 97 * 17);
    EXPECT_GT(painted.Count(RGB(0, 0, 255)), 0);
}

TEST(LabelPainter, AnEmptyCaptionPaintsOnlyTheBackground) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values = Values(font.Get(), L"", {97, 17});
    values.Depth = 3;
    values.Effect = cxleFun;
    values.Style = cxlsRaised;
    EXPECT_EQ(PaintLabelValues(values).Count(kWhite), 97 * 17);
}

// The first font family the system really has that is not TrueType (a raster font of the
// system's own, such as "Courier"), or empty when there is none.
std::wstring FirstFamilyThatIsNotTrueType() {
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    std::wstring family;
    EnumFontFamiliesExW(
        TClientDC().Handle(), &any,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM found) -> int {
            if (type & TRUETYPE_FONTTYPE)
                return 1;
            *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
            return 0;
        },
        reinterpret_cast<LPARAM>(&family), 0);
    return family;
}

// Wine's own raster fonts, for this process only. Windows always has raster fonts; some Wine
// packages install these without loading them from their data folder.
void AddWineRasterFonts() {
    const wchar_t* dataFolder = _wgetenv(L"WINEDATADIR"); // "\??\Z:\usr\share\wine"
    if (dataFolder == nullptr)
        return;
    const std::wstring fonts = std::wstring(dataFolder) + L"\\fonts\\";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((fonts + L"*.fon").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        AddFontResourceExW((fonts + found.cFileName).c_str(), FR_PRIVATE, nullptr);
    while (FindNextFileW(search, &found));
    FindClose(search);
}

TEST(LabelPainter, OnlyTrueTypeFontsRotate) {
    std::wstring family = FirstFamilyThatIsNotTrueType();
    if (family.empty()) {
        AddWineRasterFonts();
        family = FirstFamilyThatIsNotTrueType();
    }
    ASSERT_FALSE(family.empty()) << "neither the system nor Wine's data folder has a font that "
                                    "is not TrueType (Wine's come with the package fonts-wine)";
    const TTestFont bitmapFont(family.c_str(), 11);
    ASSERT_FALSE(IsTrueTypeFont(bitmapFont.Get())) << "\"" << ToUtf8(family) << "\"";
    TcxLabelPaintValues values = Values(bitmapFont.Get(), L"75 dak.", {97, 60});
    const TPixels unrotated = PaintLabelValues(values);
    values.Angle = 90;
    EXPECT_EQ(PaintLabelValues(values), unrotated);

    const TTestFont trueType(L"Tahoma", 11);
    ASSERT_TRUE(IsTrueTypeFont(trueType.Get()));
    values.Font = trueType.Get();
    values.Angle = 0;
    const RECT across = PaintLabelValues(values).Extent(kWhite);
    values.Angle = -270; // the same as 90
    const RECT upward = PaintLabelValues(values).Extent(kWhite);
    EXPECT_GT(across.right - across.left, across.bottom - across.top);
    EXPECT_GT(upward.bottom - upward.top, upward.right - upward.left);
    // Rotated about the centre of the area.
    EXPECT_LE(std::abs((upward.top + upward.bottom) / 2 - 30), 2);
    EXPECT_LE(std::abs((upward.left + upward.right) / 2 - 48), 2);
}

TEST(LabelPainter, AGlyphFillsTheLettersOfATrueTypeFont) {
    const TTestFont font(L"Tahoma", 30, FW_BOLD);
    TcxLabelPaintValues values = Values(font.Get(), L"TL", {97, 40});
    const TPixels plain = PaintLabelValues(values);
    // A red dot in every 4 x 4 tile.
    const TGdiObject<HBITMAP> glyph(CreateCompatibleBitmap(TClientDC().Handle(), 4, 4));
    {
        const TMemoryDC glyphDc;
        const TSelection selected(glyphDc.Handle(), glyph.Handle());
        FillSolid(glyphDc.Handle(), {0, 0, 4, 4}, RGB(0, 0, 0));
        SetPixelV(glyphDc.Handle(), 0, 0, RGB(255, 0, 0));
    }
    values.Glyph = glyph.Handle();
    const TPixels filled = PaintLabelValues(values);
    EXPECT_EQ(filled.Count(RGB(0, 0, 255)), 0); // the fill replaces the text colour
    EXPECT_GT(filled.Count(RGB(255, 0, 0)), 0);
    const RECT letters = plain.Extent(kWhite);
    const RECT glyphInk = filled.Extent(kWhite);
    EXPECT_GE(glyphInk.left, letters.left - 1);
    EXPECT_LE(glyphInk.right, letters.right + 1);
}

TEST(LabelPainter, EndEllipsisCutsTextThatDoesNotFit) {
    const TTestFont font(kDialogFontName, 11);
    TcxLabelPaintValues values =
        Values(font.Get(), L"bir milyon iki yüz elli bin Türk lirası", {60, 17});
    values.Horz = taLeftJustify;
    values.ShowEndEllipsis = true;
    const SIZE extent = test::TextExtent(font.Get(), values.Text);
    EXPECT_EQ(PaintLabelValues(values),
              Expected({60, 17}, kWhite, font.Get(), values.Text,
                       {{1, 17 / 2 - RoundHalfEven(extent.cy / 2.0), RGB(0, 0, 255)}},
                       DT_LEFT | DT_END_ELLIPSIS));
}

} // namespace
} // namespace velkaro
