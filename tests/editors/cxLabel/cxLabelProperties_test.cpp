#include "editors/cxLabel/cxLabelProperties.h"

#include "editors/cxEdit/cxEditRegisteredProperties.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

// Counts the announced changes.
struct TCountedProperties {
    TcxLabelProperties Properties;
    int Changes = 0;
    TCountedProperties() {
        Properties.OnPropertiesChanged = [this](TObject*) { ++Changes; };
    }
};

TEST(LabelProperties, StartWithTheirDefaultsAndAreRegisteredWithTheirDescription) {
    const TcxLabelProperties properties;
    EXPECT_EQ(properties.LabelEffect(), cxleNormal);
    EXPECT_EQ(properties.LabelStyle(), cxlsNormal);
    EXPECT_EQ(properties.Orientation(), cxoRightBottom);
    EXPECT_EQ(properties.Depth(), 0);
    EXPECT_EQ(properties.ShadowedColor(), clGrayText);
    EXPECT_FALSE(properties.ShowEndEllipsis());
    EXPECT_EQ(properties.Angle(), 0);
    EXPECT_EQ(properties.PenWidth(), 1);
    EXPECT_FALSE(properties.HasGlyph());
    EXPECT_FALSE(properties.WordWrap());
    EXPECT_FALSE(properties.Transparent());

    const TcxRegisteredEditProperties* registered =
        GetRegisteredEditProperties().Find(L"TcxLabelProperties");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->Description, L"Label|Represents a Label");
}

TEST(LabelProperties, EverySetterAnnouncesOnlyARealChange) {
    using Setter = std::function<void(TcxLabelProperties&)>;
    const std::pair<const char*, Setter> setters[] = {
        {"LabelEffect", [](auto& p) { p.SetLabelEffect(cxleFun); }},
        {"LabelStyle", [](auto& p) { p.SetLabelStyle(cxlsOutLine); }},
        {"Orientation", [](auto& p) { p.SetOrientation(cxoLeftTop); }},
        {"Depth", [](auto& p) { p.SetDepth(3); }},
        {"ShadowedColor", [](auto& p) { p.SetShadowedColor(clRed); }},
        {"ShowEndEllipsis", [](auto& p) { p.SetShowEndEllipsis(true); }},
        {"Angle", [](auto& p) { p.SetAngle(-90); }},
        {"PenWidth", [](auto& p) { p.SetPenWidth(2); }},
        {"WordWrap", [](auto& p) { p.SetWordWrap(true); }},
        {"Transparent", [](auto& p) { p.SetTransparent(true); }},
    };
    for (const auto& [name, set] : setters) {
        SCOPED_TRACE(name);
        TCountedProperties counted;
        set(counted.Properties);
        set(counted.Properties);
        EXPECT_EQ(counted.Changes, 1);
    }
}

TEST(LabelProperties, TheGlyphIsMadeOnFirstUseAndItsContentsCountAsChanges) {
    TCountedProperties counted;
    TcxLabelGlyph& glyph = counted.Properties.Glyph();
    EXPECT_TRUE(glyph.Empty());
    EXPECT_EQ(counted.Changes, 0);

    glyph.SetSize(2, 2);
    glyph.SetPixel(1, 1, 0x0000FF);
    glyph.SetPixel(1, 1, 0x0000FF); // the same colour: no change
    glyph.SetPixel(5, 5, 0x00FF00); // outside: ignored
    EXPECT_EQ(counted.Changes, 2);
    EXPECT_TRUE(counted.Properties.HasGlyph());

    glyph.SetSize(3, 1); // keeps what still fits
    EXPECT_EQ(glyph.Pixels(), (std::vector<TcxLabelRGB>{0, 0, 0}));

    TcxLabelGlyph picture;
    picture.SetSize(1, 1);
    picture.SetPixel(0, 0, 0x123456);
    counted.Properties.SetGlyph(&picture);
    picture.SetPixel(0, 0, 0); // a copy was taken
    EXPECT_EQ(counted.Properties.Glyph().Pixel(0, 0), 0x123456u);

    const int before = counted.Changes;
    counted.Properties.SetGlyph(nullptr);
    counted.Properties.SetGlyph(nullptr);
    EXPECT_EQ(counted.Changes, before + 1);
    EXPECT_FALSE(counted.Properties.HasGlyph());
}

TEST(LabelProperties, AssigningCopiesEveryDrawingSettingWithOneAnnouncement) {
    TcxLabelProperties source;
    source.SetLabelEffect(cxleExtrude);
    source.SetLabelStyle(cxlsLowered);
    source.SetOrientation(cxoTop);
    source.SetDepth(4);
    source.SetShadowedColor(clBlue);
    source.SetShowEndEllipsis(true);
    source.SetAngle(45);
    source.SetPenWidth(3);
    source.Glyph().SetSize(1, 2);
    source.SetWordWrap(true);
    source.SetTransparent(true);
    source.Alignment().SetHorz(taCenter);

    TCountedProperties counted;
    counted.Properties.Assign(source);
    const TcxLabelProperties& copy = counted.Properties;
    EXPECT_EQ(counted.Changes, 1);
    EXPECT_EQ(copy.LabelEffect(), cxleExtrude);
    EXPECT_EQ(copy.LabelStyle(), cxlsLowered);
    EXPECT_EQ(copy.Orientation(), cxoTop);
    EXPECT_EQ(copy.Depth(), 4);
    EXPECT_EQ(copy.ShadowedColor(), clBlue);
    EXPECT_TRUE(copy.ShowEndEllipsis());
    EXPECT_EQ(copy.Angle(), 45);
    EXPECT_EQ(copy.PenWidth(), 3);
    EXPECT_EQ(counted.Properties.Glyph().Height(), 2);
    EXPECT_TRUE(copy.WordWrap());
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(counted.Properties.Alignment().Horz(), taCenter);

    TcxLabelProperties plain;
    counted.Properties.Assign(plain); // an empty glyph is freed again
    EXPECT_FALSE(counted.Properties.HasGlyph());
    EXPECT_EQ(counted.Changes, 2);
}

TEST(LabelProperties, TheDisplayValueIsTheValuesTextOrNothing) {
    const TcxLabelProperties properties;
    EXPECT_EQ(properties.MakeDisplayValue(Variant(), false), Variant(L""));
    EXPECT_EQ(properties.MakeDisplayValue(Variant::Unassigned(), true), Variant(L""));
    EXPECT_EQ(properties.MakeDisplayValue(Variant(L"75 dak."), false), Variant(L"75 dak."));
    EXPECT_EQ(properties.MakeDisplayValue(Variant(75), false), Variant(L"75"));
}

} // namespace
} // namespace velkaro
