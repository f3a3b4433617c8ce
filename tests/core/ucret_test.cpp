#include "core/ucret.h"
#include "tests/support/LocaleScope.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

const Ayarlar kAyarlar{1000000, 600000, 250000};

struct UcretCase {
    const wchar_t* baslangic;
    int saat, dakika, tarife;
    Ayarlar ayarlar;
    std::int32_t beklenenDakika;
    std::int64_t beklenenTutar;
};

TEST(UcretBul, MinutesAndAmounts) {
    const UcretCase cases[] = {
        {L"14:05", 15, 20, 1, kAyarlar, 75, 1250000},
        {L"15:20", 15, 20, 1, kAyarlar, 0, 250000},               // nothing elapsed: one step
        {L"10:00", 10, 0, 1, kAyarlar, 0, 250000},                // seconds of now are not inputs
        {L"23:50", 0, 10, 1, kAyarlar, 20, 250000},               // across midnight
        {L"15:21", 15, 20, 1, kAyarlar, 1439, 24000000},          // a minute ahead: the day before
        {L"12:3 ", 12, 33, 1, kAyarlar, 30, 500000},              // second minute position unfilled
        {L"14:05", 15, 20, 2, kAyarlar, 75, 750000},              // tariff 2: 750000 exactly
        {L"14:05", 15, 20, 1, {0, 600000, 250000}, 75, 250000},   // price 0
        {L"14:05", 15, 20, 1, {-1000000, 0, 250000}, 75, 250000}, // negative price
        {L"10:00", 11, 0, 1, {12, 0, 5}, 60, 10},                 // odd step: 12 rounds down
        {L"10:00", 11, 0, 1, {13, 0, 5}, 60, 15},                 // 13 rounds up
        {L"00:00", 0, 1, 1, {INT32_MAX, INT32_MAX, 1}, 1, 35791394},
        {L"00:01", 0, 0, 1, {INT32_MIN, 0, INT32_MIN}, 1439, 2147483648LL},
    };
    for (const auto& c : cases) {
        const UcretSonucu sonuc = UcretBul(c.baslangic, c.saat, c.dakika, c.tarife, c.ayarlar);
        EXPECT_EQ(sonuc.Dakika, c.beklenenDakika) << c.baslangic;
        EXPECT_EQ(sonuc.Tutar, c.beklenenTutar) << c.baslangic;
    }
}

TEST(UcretBul, HalfAStepRoundsUpAndOneLiraLessDown) {
    // 90 minutes at 1,500,000 an hour is a raw fee of 2,250,000 = 2,000,000 + half a step.
    EXPECT_EQ(UcretBul(L"10:00", 11, 30, 1, {1500000, 0, 500000}).Tutar, 2500000);
    // 1,499,999 an hour: raw fee 2,249,998, below the half.
    EXPECT_EQ(UcretBul(L"10:00", 11, 30, 1, {1499999, 0, 500000}).Tutar, 2000000);
}

TEST(UcretBul, InvalidStartTimes) {
    for (const wchar_t* baslangic : {L"24:00", L"12:60", L"12:  ", L"  :  ", L"", L"ab:cd"}) {
        EXPECT_THROW(UcretBul(baslangic, 12, 0, 1, kAyarlar), EGecersizBaslangic) << baslangic;
    }
    try {
        BaslangicCoz(L"24:00");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"'24:00' is not a valid time");
    }
}

TEST(UcretBul, ParsesWithTheCurrentLocale) {
    auto settings = TurkishSettings();
    settings.TimeSeparator = L'.';
    LocaleScope scope(settings);
    EXPECT_EQ(UcretBul(L"14.05", 15, 20, 1, kAyarlar).Dakika, 75);
    EXPECT_THROW(UcretBul(L"14:05", 15, 20, 1, kAyarlar), EGecersizBaslangic);
}

TEST(UcretBul, ZeroStepFailsAfterTheMinutesAreKnown) {
    const BaslangicSaati baslangic = BaslangicCoz(L"14:05");
    const std::int32_t dakika = GecenDakika(baslangic, 15, 20);
    EXPECT_EQ(dakika, 75);
    const Ayarlar sifirAdim{1000000, 1000000, 0};
    try {
        DakikaTutari(dakika, 1, sifirAdim);
        FAIL() << "no error";
    } catch (const EDivByZero& e) {
        EXPECT_EQ(e.Message(), L"Division by zero");
    }
    EXPECT_THROW(UcretBul(L"14:05", 15, 20, 1, sifirAdim), EDivByZero);
}

TEST(UcretBul, NegativeStepChargesLikeItsMagnitude) {
    const Ayarlar negatif{1000000, 1000000, -250000};
    EXPECT_EQ(UcretBul(L"14:05", 15, 20, 1, negatif).Tutar, 1250000); // exact amount kept
    EXPECT_EQ(UcretBul(L"15:20", 15, 20, 1, negatif).Tutar, 250000);  // minimum charge positive
    EXPECT_EQ(UcretBul(L"14:00", 15, 20, 1, negatif).Tutar, 1250000); // 1,333,333 rounds down
}

struct YuvarlaCase {
    std::int64_t tutar, adim, beklenen;
};

TEST(Yuvarla, NearestMultipleHalvesUpward) {
    const YuvarlaCase cases[] = {
        {1124999, 250000, 1000000},
        {1125000, 250000, 1250000},
        {1250000, 250000, 1250000},
        {100000, 250000, 0},
        {130000, 250000, 250000},
        {12, 5, 10},
        {13, 5, 15},
        {0, 5, 0},
        {-130000, 250000, 0}, // remainder keeps the amount's sign: never rounds up
        {-300000, 250000, -250000},
        {13, -5, 15},
        {-3, -5, 0},
        // Above two billion the whole amount is rounded: no longer a split into parts.
        {2400000000LL, 300000, 2400000000LL},
        {2400000000LL, 250000, 2400000000LL},
        {2147483648LL, 250000, 2147500000LL},
        {51800000000LL, 7, 51800000000LL},
        {INT64_MAX, INT64_MAX, INT64_MAX},
        {INT64_MIN, 1, INT64_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Yuvarla(c.tutar, c.adim), c.beklenen) << c.tutar << " step " << c.adim;
    }
}

TEST(Yuvarla, FailuresOfTheArithmetic) {
    EXPECT_THROW(Yuvarla(1000, 0), EDivByZero);
    EXPECT_THROW(Yuvarla(INT64_MAX, 2), EIntOverflow); // rounds up past the range
    EXPECT_THROW(Yuvarla(5, INT64_MIN), EIntOverflow); // no magnitude for the step
    EXPECT_THROW(GecenDakika({0, 0}, INT32_MAX, 0), EIntOverflow);
}

} // namespace
} // namespace velkaro::test
