#include "editors/cxTextEdit/cxTextEditProperties.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace velkaro {
namespace {

class LimitsProvider : public TcxCustomEditDefaultValuesProvider {
public:
    int DefaultMaxLength() const override { return 7; }
    double DefaultMaxValue() const override { return 9.5; }
    double DefaultMinValue() const override { return -1.5; }
};

// An edit whose values are numbers: the display text "12" is the number 12, "d" a date.
class NumberEdit : public TObject, public IcxEditValueSource {
public:
    Variant MakeEditValue(const Variant& displayValue, bool) override {
        const std::wstring text = displayValue.ToString();
        if (text == L"d") {
            return Variant(TDateTime{45000.0});
        }
        if (text.empty() || text.find_first_not_of(L"-0123456789") != std::wstring::npos) {
            return Variant(text);
        }
        return Variant(std::stod(text));
    }
    bool InEditForm() const override { return true; }
};

class RangeProperties : public TcxTextEditProperties {
public:
    bool ChecksRange() const override { return true; }
};

TEST(TextEditPropertiesTest, AnswersTheEditsQuestions) {
    TcxTextEditProperties properties;
    EXPECT_TRUE(properties.UsesDisplayValue());
    EXPECT_TRUE(properties.ComparesEditValues());
    EXPECT_TRUE(properties.ChangeFollowsText());
    EXPECT_TRUE(properties.KeepsNavigationKeys());
    EXPECT_FALSE(properties.KeepsTabKey());
    EXPECT_TRUE(properties.CanRevert());
    properties.SetLookupOnly(true);
    EXPECT_FALSE(properties.CanRevert());
    EXPECT_EQ(properties.GetDefaultErrorText(kcxEditValueOutOfBoundsError), L"Value out of bounds");
    EXPECT_EQ(properties.MakeDisplayValue(Variant(5), false), Variant(L"5"));
}

TEST(TextEditPropertiesTest, UnassignedLimitsComeFromTheProvider) {
    TcxTextEditProperties properties;
    EXPECT_EQ(properties.MaxLength(), 0);
    properties.SetDefaultValuesProvider(std::make_shared<LimitsProvider>());
    EXPECT_EQ(properties.MaxLength(), 7);
    EXPECT_EQ(properties.MaxValue(), 9.5);
    EXPECT_EQ(properties.MinValue(), -1.5);
    EXPECT_FALSE(properties.IsMaxLengthStored());
    properties.SetMaxLength(0);
    EXPECT_EQ(properties.MaxLength(), 0);
    EXPECT_TRUE(properties.IsMaxLengthStored());
}

struct SetterCase {
    const char* name;
    std::function<void(TcxTextEditProperties&)> change;
    int announcements;
};

TEST(TextEditPropertiesTest, SettersAnnounceOnlyRealChanges) {
    const SetterCase cases[] = {
        {"CharCase unchanged", [](auto& p) { p.SetCharCase(ecNormal); }, 0},
        {"CharCase", [](auto& p) { p.SetCharCase(ecUpperCase); }, 1},
        {"EchoMode", [](auto& p) { p.SetEchoMode(eemPassword); }, 1},
        {"HideSelection unchanged", [](auto& p) { p.SetHideSelection(true); }, 0},
        {"OEMConvert", [](auto& p) { p.SetOEMConvert(true); }, 1},
        {"MaxLength first write of the default", [](auto& p) { p.SetMaxLength(0); }, 1},
        {"MaxLength written twice",
         [](auto& p) {
             p.SetMaxLength(4);
             p.SetMaxLength(4);
         },
         1},
        {"MaxLength negative is 0 and equal to a stored 0",
         [](auto& p) {
             p.SetMaxLength(0);
             p.SetMaxLength(-3);
         },
         1},
        {"MaxValue twice",
         [](auto& p) {
             p.SetMaxValue(2);
             p.SetMaxValue(2);
         },
         1},
        {"Alignment as a whole: one bracket", [](auto& p) { p.SetAlignment(TcxEditAlignment()); },
         1},
    };
    for (const auto& c : cases) {
        TcxTextEditProperties properties;
        int count = 0;
        properties.OnPropertiesChanged = [&count](TObject*) { ++count; };
        c.change(properties);
        EXPECT_EQ(count, c.announcements) << c.name;
    }
}

TEST(TextEditPropertiesTest, BoundsNeverCross) {
    TcxTextEditProperties properties;
    properties.SetMinValue(10);
    properties.SetMaxValue(5);
    EXPECT_EQ(properties.MaxValue(), 10);
    properties.SetMaxValue(20);
    properties.SetMinValue(30);
    EXPECT_EQ(properties.MinValue(), 20);
}

TEST(TextEditPropertiesTest, CharCaseConvertsTheLettersOfTheLocale) {
    EXPECT_EQ(ApplyCharCase(L"abc\x11F\xE7z-1", ecUpperCase), L"ABC\x11E\xC7Z-1");
    EXPECT_EQ(ApplyCharCase(L"ABC\x15EZ", ecLowerCase), L"abc\x15Fz");
    EXPECT_EQ(ApplyCharCase(L"aB\x15E", ecNormal), L"aB\x15E");
    TcxTextEditProperties properties;
    properties.SetCharCase(ecUpperCase);
    Variant display(L"abc");
    EXPECT_TRUE(properties.AcceptDisplayValue(display, false));
    EXPECT_EQ(display, Variant(L"ABC"));
}

TEST(TextEditPropertiesTest, PaintTextHidesAPasswordAndFollowsTheCase) {
    TcxTextEditProperties properties;
    properties.SetCharCase(ecLowerCase);
    EXPECT_EQ(properties.GetPaintText(Variant(L"AbC")), L"abc");
    properties.SetEchoMode(eemPassword);
    EXPECT_EQ(properties.GetPaintText(Variant(L"AbC")), L"***");
}

struct RangeCase {
    const wchar_t* display;
    bool error;
};

TEST(TextEditPropertiesTest, TheRangeCheckRunsBeforeTheCoresLink) {
    RangeProperties properties;
    properties.SetMinValue(1);
    properties.SetMaxValue(10);
    NumberEdit edit;
    const RangeCase cases[] = {{L"1", false}, {L"10", false},  {L"0", true}, {L"11", true},
                               {L"-5", true}, {L"abc", false}, {L"", false}, {L"d", true}};
    for (const auto& c : cases) {
        Variant display(c.display);
        std::wstring errorText;
        bool error = false;
        properties.CheckDisplayValue(display, errorText, &edit, error);
        EXPECT_EQ(error, c.error) << c.display;
        EXPECT_EQ(errorText, c.error ? L"Value out of bounds"
                                     : L"Invalid input value. Use escape key to abandon changes")
            << c.display;
    }
}

TEST(TextEditPropertiesTest, EqualBoundsOrNoRangeCheckMeanNoCheck) {
    NumberEdit edit;
    RangeProperties equal;
    TcxTextEditProperties plain;
    plain.SetMinValue(1);
    plain.SetMaxValue(2);
    for (TcxCustomTextEditProperties* properties :
         std::initializer_list<TcxCustomTextEditProperties*>{&equal, &plain}) {
        Variant display(L"50");
        std::wstring errorText;
        bool error = false;
        properties->CheckDisplayValue(display, errorText, &edit, error);
        EXPECT_FALSE(error);
    }
}

TEST(TextEditPropertiesTest, OnValidateSeesTheRangeErrorAndMayClearIt) {
    RangeProperties properties;
    properties.SetMaxValue(3);
    properties.OnValidate = [](TObject*, Variant& display, std::wstring& errorText, bool& error) {
        EXPECT_EQ(errorText, L"Value out of bounds");
        error = false;
        display = Variant(L"3");
    };
    NumberEdit edit;
    Variant display(L"7");
    std::wstring errorText;
    bool error = false;
    properties.CheckDisplayValue(display, errorText, &edit, error);
    EXPECT_FALSE(error);
    EXPECT_EQ(display, Variant(L"3"));
}

TEST(TextEditPropertiesTest, AssignCopiesAssignedMembersOnlyAndAnnouncesOnce) {
    TcxTextEditProperties source;
    source.SetCharCase(ecUpperCase);
    source.SetEchoMode(eemPassword);
    source.SetMaxLength(12);
    source.SetMinValue(-2);
    source.ValidChars().set('x');
    source.SetLookupItems({L"b", L"a"});
    source.SetLookupItemsSorted(true);
    int newTexts = 0;
    source.OnNewLookupDisplayText = [&newTexts](TObject*, const std::wstring&) { ++newTexts; };

    TcxTextEditProperties target;
    target.SetMaxValue(99);
    int count = 0;
    target.OnPropertiesChanged = [&count](TObject*) { ++count; };
    target.Assign(source);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(target.CharCase(), ecUpperCase);
    EXPECT_EQ(target.EchoMode(), eemPassword);
    EXPECT_EQ(target.MaxLength(), 12);
    EXPECT_EQ(target.MinValue(), -2);
    EXPECT_EQ(target.MaxValue(), 0); // not assigned in the source: back to the default
    EXPECT_TRUE(target.ValidChars().test('x'));
    EXPECT_EQ(target.LookupItems(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_TRUE(target.LookupItemsSorted());
    target.OnNewLookupDisplayText(nullptr, L"c");
    EXPECT_EQ(newTexts, 1);
}

} // namespace
} // namespace velkaro
