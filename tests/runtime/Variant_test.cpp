#include "runtime/Exceptions.h"
#include "runtime/Variant.h"
#include "tests/support/LocaleScope.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

TEST(Variant, EqualOnlyWithTheSameKindAndContent) {
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant(5.0), Variant(5.0));
    EXPECT_EQ(Variant(L"5"), Variant(std::wstring(L"5")));
    EXPECT_NE(Variant(L"5"), Variant(5.0));
    EXPECT_NE(Variant(5), Variant(5.0));
    EXPECT_NE(Variant(), Variant::Unassigned());
    EXPECT_NE(Variant(), Variant(L""));
    EXPECT_NE(Variant(Currency{0}), Variant(0.0));
    EXPECT_NE(Variant(L"abc"), Variant(L"ABC"));
    EXPECT_NE(Variant(true), Variant(1));
    EXPECT_NE(Variant(TDateTime{1}), Variant(1.0));
}

TEST(Variant, KindsOfTheConstructors) {
    EXPECT_EQ(Variant().Kind(), VariantKind::Null);
    EXPECT_EQ(Variant(L"x").Kind(), VariantKind::String);
    EXPECT_EQ(Variant(std::wstring_view(L"x")), Variant(L"x"));
    EXPECT_EQ(Variant(L'x').Kind(), VariantKind::String);
    EXPECT_EQ(Variant(1.5f).Kind(), VariantKind::Double);
    EXPECT_EQ(Variant(1.5L).Kind(), VariantKind::Double);
    EXPECT_EQ(Variant(std::int64_t{7}).Kind(), VariantKind::Integer);
    EXPECT_EQ(Variant(false).Kind(), VariantKind::Boolean);
}

TEST(Variant, ToStringOfEachKind) {
    LocaleScope turkish(TurkishSettings());
    EXPECT_EQ(Variant().ToString(), L"");
    EXPECT_EQ(Variant::Unassigned().ToString(), L"");
    EXPECT_EQ(Variant(L"abc").ToString(), L"abc");
    EXPECT_EQ(Variant(1250000.0).ToString(), L"1250000");
    EXPECT_EQ(Variant(2.5).ToString(), L"2,5");
    EXPECT_EQ(Variant(Currency{-5000}).ToString(), L"-0,5");
    EXPECT_EQ(Variant(Currency{INT64_MIN}).ToString(), L"-922337203685477,5808");
    EXPECT_EQ(Variant(true).ToString(), L"True");
    EXPECT_EQ(Variant(-42).ToString(), L"-42");
    EXPECT_EQ(Variant(TDateTime{45000.5}).ToString(), L"2023.03.15 12:00:00");
    EXPECT_EQ(Variant(TDateTime{0}).ToString(), L"1899.12.30");
}

TEST(DateTimeToStr, ATimeRoundingUpToMidnightMovesToTheNextDay) {
    const std::pair<double, std::wstring> cases[] = {
        {1.9999999999, L"1900/01/01"},  {1.99998, L"1899/12/31 23:59:58"},
        {-0.9999999999, L"1899/12/31"}, // the time of day still counts forward
        {-1.9999999999, L"1899/12/30"}, {-1.25, L"1899/12/29 06:00:00"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(DateTimeToStr(TDateTime{value}), expected) << value;
    }
}

TEST(Variant, ToDoubleConvertsNumbersAndNumericText) {
    LocaleScope turkish(TurkishSettings());
    EXPECT_EQ(Variant(L"2,5").ToDouble(), 2.5);
    EXPECT_EQ(Variant(L" 1250000 ").ToDouble(), 1250000);
    EXPECT_EQ(Variant::Unassigned().ToDouble(), 0);
    EXPECT_EQ(Variant(Currency{12345}).ToDouble(), 1.2345);
    EXPECT_EQ(Variant(true).ToDouble(), -1);
    EXPECT_EQ(Variant(7).ToDouble(), 7);
}

TEST(Variant, ConversionErrorsNameTheKinds) {
    try {
        Variant().ToDouble();
        FAIL() << "no error";
    } catch (const EVariantError& e) {
        EXPECT_EQ(e.Message(), L"Could not convert variant of type (Null) into type (Double)");
    }
    EXPECT_THROW(Variant(L"abc").ToDouble(), EVariantError);
    EXPECT_THROW(Variant(L"1e400").ToDouble(), EVariantError); // beyond a double
    EXPECT_THROW(Variant(1.0).AsString(), EVariantError);
    EXPECT_THROW(Variant(L"1e300").ToCurrency(), EVariantError);
    EXPECT_THROW(Variant(INT64_MAX).ToCurrency(), EVariantError);
}

TEST(Currency, TextAndFloatConversions) {
    Currency c;
    ASSERT_TRUE(TryTextToCurrency(L"1.23456", c));
    EXPECT_EQ(c.Scaled, 12346);
    ASSERT_TRUE(TryTextToCurrency(L"-922337203685477.5808", c));
    EXPECT_EQ(c.Scaled, INT64_MIN);
    EXPECT_FALSE(TryTextToCurrency(L"922337203685477.5808", c));
    EXPECT_FALSE(TryTextToCurrency(L"abc", c));
    EXPECT_EQ(StrToCurrDef(L"abc", Currency{7}), Currency{7});
    EXPECT_EQ(StrToCurrDef(L"0", Currency{7}), Currency{0});
    EXPECT_EQ(CurrToStr(Currency{12500000000}), L"1250000");
}

} // namespace
} // namespace velkaro::test
