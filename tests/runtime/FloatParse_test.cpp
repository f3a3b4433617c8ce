#include "runtime/Conversions.h"
#include "runtime/Exceptions.h"
#include "tests/support/LocaleScope.h"

#include <cmath>

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

struct ParseCase {
    std::wstring text;
    long double value;
};

void ExpectParses(const ParseCase& c) {
    long double value = -12345;
    ASSERT_TRUE(TryTextToFloat(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
}

TEST(TextToFloat, AcceptsTheNumberGrammar) {
    const ParseCase cases[] = {
        {L"0", 0},        {L"1250000", 1250000}, {L"  -5  ", -5},
        {L"+3.5", 3.5L},  {L".5", 0.5L},         {L"5.", 5},
        {L".", 0},        {L"1e3", 1000},        {L"1E+3", 1000},
        {L"25e-1", 2.5L}, {L"12E", 12},          {L"12e-", 12},
        {L"0e99999", 0},  {L"1e-99999", 0},      {L"-0", 0},
        {L"0.1", 0.1L},
    };
    for (const auto& c : cases) {
        ExpectParses(c);
    }
}

TEST(TextToFloat, RefusesOtherTexts) {
    const std::wstring cases[] = {
        L"",    L" ",  L"-",   L"+",       L"abc",  L"1,5", L"1.2.3",     L"1e3.5", L"e5",
        L"--1", L"1-", L"1 2", L"1e99999", L"0x10", L"\t1", L"1.250.000", L"inf",   L"nan",
    };
    for (const auto& text : cases) {
        long double value = 7;
        EXPECT_FALSE(TryTextToFloat(text, value)) << text;
        EXPECT_EQ(value, 7) << "value changed for " << text;
    }
}

TEST(TextToFloat, UsesTheLocaleDecimalSeparator) {
    LocaleScope turkish(TurkishSettings());
    ExpectParses({L"2,5", 2.5L});
    ExpectParses({L"-0,25e1", -2.5L});
    long double value = 0;
    EXPECT_FALSE(TryTextToFloat(L"2.5", value));
}

TEST(TextToFloat, ReadsLongMantissasExactlyRounded) {
    ExpectParses({L"0.30000000000000000000000000000001", 0.3L});
    ExpectParses({L"1" + std::wstring(400, L'0') + L"e-400", 1});
}

TEST(StrToFloat, RaisesForTextThatDoesNotConvert) {
    EXPECT_EQ(StrToFloat(L" 12.5"), 12.5L);
    try {
        StrToFloat(L"12a");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), L"'12a' is not a valid floating point value");
    }
    EXPECT_THROW(StrToFloat(L""), EConvertError);
}

} // namespace
} // namespace velkaro::test
