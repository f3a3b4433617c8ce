#include "core/sayiyazi.h"
#include "runtime/Exceptions.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace velkaro {
namespace {

TEST(SayiYazi, WordsOfWholeAmounts) {
    const std::pair<long double, std::wstring> cases[] = {
        {0, L""},
        {1, L" bir"},
        {11, L" on bir"},
        {100, L" yüz"},
        {101, L" yüz bir"},
        {999, L" dokuz yüz doksan dokuz"},
        {1000, L" bin"},
        {1001, L" bin bir"},
        {1100, L" bin yüz"},
        {2000, L" iki bin"},
        {21000, L" yirmi bir bin"},
        {101000, L" yüz bir bin"},
        {250000, L" iki yüz elli bin"},
        {1000000, L" bir milyon"},
        {1001000, L" bir milyon bin"},
        {1250000, L" bir milyon iki yüz elli bin"},
        {1000000000, L" bir milyar"},
        {2147483647, L" iki milyar yüz kırk yedi milyon dört yüz seksen üç bin altı yüz kırk yedi"},
        {2000000000000, L" iki trilyon"},
        {1001001001001001LL, L" bir kattrilyon bir trilyon bir milyar bir milyon bin bir"},
        {1e18L, L" bir trilyar"},
        {1e21L, L" bir kattrilyar"},
    };
    for (const auto& [tutar, beklenen] : cases) {
        EXPECT_EQ(SayiYazi(tutar), beklenen) << static_cast<double>(tutar);
    }
}

TEST(SayiYazi, NineteenDigitsKeepEighteen) {
    // 9,223,372,036,854,775,807 is written as 9,223,372,036,854,775,810.
    EXPECT_EQ(SayiYazi(static_cast<long double>(INT64_MAX)),
              L" dokuz trilyar iki yüz yirmi üç kattrilyon üç yüz yetmiş iki trilyon otuz altı "
              L"milyar sekiz yüz elli dört milyon yedi yüz yetmiş beş bin sekiz yüz on");
}

TEST(SayiYazi, NegativeAndNonNumbers) {
    EXPECT_EQ(SayiYazi(-1), L"Negatif değer");
    EXPECT_EQ(SayiYazi(-0.5L), L"Negatif değer");
    EXPECT_EQ(SayiYazi(std::numeric_limits<long double>::quiet_NaN()), L"Negatif değer");
    EXPECT_EQ(SayiYazi(-0.0L), L"");
    EXPECT_THROW(SayiYazi(1e24L), EConvertError);
    EXPECT_THROW(SayiYazi(std::numeric_limits<long double>::infinity()), EConvertError);
}

} // namespace
} // namespace velkaro
