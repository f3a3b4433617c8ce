#pragma once
// The locale format values every conversion reads: one process-wide set.
// Until loaded from the user's locale (Windows) they hold invariant values.
#include <string>

namespace velkaro {

struct TFormatSettings {
    wchar_t ThousandSeparator = L',';
    wchar_t DecimalSeparator = L'.';
    wchar_t TimeSeparator = L':';
    wchar_t DateSeparator = L'/';
    std::wstring CurrencyString; // currency symbol
    int CurrencyFormat = 0;      // positive currency placement, 0 to 3
    int CurrencyDecimals = 0;
    std::wstring TimeAMString = L"AM";
    std::wstring TimePMString = L"PM";
};

// The process-wide values; tests may assign to them.
TFormatSettings& FormatSettings();

// Back to the invariant values.
void ResetFormatSettings();

// Re-reads the values from the user's locale: the Windows build fills them from the thread
// locale; elsewhere this resets to the invariant values.
void LoadFormatSettings();

} // namespace velkaro
