#include "runtime/Conversions.h"
#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
    const std::pair<std::wstring, std::int32_t> cases[] = {
        {L"0", 0},
        {L"42", 42},
        {L" 42", 42},
        {L"   -250", -250},
        {L"+7", 7},
        {L"007", 7},
        {L"$FF", 255},
        {L"$ff", 255},
        {L"xA", 10},
        {L"X10", 16},
        {L"0x7fffffff", 2147483647},
        {L"-$80000000", -2147483647 - 1},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"1000000", 1000000},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(StrToInt(text), expected) << text;
    }
}

TEST(StrToInt, RefusesAnythingElse) {
    const std::wstring cases[] = {
        L"",     L" ",          L"abc",         L"42 ",       L"4 2", L"-",
        L"+-1",  L"$",          L"0x",          L"x",         L"$FG", L"1.5",
        L"1e3",  L"2147483648", L"-2147483649", L"$80000000", L"\t1", L"99999999999999999999",
        L"0X10",
        L"１２", // full-width digits are not decimal digits here
    };
    for (const auto& text : cases) {
        std::int32_t value = 0;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
    }
}

TEST(StrToInt, ErrorNamesTheText) {
    try {
        StrToInt(L"abc");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), L"'abc' is not a valid integer value");
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(StrToInt, ErrorQuotesALongTextByItsBeginning) {
    const std::wstring forty(40, L'7');
    const struct {
        std::wstring Text, Quoted;
    } cases[] = {
        {forty, forty},
        {forty + L"8", forty + L"\u2026"},
        {std::wstring(1000000, L'9'), std::wstring(40, L'9') + L"\u2026"},
        // A character of two UTF-16 units is not cut in half.
        {std::wstring(39, L'7') + L"\xD83D\xDE00" + L"1", std::wstring(39, L'7') + L"\u2026"},
    };
    for (const auto& c : cases) {
        try {
            StrToInt(c.Text);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), L"'" + c.Quoted + L"' is not a valid integer value");
        }
    }
}

TEST(IntToStr, WritesPlainSignedDecimal) {
    EXPECT_EQ(IntToStr(0), L"0");
    EXPECT_EQ(IntToStr(-250), L"-250");
    EXPECT_EQ(IntToStr(INT64_MIN), L"-9223372036854775808");
}

} // namespace
} // namespace velkaro
