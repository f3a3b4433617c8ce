#include "editors/cxMaskEdit/cxMaskEditProperties.h"
#include "runtime/FormatSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace velkaro {
namespace {

constexpr const wchar_t* kStartTimeMask = L"!90:00;1;_";

class MaskProvider : public TcxCustomEditDefaultValuesProvider {
public:
    std::wstring DefaultEditMask() const override { return L"00"; }
};

class MaskEditPropertiesTest : public ::testing::Test {
protected:
    MaskEditPropertiesTest() {
        ResetFormatSettings();
        properties.OnPropertiesChanged = [this](TObject*) { ++announced; };
    }

    TcxMaskEditProperties properties;
    int announced = 0;
};

TEST_F(MaskEditPropertiesTest, Defaults) {
    EXPECT_TRUE(properties.ValidateOnEnter());
    EXPECT_TRUE(properties.CaseInsensitive());
    EXPECT_FALSE(properties.IgnoreMaskBlank());
    EXPECT_FALSE(properties.ShowBlanksUnfocused());
    EXPECT_EQ(properties.MaskKind(), emkStandard);
    EXPECT_EQ(properties.EditMask(), L"");
    EXPECT_FALSE(properties.IsMasked());
}

struct AnnounceCase {
    const char* name;
    std::function<void(TcxMaskEditProperties&)> change;
    int announcements;
};

TEST_F(MaskEditPropertiesTest, SettersAnnounceRealChangesOnly) {
    const AnnounceCase cases[] = {
        {"a new mask", [](auto& p) { p.SetEditMask(kStartTimeMask); }, 1},
        {"the same mask twice",
         [](auto& p) {
             p.SetEditMask(kStartTimeMask);
             p.SetEditMask(kStartTimeMask);
         },
         1},
        {"a blank mask over none", [](auto& p) { p.SetEditMask(L"  "); }, 1},
        {"the kind", [](auto& p) { p.SetMaskKind(emkRegExpr); }, 1},
        {"the same kind", [](auto& p) { p.SetMaskKind(emkStandard); }, 0},
        {"IgnoreMaskBlank", [](auto& p) { p.SetIgnoreMaskBlank(true); }, 1},
        {"ShowBlanksUnfocused", [](auto& p) { p.SetShowBlanksUnfocused(true); }, 1},
        {"CaseInsensitive unchanged", [](auto& p) { p.SetCaseInsensitive(true); }, 0},
        {"CharCase with its forced CaseInsensitive",
         [](auto& p) {
             p.SetCaseInsensitive(false);
             p.SetCharCase(ecUpperCase);
         },
         2},
    };
    for (const auto& c : cases) {
        TcxMaskEditProperties fresh;
        int count = 0;
        fresh.OnPropertiesChanged = [&count](TObject*) { ++count; };
        c.change(fresh);
        EXPECT_EQ(count, c.announcements) << c.name;
    }
}

TEST_F(MaskEditPropertiesTest, InvalidExpressionKeepsTheOldMask) {
    properties.SetMaskKind(emkRegExpr);
    properties.SetEditMask(L"\\d{2}");
    announced = 0;
    EXPECT_THROW(properties.SetEditMask(L"(\\d"), EcxMaskEditError);
    EXPECT_EQ(properties.EditMask(), L"\\d{2}");
    EXPECT_EQ(announced, 0);
    EXPECT_TRUE(properties.CachedMode().IsTextValid(L"42"));
    EXPECT_FALSE(properties.CachedMode().IsTextValid(L"421"));
}

TEST_F(MaskEditPropertiesTest, MaxLengthIsHeldAtZeroWhileMasked) {
    properties.SetMaxLength(5);
    EXPECT_EQ(properties.MaxLength(), 5);
    properties.SetEditMask(kStartTimeMask);
    properties.SetMaxLength(5);
    EXPECT_EQ(properties.MaxLength(), 0);
    properties.SetEditMask(L" ");
    properties.SetMaxLength(5);
    EXPECT_EQ(properties.MaxLength(), 5);
}

struct KindRuleCase {
    const char* name;
    // Runs on masked properties whose expressions are case-sensitive.
    std::function<void(TcxMaskEditProperties&)> act;
    int maxLength;
    bool caseInsensitive;
};

TEST_F(MaskEditPropertiesTest, MaskRulesHoldThroughAssignAndABaseReference) {
    const KindRuleCase cases[] = {
        {"MaxLength through a base reference",
         [](TcxMaskEditProperties& p) {
             static_cast<TcxCustomTextEditProperties&>(p).SetMaxLength(4);
         },
         0, false},
        {"MaxLength assigned from text-edit properties",
         [](TcxMaskEditProperties& p) {
             TcxTextEditProperties source;
             source.SetMaxLength(3);
             p.Assign(source);
         },
         0, false},
        {"MaxLength assigned with a mask that is none",
         [](TcxMaskEditProperties& p) {
             TcxMaskEditProperties source;
             source.SetMaxLength(3);
             source.SetCaseInsensitive(false);
             p.Assign(source);
         },
         3, false},
        {"CharCase through a base reference, then back",
         [](TcxMaskEditProperties& p) {
             static_cast<TcxCustomTextEditProperties&>(p).SetCharCase(ecUpperCase);
             p.SetCharCase(ecNormal);
         },
         0, true},
        {"CharCase assigned from text-edit properties, then back",
         [](TcxMaskEditProperties& p) {
             TcxTextEditProperties source;
             source.SetCharCase(ecLowerCase);
             p.Assign(source);
             p.SetCharCase(ecNormal);
         },
         0, true},
    };
    for (const auto& c : cases) {
        TcxMaskEditProperties masked;
        masked.SetEditMask(kStartTimeMask);
        masked.SetCaseInsensitive(false);
        c.act(masked);
        EXPECT_EQ(masked.MaxLength(), c.maxLength) << c.name;
        EXPECT_EQ(masked.CaseInsensitive(), c.caseInsensitive) << c.name;
    }
}

TEST_F(MaskEditPropertiesTest, CaseInsensitiveIsForcedWhileCharCaseConverts) {
    properties.SetCaseInsensitive(false);
    EXPECT_FALSE(properties.CaseInsensitive());
    properties.SetCharCase(ecLowerCase);
    EXPECT_TRUE(properties.CaseInsensitive());
    properties.SetCaseInsensitive(false);
    EXPECT_TRUE(properties.CaseInsensitive());
    properties.SetCharCase(ecNormal);
    EXPECT_TRUE(properties.CaseInsensitive());
    properties.SetCaseInsensitive(false);
    EXPECT_FALSE(properties.CaseInsensitive());
}

TEST_F(MaskEditPropertiesTest, EffectiveMaskComesFromTheProviderWhenBlank) {
    properties.SetDefaultValuesProvider(std::make_shared<MaskProvider>());
    EXPECT_EQ(properties.EditMask(), L"00");
    EXPECT_TRUE(properties.IsMasked());
    properties.SetEditMask(L"0");
    EXPECT_EQ(properties.EditMask(), L"0");
    properties.SetMaskKind(emkRegExpr);
    properties.SetEditMask(L"");
    EXPECT_EQ(properties.EditMask(), L""); // the provider's mask is a standard one
}

TEST_F(MaskEditPropertiesTest, ValidationChainPutsTheMaskFirst) {
    struct CheckCase {
        const wchar_t* display;
        bool ignoreBlank;
        bool error;
        const wchar_t* errorText; // the core's default stands where the mask found no fault
    };
    const wchar_t* const fallback = L"Invalid input value. Use escape key to abandon changes";
    const CheckCase cases[] = {
        {L"09:30", false, false, fallback},
        {L"_9:30", false, false, fallback},
        {L"0_:30", false, true, L"The edit value is invalid"},
        {L"__:__", false, true, L"The edit value is invalid"},
        {L"__:__", true, false, fallback},
        {L"12340", false, true, L"The edit value is invalid"},
    };
    properties.SetEditMask(kStartTimeMask);
    for (const auto& c : cases) {
        properties.SetIgnoreMaskBlank(c.ignoreBlank);
        Variant display(c.display);
        std::wstring errorText;
        bool error = false;
        int validated = 0;
        properties.OnValidate = [&](TObject*, Variant&, std::wstring& text, bool& failed) {
            ++validated;
            EXPECT_EQ(text, c.errorText);
            EXPECT_EQ(failed, c.error);
        };
        properties.CheckDisplayValue(display, errorText, nullptr, error);
        EXPECT_EQ(error, c.error) << c.display;
        EXPECT_EQ(validated, 1);
    }
    // Without a mask nothing is tested.
    properties.SetEditMask(L"");
    Variant display(L"anything");
    std::wstring errorText;
    bool error = false;
    properties.OnValidate = nullptr;
    properties.CheckDisplayValue(display, errorText, nullptr, error);
    EXPECT_FALSE(error);
}

TEST_F(MaskEditPropertiesTest, DisplayValueFollowsTheFocusAndTheCachedMode) {
    EXPECT_EQ(properties.MakeDisplayValue(Variant(L"0930"), true).ToString(), L"0930");
    properties.SetEditMask(kStartTimeMask);
    EXPECT_EQ(properties.MakeDisplayValue(Variant(L" 9:30"), true).ToString(), L"_9:30");
    EXPECT_EQ(properties.MakeDisplayValue(Variant(L" 9:30"), false).ToString(), L" 9:30");
    EXPECT_EQ(properties.MakeDisplayValue(Variant(), false).ToString(), L"  :  ");
    properties.SetShowBlanksUnfocused(true);
    EXPECT_EQ(properties.MakeDisplayValue(Variant(), false).ToString(), L"__:__");
    properties.SetEditMask(L"00;0");
    EXPECT_EQ(properties.MakeDisplayValue(Variant(L"7"), true).ToString(), L"7_");
    EXPECT_TRUE(properties.CanShowValue(Variant(L"x"), true));
}

TEST_F(MaskEditPropertiesTest, AssignCopiesTheMaskInOneChange) {
    TcxMaskEditProperties source;
    source.SetMaskKind(emkRegExprEx);
    source.SetEditMask(L"[0-9]+");
    source.SetCaseInsensitive(false);
    source.SetIgnoreMaskBlank(true);
    source.SetShowBlanksUnfocused(true);
    source.SetBeepOnError(true);
    properties.Assign(source);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(properties.MaskKind(), emkRegExprEx);
    EXPECT_EQ(properties.EditMask(), L"[0-9]+");
    EXPECT_FALSE(properties.CaseInsensitive());
    EXPECT_TRUE(properties.IgnoreMaskBlank());
    EXPECT_TRUE(properties.ShowBlanksUnfocused());
    EXPECT_TRUE(properties.BeepOnError());
    EXPECT_EQ(properties.CachedMode().GetMaskKind(), emkRegExprEx);
}

} // namespace
} // namespace velkaro
