#include "editors/cxCurrencyEdit/cxCurrencyEditProperties.h"

#include "editors/cxEdit/cxEditRegisteredProperties.h"
#include "runtime/FormatSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace velkaro {
namespace {

class FormatProvider : public TcxCustomEditDefaultValuesProvider {
public:
    std::wstring DefaultDisplayFormat() const override { return format; }
    std::wstring format;
};

class CountedWindow : public TcxFormatNotificationWindow {
public:
    explicit CountedWindow(int& alive) : alive_(alive) { ++alive_; }
    ~CountedWindow() override { --alive_; }
    CountedWindow(const CountedWindow&) = delete;
    CountedWindow& operator=(const CountedWindow&) = delete;

private:
    int& alive_;
};

// An edit as the range check sees it: it converts texts as the currency edit does.
class AmountEdit : public TObject, public IcxEditValueSource {
public:
    Variant MakeEditValue(const Variant& DisplayValue, bool) override {
        return AmountEditValue(DisplayValue.ToString(), true, L"");
    }
    bool InEditForm() const override { return true; }
};

class CurrencyPropertiesTest : public ::testing::Test {
protected:
    CurrencyPropertiesTest() {
        properties.OnPropertiesChanged = [this](TObject* sender) {
            EXPECT_EQ(sender, &properties);
            ++announced;
            guardWhenAnnounced = properties.FormatChanging();
        };
    }
    static void SetUpTestSuite() { UseTurkishLocale(); }
    static void TearDownTestSuite() { ResetFormatSettings(); }

    static void UseTurkishLocale() {
        ResetFormatSettings();
        TFormatSettings& s = FormatSettings();
        s.ThousandSeparator = L'.';
        s.DecimalSeparator = L',';
        s.CurrencyString = L"TL";
        s.CurrencyFormat = 3;
        s.CurrencyDecimals = 2;
    }

    int windows = 0;
    TcxFormatController controller{
        [this](TcxFormatController&) { return std::make_unique<CountedWindow>(windows); }};
    TcxCurrencyEditProperties properties{nullptr, controller};
    int announced = 0;
    bool guardWhenAnnounced = false;
};

TEST_F(CurrencyPropertiesTest, StartsAsAnAmountFieldListeningToTheController) {
    EXPECT_EQ(properties.DecimalPlaces(), 2);
    EXPECT_TRUE(properties.Nullable());
    EXPECT_EQ(properties.NullString(), L"");
    EXPECT_FALSE(properties.UseThousandSeparator());
    EXPECT_TRUE(properties.ValidateOnEnter());
    EXPECT_TRUE(properties.ChecksRange());
    EXPECT_EQ(windows, 1);
    {
        TcxCurrencyEditProperties second(nullptr, controller);
        EXPECT_EQ(windows, 1);
    }
    EXPECT_EQ(windows, 1);
}

TEST_F(CurrencyPropertiesTest, LastListenerGoneTakesTheNotificationWindow) {
    {
        TcxCurrencyEditProperties own(nullptr, controller);
        EXPECT_EQ(windows, 1);
        controller.Unsubscribe(properties);
    }
    EXPECT_EQ(windows, 0);
}

TEST_F(CurrencyPropertiesTest, EffectiveDisplayFormat) {
    EXPECT_EQ(properties.DisplayFormat(), L",0.00 TL;-,0.00 TL");
    EXPECT_FALSE(properties.IsDisplayFormatStored());

    auto provider = std::make_shared<FormatProvider>();
    properties.SetDefaultValuesProvider(provider);
    EXPECT_EQ(properties.DisplayFormat(), L",0.00 TL;-,0.00 TL");
    provider->format = L"#,##0";
    EXPECT_EQ(properties.DisplayFormat(), L"#,##0");
    EXPECT_FALSE(properties.IsDisplayFormatStored());

    properties.SetDisplayFormat(L",0 TL");
    EXPECT_EQ(properties.DisplayFormat(), L",0 TL");
    EXPECT_TRUE(properties.IsDisplayFormatStored());
    properties.SetDisplayFormat(L"");
    EXPECT_EQ(properties.DisplayFormat(), L"");
    EXPECT_TRUE(properties.IsDisplayFormatStored());
}

struct AnnounceCase {
    const char* name;
    std::function<void(TcxCurrencyEditProperties&)> change;
    int announcements;
};

TEST_F(CurrencyPropertiesTest, SettersAnnounceRealChanges) {
    const AnnounceCase cases[] = {
        {"format twice",
         [](auto& p) {
             p.SetDisplayFormat(L",0 TL");
             p.SetDisplayFormat(L",0 TL");
         },
         1},
        {"format differing in case only",
         [](auto& p) {
             p.SetDisplayFormat(L",0 TL");
             p.SetDisplayFormat(L",0 tl");
         },
         2},
        {"first write of the effective format",
         [](auto& p) { p.SetDisplayFormat(p.DisplayFormat()); }, 1},
        {"Nullable unchanged", [](auto& p) { p.SetNullable(true); }, 0},
        {"Nullable changed", [](auto& p) { p.SetNullable(false); }, 1},
        {"NullString unchanged", [](auto& p) { p.SetNullString(L""); }, 0},
        {"NullString changed", [](auto& p) { p.SetNullString(L"0 TL"); }, 1},
        {"thousands unchanged", [](auto& p) { p.SetUseThousandSeparator(false); }, 0},
        {"thousands changed", [](auto& p) { p.SetUseThousandSeparator(true); }, 1},
        {"DecimalPlaces", [](auto& p) { p.SetDecimalPlaces(0); }, 0},
    };
    for (const auto& c : cases) {
        TcxCurrencyEditProperties fresh(nullptr, controller);
        int count = 0;
        fresh.OnPropertiesChanged = [&count](TObject*) { ++count; };
        c.change(fresh);
        EXPECT_EQ(count, c.announcements) << c.name;
    }
}

TEST_F(CurrencyPropertiesTest, CopyAnnouncesOnceAndFixesTheEffectiveFormat) {
    TcxCurrencyEditProperties source(nullptr, controller);
    source.SetDecimalPlaces(0);
    source.SetNullable(false);
    source.SetNullString(L"0 TL");
    source.SetUseThousandSeparator(true);
    source.SetMaxValue(100);
    source.SetReadOnly(true);

    properties.Assign(source);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(properties.DecimalPlaces(), 0);
    EXPECT_FALSE(properties.Nullable());
    EXPECT_EQ(properties.NullString(), L"0 TL");
    EXPECT_TRUE(properties.UseThousandSeparator());
    EXPECT_EQ(properties.MaxValue(), 100);
    EXPECT_TRUE(properties.ReadOnly());
    // The source's format was the controller's; the copy holds it as its own.
    EXPECT_TRUE(properties.IsDisplayFormatStored());
    EXPECT_EQ(properties.DisplayFormat(), L",0.00 TL;-,0.00 TL");
}

TEST_F(CurrencyPropertiesTest, CopyFromAPlainTextEditTakesOnlyTheTextPart) {
    TcxTextEditProperties text;
    text.SetReadOnly(true);
    properties.SetNullString(L"yok");
    properties.SetDecimalPlaces(4);
    properties.Assign(text);
    EXPECT_TRUE(properties.ReadOnly());
    EXPECT_EQ(properties.NullString(), L"yok");
    EXPECT_EQ(properties.DecimalPlaces(), 4);
    EXPECT_FALSE(properties.IsDisplayFormatStored());
}

TEST_F(CurrencyPropertiesTest, RegionalChangeReplacesEvenAnAssignedFormatUnderTheGuard) {
    properties.SetDisplayFormat(L",0 TL");
    announced = 0;
    FormatSettings().CurrencyString = L"$";
    FormatSettings().CurrencyFormat = 0;
    controller.Rebuild();
    controller.BroadcastChange();
    UseTurkishLocale();
    EXPECT_EQ(properties.DisplayFormat(), L"$,0.00;-$,0.00");
    EXPECT_EQ(announced, 1);
    EXPECT_TRUE(guardWhenAnnounced);
    EXPECT_FALSE(properties.FormatChanging());
    controller.Rebuild();
}

TEST_F(CurrencyPropertiesTest, DisplayFollowsTheEffectiveFormat) {
    properties.SetNullString(L"0 TL");
    EXPECT_EQ(properties.MakeDisplayValue(1250000.0, false).ToString(), L"1.250.000,00 TL");
    EXPECT_EQ(properties.MakeDisplayValue(1250000.0, true).ToString(), L"1250000");
    properties.SetDisplayFormat(L",0 TL");
    EXPECT_EQ(properties.MakeDisplayValue(1250000.0, false).ToString(), L"1.250.000 TL");
    EXPECT_EQ(properties.MakeDisplayValue(Variant(), false).ToString(), L"0 TL");
}

struct RangeCase {
    const wchar_t* text;
    bool error;
};

TEST_F(CurrencyPropertiesTest, CheckStartsClearAndTestsTheRange) {
    AmountEdit edit;
    const auto check = [&](const wchar_t* text, bool errorBefore) {
        Variant display(text);
        std::wstring errorText;
        bool error = errorBefore;
        properties.CheckDisplayValue(display, errorText, &edit, error);
        return std::make_pair(error, errorText);
    };
    EXPECT_FALSE(check(L"150", true).first);

    properties.SetMinValue(0);
    properties.SetMaxValue(100);
    const RangeCase cases[] = {
        {L"0", false}, {L"100", false}, {L"50,5", false}, {L"150", true},
        {L"-1", true}, {L"", false},    {L"abc", false},
    };
    for (const auto& c : cases) {
        const auto [error, errorText] = check(c.text, false);
        EXPECT_EQ(error, c.error) << static_cast<int>(c.text[0]);
        if (c.error) {
            EXPECT_EQ(errorText, L"Value out of bounds");
        }
    }
}

TEST(CurrencyEditRegistration, IsInTheProcessWideList) {
    const auto* entry = GetRegisteredEditProperties().Find(L"TcxCurrencyEditProperties");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Description,
              L"CurrencyEdit|Represents an editor enabling editing currency data");
}

} // namespace
} // namespace velkaro
