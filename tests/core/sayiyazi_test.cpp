#include "core/sayiyazi.h"
#include "runtime/Exceptions.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace velkaro {
namespace {

struct WordsCase {
    long double tutar;
    const wchar_t* beklenen;
};

void ExpectWords(const std::initializer_list<WordsCase>& cases) {
    for (const auto& [tutar, beklenen] : cases) {
        EXPECT_EQ(SayiYazi(tutar), beklenen) << static_cast<double>(tutar);
    }
}

TEST(SayiYazi, EveryDigitWordInTheUnitsGroup) {
    ExpectWords({
        {1, L" bir"},        {2, L" iki"},         {3, L" üç"},          {4, L" dört"},
        {5, L" beş"},        {6, L" altı"},        {7, L" yedi"},        {8, L" sekiz"},
        {9, L" dokuz"},      {10, L" on"},         {20, L" yirmi"},      {30, L" otuz"},
        {40, L" kırk"},      {50, L" elli"},       {60, L" altmış"},     {70, L" yetmiş"},
        {80, L" seksen"},    {90, L" doksan"},     {100, L" yüz"},       {200, L" iki yüz"},
        {300, L" üç yüz"},   {400, L" dört yüz"},  {500, L" beş yüz"},   {600, L" altı yüz"},
        {700, L" yedi yüz"}, {800, L" sekiz yüz"}, {900, L" dokuz yüz"},
    });
}

TEST(SayiYazi, EveryScaleWord) {
    ExpectWords({
        {5e3L, L" beş bin"},
        {6e6L, L" altı milyon"},
        {7e9L, L" yedi milyar"},
        {8e12L, L" sekiz trilyon"},
        {9e15L, L" dokuz kattrilyon"},
        {4e18L, L" dört trilyar"},
        {3e21L, L" üç kattrilyar"},
        {123456789012345678LL, L" yüz yirmi üç kattrilyon dört yüz elli altı trilyon yedi yüz "
                               L"seksen dokuz milyar on iki milyon üç yüz kırk beş bin altı yüz "
                               L"yetmiş sekiz"},
    });
}

TEST(SayiYazi, GroupBoundaries) {
    ExpectWords({
        {0, L""},
        {11, L" on bir"},
        {19, L" on dokuz"},
        {99, L" doksan dokuz"},
        {101, L" yüz bir"},
        {110, L" yüz on"},
        {999, L" dokuz yüz doksan dokuz"},
        {1000, L" bin"},
        {1001, L" bin bir"},
        {1100, L" bin yüz"},
        {1999, L" bin dokuz yüz doksan dokuz"},
        {2000, L" iki bin"},
        {9999, L" dokuz bin dokuz yüz doksan dokuz"},
        {10000, L" on bin"},
        {11000, L" on bir bin"},
        {21000, L" yirmi bir bin"},
        {100000, L" yüz bin"},
        {101000, L" yüz bir bin"},
        {250000, L" iki yüz elli bin"},
        {999999, L" dokuz yüz doksan dokuz bin dokuz yüz doksan dokuz"},
        {1000000, L" bir milyon"},
        {1000001, L" bir milyon bir"},
        {1001000, L" bir milyon bin"},
        {1250000, L" bir milyon iki yüz elli bin"},
        {2001000, L" iki milyon bin"},
        {999999999, L" dokuz yüz doksan dokuz milyon dokuz yüz doksan dokuz bin dokuz yüz doksan "
                    L"dokuz"},
        {1000000000, L" bir milyar"},
        {1000001000, L" bir milyar bin"},
        {2147483647, L" iki milyar yüz kırk yedi milyon dört yüz seksen üç bin altı yüz kırk yedi"},
        {51799999999LL, L" elli bir milyar yedi yüz doksan dokuz milyon dokuz yüz doksan dokuz bin "
                        L"dokuz yüz doksan dokuz"},
        {1000000000000LL, L" bir trilyon"},
        {1000000000001LL, L" bir trilyon bir"},
        {2000000000000LL, L" iki trilyon"},
        {999999999999999LL, L" dokuz yüz doksan dokuz trilyon dokuz yüz doksan dokuz milyar dokuz "
                            L"yüz doksan dokuz milyon dokuz yüz doksan dokuz bin dokuz yüz doksan "
                            L"dokuz"},
        {1000000000000000LL, L" bir kattrilyon"},
        {1001001001001001LL, L" bir kattrilyon bir trilyon bir milyar bir milyon bin bir"},
        {999999999999999999LL, L" dokuz yüz doksan dokuz kattrilyon dokuz yüz doksan dokuz "
                               L"trilyon dokuz yüz doksan dokuz milyar dokuz yüz doksan dokuz "
                               L"milyon dokuz yüz doksan dokuz bin dokuz yüz doksan dokuz"},
        {1e18L, L" bir trilyar"},
        {1e21L, L" bir kattrilyar"},
    });
}

TEST(SayiYazi, NineteenDigitsKeepEighteen) {
    ExpectWords({
        // 9,223,372,036,854,775,807 is written as 9,223,372,036,854,775,810.
        {static_cast<long double>(INT64_MAX),
         L" dokuz trilyar iki yüz yirmi üç kattrilyon üç yüz yetmiş iki trilyon otuz altı milyar "
         L"sekiz yüz elli dört milyon yedi yüz yetmiş beş bin sekiz yüz on"},
        {1000000000000000001LL, L" bir trilyar"},
        // The rounding carries through every group.
        {1999999999999999999LL, L" iki trilyar"},
    });
}

TEST(SayiYazi, LargestAmountsOfTheFrame) {
    ExpectWords({
        {999999999999999999e6L, L" dokuz yüz doksan dokuz kattrilyar dokuz yüz doksan dokuz "
                                L"trilyar dokuz yüz doksan dokuz kattrilyon dokuz yüz doksan dokuz "
                                L"trilyon dokuz yüz doksan dokuz milyar dokuz yüz doksan dokuz "
                                L"milyon"},
    });
    // Amounts that need a 25th digit, also after rounding to 18 significant digits.
    for (const long double tutar :
         {1e24L, 9.999999999999999999e23L, 1e300L, std::numeric_limits<long double>::infinity()}) {
        EXPECT_THROW(SayiYazi(tutar), EConvertError) << static_cast<double>(tutar);
    }
}

TEST(SayiYazi, FractionsRoundHalfAwayFromZero) {
    ExpectWords({
        {0.4L, L""},
        {1e-30L, L""},
        {std::numeric_limits<long double>::denorm_min(), L""},
        {0.5L, L" bir"},
        {1.49L, L" bir"},
        {1.5L, L" iki"},
        {999.5L, L" bin"},
        {999999.5L, L" bir milyon"},
        {1234.5678L, L" bin iki yüz otuz beş"},
        {1000000.25L, L" bir milyon"},
    });
}

// Whole amounts take a shorter way than fractions; a quarter more is rounded away again, so the
// two ways must agree. Powers of two and their neighbours cover every exponent of that way.
TEST(SayiYazi, WholeAmountsAgreeWithTheWayOfFractions) {
    for (int exponent = 0; exponent <= 60; ++exponent) {
        const long long power = 1LL << exponent;
        for (const long long whole : {power - 1, power, power + 1, power * 3 / 2}) {
            const long double tutar = static_cast<long double>(whole);
            EXPECT_EQ(SayiYazi(tutar), SayiYazi(tutar + 0.25L)) << whole;
        }
    }
}

TEST(SayiYazi, NegativeAndNonNumbers) {
    ExpectWords({
        {-1, L"Negatif değer"},
        {-0.5L, L"Negatif değer"},
        {-1e30L, L"Negatif değer"},
        {-std::numeric_limits<long double>::infinity(), L"Negatif değer"},
        {std::numeric_limits<long double>::quiet_NaN(), L"Negatif değer"},
        {-0.0L, L""},
    });
}

} // namespace
} // namespace velkaro
