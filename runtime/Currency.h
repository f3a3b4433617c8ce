#pragma once
// The fixed-point currency kind: a signed 64-bit count of ten-thousandths.
#include <cstdint>
#include <string>
#include <string_view>

namespace velkaro {

struct Currency {
    static constexpr std::int64_t kScale = 10000;
    std::int64_t Scaled = 0;

    friend bool operator==(Currency, Currency) = default;
};

// Rounds half away from zero to four decimals; false when out of the currency range.
bool TryFloatToCurrency(long double value, Currency& result);
long double CurrencyToFloat(Currency value);

// Exact, with the locale decimal separator and no trailing zeros: "1250000", "-0,5".
std::wstring CurrToStr(Currency value);

// The text-to-float conversion, then the currency range.
bool TryTextToCurrency(std::wstring_view text, Currency& result);
Currency StrToCurrDef(std::wstring_view text, Currency fallback);

} // namespace velkaro
