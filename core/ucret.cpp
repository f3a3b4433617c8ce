#include "core/ucret.h"

#include "runtime/CheckedMath.h"
#include "runtime/TimeParse.h"

#include <string>

namespace velkaro {

namespace {

constexpr std::int64_t kMinutesPerHour = 60;
constexpr std::int64_t kMinutesPerDay = 1440;

std::int32_t ToMinutes(std::int64_t minutes) {
    if (minutes < INT32_MIN || minutes > INT32_MAX) {
        throw EIntOverflow();
    }
    return static_cast<std::int32_t>(minutes);
}

} // namespace

EGecersizBaslangic::EGecersizBaslangic(std::wstring_view baslangic)
    : EConvertError(L"'" + std::wstring(baslangic) + L"' is not a valid time") {}

BaslangicSaati BaslangicCoz(std::wstring_view baslangic) {
    TimeOfDay time;
    if (!TryStrToTime(baslangic, time)) {
        throw EGecersizBaslangic(baslangic);
    }
    return {time.Hour, time.Minute};
}

std::int32_t GecenDakika(BaslangicSaati baslangic, int saat, int dakika) {
    const std::int64_t hours = CheckedSub(saat, baslangic.Saat);
    std::int64_t minutes =
        CheckedSub(CheckedAdd(CheckedMul(hours, kMinutesPerHour), dakika), baslangic.Dakika);
    if (minutes < 0) {
        minutes = CheckedAdd(minutes, kMinutesPerDay);
    }
    return ToMinutes(minutes);
}

// Rounding and the minimum charge both use the step's magnitude: a negative step, which the
// prompt accepts, would otherwise charge negative amounts.
std::int64_t DakikaTutari(std::int32_t dakika, int tarife, const Ayarlar& ayarlar) {
    const std::int64_t fiyat = tarife == 1 ? ayarlar.Fiyat1 : ayarlar.Fiyat2;
    const std::int64_t ham = CheckedDiv(CheckedMul(dakika, fiyat), kMinutesPerHour);
    const std::int64_t tutar = Yuvarla(ham, ayarlar.Yuvarlama);
    const std::int64_t adim = CheckedAbs(ayarlar.Yuvarlama);
    return adim > tutar ? adim : tutar;
}

// The whole amount is rounded at once: splitting it into parts of two billion gave amounts
// that are no multiple of steps not dividing two billion.
std::int64_t Yuvarla(std::int64_t tutar, std::int64_t adim) {
    const std::int64_t s = CheckedAbs(adim);
    const std::int64_t q = CheckedDiv(tutar, s);
    const std::int64_t multiple = CheckedMul(q, s);
    const std::int64_t r = CheckedSub(tutar, multiple);
    // 2r >= s, without doubling r: r < s, so s - r cannot overflow.
    const bool up = r >= 0 && r >= s - r;
    return up ? CheckedAdd(multiple, s) : multiple;
}

UcretSonucu UcretBul(std::wstring_view baslangic, int saat, int dakika, int tarife,
                     const Ayarlar& ayarlar) {
    const std::int32_t gecen = GecenDakika(BaslangicCoz(baslangic), saat, dakika);
    return {gecen, DakikaTutari(gecen, tarife, ayarlar)};
}

} // namespace velkaro
