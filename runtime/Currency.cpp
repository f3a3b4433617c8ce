#include "runtime/Currency.h"

#include "runtime/Conversions.h"
#include "runtime/FormatSettings.h"

#include <cmath>

namespace velkaro {

bool TryFloatToCurrency(long double value, Currency& result) {
    const long double scaled = std::round(value * Currency::kScale);
    // 2^63 is exact in long double; anything at or beyond it does not fit.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!(scaled > -kLimit - 1 && scaled < kLimit)) {
        return false;
    }
    result.Scaled = static_cast<std::int64_t>(scaled);
    return true;
}

long double CurrencyToFloat(Currency value) {
    return static_cast<long double>(value.Scaled) / Currency::kScale;
}

std::wstring CurrToStr(Currency value) {
    const bool negative = value.Scaled < 0;
    // Work on the magnitude unsigned, so the most negative value needs no special case.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.Scaled)
                                             : static_cast<std::uint64_t>(value.Scaled);
    std::wstring text = (negative ? L"-" : L"") + std::to_wstring(magnitude / Currency::kScale);
    std::wstring fraction =
        std::to_wstring(magnitude % Currency::kScale + Currency::kScale).substr(1);
    while (!fraction.empty() && fraction.back() == L'0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += FormatSettings().DecimalSeparator + fraction;
    }
    return text;
}

bool TryTextToCurrency(std::wstring_view text, Currency& result) {
    long double value = 0;
    return TryTextToFloat(text, value) && TryFloatToCurrency(value, result);
}

Currency StrToCurrDef(std::wstring_view text, Currency fallback) {
    Currency value;
    return TryTextToCurrency(text, value) ? value : fallback;
}

} // namespace velkaro
