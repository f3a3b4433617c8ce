#pragma once
// The fee for a period of use: minutes from the start time to now, times the hourly price of
// the tariff, rounded to the rounding step, at least one step.
#include "runtime/Exceptions.h"

#include <cstdint>
#include <string_view>

namespace velkaro {

struct Ayarlar {
    std::int64_t Fiyat1 = 0, Fiyat2 = 0, Yuvarlama = 0;
};
struct UcretSonucu {
    std::int32_t Dakika;
    std::int64_t Tutar;
};

// The start time does not read as a time of day.
class EGecersizBaslangic : public EConvertError {
public:
    explicit EGecersizBaslangic(std::wstring_view baslangic);
};

struct BaslangicSaati {
    int Saat = 0;
    int Dakika = 0;
};

// Reads the start time with the current locale values; seconds and milliseconds are dropped.
// Raises EGecersizBaslangic.
BaslangicSaati BaslangicCoz(std::wstring_view baslangic);

// Minutes from the start to the current hour and minute, 0 to 1439: a start later in the day
// than now began the day before.
std::int32_t GecenDakika(BaslangicSaati baslangic, int saat, int dakika);

// The charge for `dakika` minutes at tariff 1 or 2. Raises EDivByZero for a zero step.
std::int64_t DakikaTutari(std::int32_t dakika, int tarife, const Ayarlar& ayarlar);

// Nearest multiple of the step's magnitude, halves upward. Raises EDivByZero for a zero step.
std::int64_t Yuvarla(std::int64_t tutar, std::int64_t adim);

UcretSonucu UcretBul(std::wstring_view baslangic, int saat, int dakika, int tarife,
                     const Ayarlar& ayarlar);

} // namespace velkaro
