#include "runtime/Conversions.h"
#include "tests/support/LocaleScope.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

struct FormatCase {
    std::wstring format;
    long double value;
    std::wstring expected;
};

template <std::size_t N> void ExpectAll(const FormatCase (&cases)[N]) {
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(c.format, c.value), c.expected)
            << "format \"" << std::string(c.format.begin(), c.format.end()) << "\" value "
            << static_cast<double>(c.value);
    }
}

TEST(FormatFloat, AmountsUnderTurkishSeparators) {
    LocaleScope turkish(TurkishSettings());
    const FormatCase cases[] = {
        {L",0 TL", 1250000, L"1.250.000 TL"},
        {L",0 TL", 0, L"0 TL"},
        {L",0 TL", -5, L"-5 TL"},
        {L",0 TL", -1250000, L"-1.250.000 TL"},
        {L",0 TL", 999, L"999 TL"},
        {L",0 TL", 1000, L"1.000 TL"},
        {L",0 TL", 2147483647, L"2.147.483.647 TL"},
        {L",0 TL", 51800000000.0L, L"51.800.000.000 TL"},
        {L",0 TL", 0.5L, L"1 TL"},
        {L",0 TL", 1249999.49L, L"1.249.999 TL"},
        {L"#,", 1000000, L"1.000.000"},
        {L"#,", -250, L"-250"},
        {L"#,", 0, L""},
        {L",0.00 TL;-,0.00 TL", 1234.5L, L"1.234,50 TL"},
        {L",0.00 TL;-,0.00 TL", -1234.5L, L"-1.234,50 TL"},
        {L",0.00 TL;-,0.00 TL", 0, L"0,00 TL"},
        {L"0.##", 2.5L, L"2,5"},
        {L"0.##", 2, L"2"},
        {L",0. TL", 1250, L"1.250 TL"},
    };
    ExpectAll(cases);
}

TEST(FormatFloat, AmountsUnderCommaThousands) {
    const FormatCase cases[] = {
        {L",0 TL", 1250000, L"1,250,000 TL"},
        {L"#,", 1000000, L"1,000,000"},
        {L"$,0.00;-$,0.00", 1234.567L, L"$1,234.57"},
        {L"$,0.00;-$,0.00", -1234.567L, L"-$1,234.57"},
        {L"#,##0.00", 0.126L, L"0.13"},
    };
    ExpectAll(cases);
}

TEST(FormatFloat, DigitPlaceholdersAndRounding) {
    const FormatCase cases[] = {
        {L"0", 0.49L, L"0"},
        {L"0", 0.5L, L"1"},
        {L"0", 1.5L, L"2"},
        {L"0", 2.5L, L"3"}, // halves away from zero
        {L"0", -2.5L, L"-3"},
        {L"0.00", 1.005L, L"1.00"}, // exactly 1.00499999999999999999566...
        {L"0.00", 1.125L, L"1.13"},
        {L"0.00", 0.125L, L"0.13"},
        {L"0.0", 9.96L, L"10.0"},
        {L"000", 7, L"007"},
        {L"#", 0, L""},
        {L"#", 123, L"123"},
        {L"0.0#", 1.2L, L"1.2"},
        {L"0.0#", 1, L"1.0"},
        {L"0.0#", 1.234L, L"1.23"},
        {L".00", 5.5L, L"5.50"},
        {L"#.##", 0.5L, L".5"},
        {L"00.00", 123.456L, L"123.46"},
        {L"0", 1e20L, L"100000000000000000000"},
        {L"0.00", 1e-30L, L"0.00"},
    };
    ExpectAll(cases);
}

// Every digit shown is a digit of the value: beyond the 18 that an extended float's shortest
// form has, the exact expansion goes on, as printf's "%.0f" writes it.
TEST(FormatFloat, ShowsTheExactDigitsAtAnyMagnitude) {
    for (const double value : {1e18, 1e23, 123456789012345678901.0, 18446744073709551616.0, 1e99,
                               std::numeric_limits<double>::max()}) {
        char exact[400];
        std::snprintf(exact, sizeof exact, "%.0f", value);
        EXPECT_EQ(FormatFloat(L"0", value), std::wstring(exact, exact + std::strlen(exact)))
            << exact;
    }
    const FormatCase cases[] = {
        {L"0", 1e23, L"99999999999999991611392"},
        {L",0 TL", 1e23, L"99,999,999,999,999,991,611,392 TL"},
        {L"0.000000000000000000000000", 0.1, L"0.100000000000000005551115"},
        {L"0.00", -1e20, L"-100000000000000000000.00"},
    };
    ExpectAll(cases);
}

TEST(FormatFloat, ExponentSections) {
    const FormatCase cases[] = {
        {L"0.00E+00", 12345, L"1.23E+04"},
        {L"0.00E+00", 0.00012345L, L"1.23E-04"},
        {L"0.00E-00", 12345, L"1.23E04"},
        {L"0.00E-00", 0.00012345L, L"1.23E-04"},
        {L"0.###E-0", 12345, L"1.235E4"},
        {L"0.###E-0", 1.5L, L"1.5E0"},
        {L"0.###E+0", 100, L"1E+2"},
        {L"0.00E+00", 0, L"0.00E+00"},
        {L"0.00E+00", -12345, L"-1.23E+04"},
        {L"0.00E+00", 9.996L, L"1.00E+01"}, // rounding carries into the exponent
        {L"00.0E+0", 12345, L"12.3E+3"},
        {L".00E+00", 12345, L".12E+05"},
        {L"0.0e+000", 1.5e-7L, L"1.5e-007"},
        {L"0E+0", 1e23, L"1E+23"},
        {L"0.0E+0000", 1e300L, L"1.0E+0300"},
        {L"0.00E+00 'TL'", 12345, L"1.23E+04 TL"},
        {L"0.0E+0;(0.0E+0)", -250, L"(2.5E+2)"},
        {L"0 'E+0'", 5, L"5 E+0"}, // quoted: text
        {L"0 E", 5, L"5 E"},       // no sign after it: text
    };
    ExpectAll(cases);
    LocaleScope turkish(TurkishSettings());
    EXPECT_EQ(FormatFloat(L"0.00E+00", 12345), L"1,23E+04");
}

TEST(FormatFloat, SectionsQuotesAndLiterals) {
    const FormatCase cases[] = {
        {L"0;(0);'zero'", 5, L"5"},
        {L"0;(0);'zero'", -5, L"(5)"},
        {L"0;(0);'zero'", 0, L"zero"},
        {L"0;(0);'zero'", -0.2L, L"zero"}, // rounds to zero: the zero section, no sign
        {L"0;(0)", -0.2L, L"0"},
        {L"0", -0.2L, L"0"},
        {L"0;;'nothing'", -5, L"-5"}, // an empty negative section falls back to the first
        {L"'#,0.00' 0", 5, L"#,0.00 5"},
        {L"\"a;b\"0", 5, L"a;b5"},
        {L"0 ' TL'", 12, L"12  TL"},
        {L"0' TL", 12, L"12 TL"}, // an unclosed quote runs to the end
        {L"0 'x", 12, L"12 x"},
        {L"'$'0 E", 3, L"$3 E"},
        {L"0;-0;zero;fourth", 0, L"zero"},
        {L"TL", 5, L"TL"},
        {L"", 2.5L, L"2.5"},
    };
    ExpectAll(cases);
}

TEST(FormatFloat, NonFiniteValues) {
    EXPECT_EQ(FormatFloat(L",0 TL", std::numeric_limits<long double>::quiet_NaN()), L"NAN");
    EXPECT_EQ(FormatFloat(L",0 TL", std::numeric_limits<long double>::infinity()), L"INF");
    EXPECT_EQ(FormatFloat(L",0 TL", -std::numeric_limits<long double>::infinity()), L"-INF");
}

TEST(FloatToStr, ShortestGeneralForm) {
    const std::pair<long double, std::wstring> cases[] = {
        {0, L"0"},
        {-0.0L, L"0"},
        {1250000, L"1250000"},
        {-5, L"-5"},
        {2.5L, L"2.5"},
        {0.1, L"0.1"}, // a double's 0.1, widened
        {0.1 + 0.2, L"0.3"},
        {1.0 / 3, L"0.333333333333333"},
        {123456789012345.0L, L"123456789012345"},
        {1234567890123456.0L, L"1.23456789012346E15"},
        {1e15L, L"1E15"},
        {0.0001L, L"0.0001"},
        {0.00001L, L"1E-5"},
        {-1.5e-7L, L"-1.5E-7"},
        {9.9999999999999999L, L"10"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(FloatToStr(value), expected) << static_cast<double>(value);
    }
}

TEST(FloatToStr, UsesTheLocaleDecimalSeparator) {
    LocaleScope turkish(TurkishSettings());
    EXPECT_EQ(FloatToStr(2.5L), L"2,5");
    EXPECT_EQ(FloatToStr(1250000), L"1250000");
    EXPECT_EQ(FloatToStr(1.5e20L), L"1,5E20");
}

} // namespace
} // namespace velkaro::test
