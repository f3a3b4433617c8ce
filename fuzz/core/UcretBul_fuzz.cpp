#include "core/ucret.h"
#include "fuzz/runtime/FuzzInput.h"

#include <cstdlib>

// Whatever the start text and settings: either one of the calculation's own errors, or a
// result of 0 to 1439 minutes charging a multiple of the step, at least one step.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    velkaro::Ayarlar ayarlar;
    ayarlar.Fiyat1 = input.Value<std::int64_t>();
    ayarlar.Fiyat2 = input.Value<std::int32_t>();
    ayarlar.Yuvarlama =
        input.Byte() % 2 == 0 ? input.Value<std::int32_t>() : input.Value<std::int64_t>();
    const int saat = input.Byte() % 24;
    const int dakika = input.Byte() % 60;
    const int tarife = input.Byte() % 2 + 1;
    try {
        const auto sonuc = velkaro::UcretBul(input.Text(), saat, dakika, tarife, ayarlar);
        const std::int64_t adim = ayarlar.Yuvarlama < 0 ? -ayarlar.Yuvarlama : ayarlar.Yuvarlama;
        if (sonuc.Dakika < 0 || sonuc.Dakika > 1439 || sonuc.Tutar < adim ||
            sonuc.Tutar % adim != 0) {
            std::abort();
        }
    } catch (const velkaro::EGecersizBaslangic&) {
    } catch (const velkaro::EDivByZero&) {
    } catch (const velkaro::EIntOverflow&) {
    }
    return 0;
}
