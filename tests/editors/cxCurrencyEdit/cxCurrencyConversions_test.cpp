#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"

#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velkaro {
namespace {

std::string Describe(const Variant& value) {
    return std::string(ToUtf8(VariantKindName(value.Kind()))) + " '" + ToUtf8(value.ToString()) +
           "'";
}

class TurkishSeparators : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFormatSettings();
        FormatSettings().ThousandSeparator = L'.';
        FormatSettings().DecimalSeparator = L',';
    }
    void TearDown() override { ResetFormatSettings(); }
};

struct AmountCase {
    const wchar_t* text;
    bool converts;
    double value;
};

TEST_F(TurkishSeparators, TextToAmountKeepsToNumbersWithinTheMagnitudeLimits) {
    const AmountCase cases[] = {
        {L"0", true, 0},
        {L"-0", true, 0},
        {L"0e-400", true, 0},
        {L"5e-324", true, 5e-324},
        {L"-5e-324", true, -5e-324},
        {L"4,9e-324", false, 0},
        {L"1e-400", false, 0},
        {L"1,7e308", true, 1.7e308},
        {L"-1,7E308", true, -1.7e308},
        {L"1,7000001e308", false, 0},
        {L"1e309", false, 0},
        {L"1e5000", false, 0},
        {L"12E3", true, 12000},
        {L"12e+3", true, 12000},
        {L"12e-1", true, 1.2},
        {L"12E", true, 12},
        {L"E3", false, 0},
        {L"  12  ", true, 12},
        {L"+12", true, 12},
        {L"-12", true, -12},
        {L"--12", false, 0},
        {L"1 2", false, 0},
        {L"1.250.000", true, 1250000},
        {L"1.250.000,5", true, 1250000.5},
        {L"1250.000", true, 1250000},
        {L".", false, 0},
        {L",", true, 0},
        {L",5", true, 0.5},
        {L"12,5,3", false, 0},
        {L"1,5", true, 1.5},
        {L"", false, 0},
        {L"abc", false, 0},
        {L"0 TL", false, 0},
        {L"12x", false, 0},
    };
    for (const auto& c : cases) {
        double value = 99;
        EXPECT_EQ(TryTextToAmount(c.text, value), c.converts) << ToUtf8(c.text);
        EXPECT_EQ(value, c.value) << ToUtf8(c.text);
    }
}

TEST(TextToAmount, ReadsTheInvariantSeparators) {
    ResetFormatSettings();
    double value = 0;
    EXPECT_TRUE(TryTextToAmount(L"1,250,000.25", value));
    EXPECT_EQ(value, 1250000.25);
    EXPECT_FALSE(TryTextToAmount(L"1.250.000", value));
}

struct EditValueCase {
    const wchar_t* text;
    Variant nullable;
    Variant notNullable;
};

TEST_F(TurkishSeparators, EditValueIsANumberOrNullOrCurrencyZero) {
    const Variant zero(Currency{});
    const EditValueCase cases[] = {
        {L"1250000", 1250000.0, 1250000.0},
        {L"1.250.000", 1250000.0, 1250000.0},
        {L"0", 0.0, 0.0},
        {L"-5", -5.0, -5.0},
        {L"", Variant(), zero},
        {L"0 TL", Variant(), zero},
        {L"abc", Variant(), zero},
        {L"1e309", Variant(), zero},
    };
    for (const auto& c : cases) {
        const Variant nullable = AmountEditValue(c.text, true, L"0 TL");
        const Variant notNullable = AmountEditValue(c.text, false, L"0 TL");
        EXPECT_TRUE(nullable == c.nullable) << ToUtf8(c.text) << ": " << Describe(nullable);
        EXPECT_TRUE(notNullable == c.notNullable)
            << ToUtf8(c.text) << ": " << Describe(notNullable);
    }
    // The null text is compared exactly.
    EXPECT_TRUE(AmountEditValue(L"0 tl", true, L"0 TL").IsNull());
    EXPECT_TRUE(AmountEditValue(L"0", true, L"0") == Variant());
}

struct DisplayCase {
    Variant value;
    const wchar_t* unfocused;
    const wchar_t* unfocusedNotNullable;
    const wchar_t* focused;
};

TEST_F(TurkishSeparators, DisplayValueInBothForms) {
    const DisplayCase cases[] = {
        {Variant(), L"0 TL", L"0", L""},
        {Variant(L""), L"0 TL", L"0", L""},
        {Variant::Unassigned(), L"0 TL", L"0 TL", L"0"},
        {1250000.0, L"1.250.000 TL", L"1.250.000 TL", L"1250000"},
        {0.0, L"0 TL", L"0 TL", L"0"},
        {-5.0, L"-5 TL", L"-5 TL", L"-5"},
        {-1250000.0, L"-1.250.000 TL", L"-1.250.000 TL", L"-1250000"},
        {1234.5, L"1.235 TL", L"1.235 TL", L"1234,5"},
        {Variant(Currency{}), L"0 TL", L"0 TL", L"0"},
        {Variant(L"1250000"), L"1.250.000 TL", L"1.250.000 TL", L"1250000"},
        {Variant(L"-7"), L"-7 TL", L"-7 TL", L"-7"},
        {Variant(L"abc"), L"abc", L"abc", L""},
        {Variant(L"1.250.000"), L"1.250.000", L"1.250.000", L""},
    };
    TcxAmountDisplaySettings settings{true, L"0 TL", L",0 TL"};
    TcxAmountDisplaySettings notNullable{false, L"0 TL", L",0 TL"};
    for (const auto& c : cases) {
        const std::string value = Describe(c.value);
        EXPECT_EQ(AmountDisplayValue(c.value, false, settings).ToString(), c.unfocused) << value;
        EXPECT_EQ(AmountDisplayValue(c.value, false, notNullable).ToString(),
                  c.unfocusedNotNullable)
            << value;
        EXPECT_EQ(AmountDisplayValue(c.value, true, settings).ToString(), c.focused) << value;
    }
}

TEST_F(TurkishSeparators, DisplayWithoutAFormatIsTheGeneralNumber) {
    const TcxAmountDisplaySettings settings{true, L"", L""};
    EXPECT_EQ(AmountDisplayValue(1234.5, false, settings).ToString(), L"1234,5");
    EXPECT_EQ(AmountDisplayValue(Variant(), false, settings).ToString(), L"");
    const TcxAmountDisplaySettings currency{true, L"", L",0.00 TL;-,0.00 TL"};
    EXPECT_EQ(AmountDisplayValue(-1234.5, false, currency).ToString(), L"-1.234,50 TL");
}

TEST_F(TurkishSeparators, NonNumbersAreShownAsTheyAreAndKeepTheirKind) {
    const TcxAmountDisplaySettings settings{true, L"0 TL", L",0 TL"};
    EXPECT_EQ(AmountDisplayValue(L"abc", false, settings).Kind(), VariantKind::String);
    EXPECT_EQ(AmountDisplayValue(true, false, settings).ToString(), L"-1 TL");
}

TEST(AmountValue, IsClampedOnlyWhenTheBoundsDifferAndReadsNoAmountAsZero) {
    const struct {
        double minValue, maxValue, written, read;
    } clamps[] = {
        {0, 100, 150, 100}, {0, 100, -3, 0},    {0, 100, 42.5, 42.5},
        {0, 0, 150, 150},   {5, 5, -1e9, -1e9},
    };
    for (const auto& c : clamps) {
        EXPECT_EQ(ClampAmount(c.written, c.minValue, c.maxValue), c.read) << c.written;
    }
    EXPECT_EQ(AmountOfEditValue(Variant()), 0);
    EXPECT_EQ(AmountOfEditValue(Variant(L"abc")), 0);
    EXPECT_EQ(AmountOfEditValue(Variant(L"12")), 12);
    EXPECT_EQ(AmountOfEditValue(Variant(42.5)), 42.5);
}

// "12" with the clipboard pasted at its end; numbers beyond an amount's range would be lost on
// leaving.
TEST_F(TurkishSeparators, APasteIsKeptOnlyWhereItLeavesAnAmount) {
    const struct {
        const wchar_t* text;
        bool kept;
    } cases[] = {
        {L"1234", true}, {L"12,5", true},    {L"12abc", false},   {L"121.000", false},
        {L"12-", false}, {L"12e400", false}, {L"12e-400", false}, {L"12e300", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPastedAmount(c.text), c.kept) << ToUtf8(c.text);
    }
}

struct KeyCase {
    const wchar_t* text;
    std::size_t selectionStart;
    std::size_t selectionLength;
    wchar_t key;
    int decimalPlaces;
    bool useThousandSeparator;
    bool accepted;
};

TEST_F(TurkishSeparators, KeyFilterAcceptsOnlyKeysThatKeepANumber) {
    const KeyCase cases[] = {
        // Signs into an empty or wholly selected text.
        {L"", 0, 0, L'-', 2, false, true},
        {L"", 0, 0, L'+', 2, false, false},
        {L"12", 0, 2, L'-', 2, false, true},
        {L"12", 0, 2, L'+', 2, false, false},
        {L"5", 0, 0, L'-', 2, false, true},
        {L"5", 1, 0, L'-', 2, false, false},
        {L"-", 1, 0, L'5', 2, false, true},
        // Digits and keys outside the set.
        {L"12", 2, 0, L'3', 2, false, true},
        {L"12", 2, 0, L'x', 2, false, false},
        {L"12", 2, 0, L' ', 2, false, false},
        // Exponent letters only where the text still converts.
        {L"12", 2, 0, L'E', 2, false, true},
        {L"12", 2, 0, L'e', 2, false, true},
        {L"", 0, 0, L'E', 2, false, false},
        {L"12E", 3, 0, L'E', 2, false, false},
        {L"12E", 3, 0, L'-', 2, false, true},
        {L"1e308", 1, 0, L'9', 2, false, false},
        // Decimal places.
        {L"12,3", 4, 0, L'4', 2, false, true},
        {L"12,34", 5, 0, L'5', 2, false, false},
        {L"12,34", 5, 0, L'5', 3, false, true},
        {L"12,34", 4, 1, L'9', 2, false, true},
        {L"12", 2, 0, L',', 0, false, true},
        {L"12", 1, 0, L',', 0, false, false},
        {L"12", 0, 0, L',', 0, false, false},
        {L"12,", 3, 0, L'5', 0, false, false},
        {L"12,", 3, 0, L',', 2, false, false},
        {L"1,5E", 4, 0, L'3', 1, false, true},
        {L"1,5E3", 3, 0, L'7', 1, false, false},
        // The thousands separator only when it may be typed.
        {L"1", 1, 0, L'.', 2, false, false},
        {L"1", 1, 0, L'.', 2, true, true},
        {L"1.250", 5, 0, L'0', 0, true, true},
        // Positions beyond the text are clamped to it.
        {L"12", 9, 9, L'3', 2, false, true},
    };
    for (const auto& c : cases) {
        const TcxAmountKeyContext context{c.text, c.selectionStart, c.selectionLength,
                                          c.decimalPlaces, c.useThousandSeparator};
        EXPECT_EQ(AmountKeyAccepted(context, c.key), c.accepted)
            << ToUtf8(c.text) << " [" << c.selectionStart << "," << c.selectionLength << "] "
            << static_cast<char>(c.key) << " places " << c.decimalPlaces;
    }
}

TEST_F(TurkishSeparators, CommaAndDotTypeTheDecimalSeparator) {
    EXPECT_EQ(AmountKeyChar(L'.', false), L',');
    EXPECT_EQ(AmountKeyChar(L',', false), L',');
    EXPECT_EQ(AmountKeyChar(L'.', true), L'.');
    EXPECT_EQ(AmountKeyChar(L',', true), L',');
    EXPECT_EQ(AmountKeyChar(L'7', false), L'7');
    ResetFormatSettings();
    EXPECT_EQ(AmountKeyChar(L',', false), L'.');
    EXPECT_EQ(AmountKeyChar(L',', true), L',');
    EXPECT_EQ(AmountKeyChar(L'.', true), L'.');
}

// Keys typed one after the other at the end of the text, as into a focused amount field; the
// text and the beeps for refused keys.
std::pair<std::wstring, int> TypeAmount(std::wstring text, const std::wstring& keys,
                                        int decimalPlaces, bool useThousandSeparator,
                                        std::size_t selected = 0) {
    int beeps = 0;
    for (const wchar_t key : keys) {
        const TcxAmountKeyContext context{text, text.size() - selected, selected, decimalPlaces,
                                          useThousandSeparator};
        const TcxAmountTypedKey typed = AmountTypedKey(context, key);
        if (typed.Refused) {
            ++beeps;
        } else {
            text = TextAfterKey(context, typed.Char);
        }
        selected = 0;
    }
    return {text, beeps};
}

TEST_F(TurkishSeparators, TypingKeepsTheTextANumberAndBeepsForRefusedKeys) {
    const struct {
        const wchar_t* keys;
        int decimalPlaces;
        bool useThousandSeparator;
        const wchar_t* text;
        int beeps;
    } cases[] = {
        {L"12.5", 2, false, L"12,5", 0}, {L"12,345", 2, false, L"12,34", 1},
        {L"-7", 2, false, L"-7", 0},     {L"+", 2, false, L"", 1},
        {L"x1y", 2, false, L"1", 2},     {L"12E3", 2, false, L"12E3", 0},
        {L"E", 2, false, L"", 1},        {L"5,", 0, false, L"5,", 0},
        {L"5,1", 0, false, L"5,", 1},    {L"1.000", 2, true, L"1.000", 0},
        {L"1,5", 2, true, L"1,5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypeAmount(L"", c.keys, c.decimalPlaces, c.useThousandSeparator),
                  std::pair(std::wstring(c.text), c.beeps))
            << ToUtf8(c.keys);
    }
    // A minus replaces a wholly selected text.
    EXPECT_EQ(TypeAmount(L"12", L"-", 2, false, 2), std::pair(std::wstring(L"-"), 0));
}

// Committed and shown unfocused, a typed amount shows only the digits its number has.
TEST_F(TurkishSeparators, ATypedAmountShowsOnlyItsOwnDigits) {
    const struct {
        const wchar_t* typed;
        const wchar_t* shown;
    } cases[] = {
        {L"1e18", L"1.000.000.000.000.000.000 TL"},
        {L"1e23", L"99.999.999.999.999.991.611.392 TL"},
        {L"1e99", L"999.999.999.999.999.967.336.168.804.116.691.273.849.533.185.806.555.472.917."
                  L"961.779.471.295.845.921.727.862.608.739.868.455.469.056 TL"},
    };
    const TcxAmountDisplaySettings settings{true, L"", L",0 TL"};
    for (const auto& c : cases) {
        EXPECT_EQ(
            AmountDisplayValue(AmountEditValue(c.typed, true, L""), false, settings).ToString(),
            c.shown)
            << ToUtf8(c.typed);
    }
}

TEST(TextAfterKey, ReplacesTheSelection) {
    EXPECT_EQ(TextAfterKey({L"12345", 1, 3}, L'x'), L"1x5");
    EXPECT_EQ(TextAfterKey({L"12", 2, 0}, L'x'), L"12x");
    EXPECT_EQ(TextAfterKey({L"12", 5, 1}, L'x'), L"12x");
}

} // namespace
} // namespace velkaro
