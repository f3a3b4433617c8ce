// Windows: the locale format values come from the user's regional settings.
#include "runtime/FormatSettings.h"

#include "runtime/Conversions.h"

#include <windows.h>

namespace velkaro {

namespace {

// The user's default locale rather than the thread's: a thread keeps the locale it started
// with, so a change of the regional format while running would not be followed.
std::wstring LocaleText(LCTYPE item, const std::wstring& fallback) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 128);
    return length > 1 ? std::wstring(buffer, static_cast<std::size_t>(length - 1)) : fallback;
}

wchar_t LocaleChar(LCTYPE item, wchar_t fallback) {
    const std::wstring text = LocaleText(item, {});
    return text.empty() ? fallback : text.front();
}

int LocaleNumber(LCTYPE item, int fallback) {
    std::int32_t value = 0;
    return TryStrToInt(LocaleText(item, {}), value) ? value : fallback;
}

} // namespace

void LoadFormatSettings() {
    TFormatSettings settings;
    settings.ThousandSeparator = LocaleChar(LOCALE_STHOUSAND, L',');
    settings.DecimalSeparator = LocaleChar(LOCALE_SDECIMAL, L'.');
    settings.TimeSeparator = LocaleChar(LOCALE_STIME, L':');
    settings.DateSeparator = LocaleChar(LOCALE_SDATE, L'/');
    settings.CurrencyString = LocaleText(LOCALE_SCURRENCY, L"");
    settings.CurrencyFormat = LocaleNumber(LOCALE_ICURRENCY, 0);
    settings.CurrencyDecimals = LocaleNumber(LOCALE_ICURRDIGITS, 0);
    settings.TimeAMString = LocaleText(LOCALE_S1159, L"AM");
    settings.TimePMString = LocaleText(LOCALE_S2359, L"PM");
    FormatSettings() = settings;
}

} // namespace velkaro
