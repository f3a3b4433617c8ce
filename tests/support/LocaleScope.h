#pragma once
// Puts the process-wide locale values in a known state for one test and restores the invariant
// ones afterwards.
#include "runtime/FormatSettings.h"

namespace velkaro::test {

inline TFormatSettings TurkishSettings() {
    TFormatSettings s;
    s.ThousandSeparator = L'.';
    s.DecimalSeparator = L',';
    s.TimeSeparator = L':';
    s.DateSeparator = L'.';
    s.CurrencyString = L"TL";
    s.CurrencyFormat = 3;
    s.CurrencyDecimals = 2;
    s.TimeAMString = L"ÖÖ";
    s.TimePMString = L"ÖS";
    return s;
}

class LocaleScope {
public:
    explicit LocaleScope(const TFormatSettings& settings) { FormatSettings() = settings; }
    ~LocaleScope() { ResetFormatSettings(); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

} // namespace velkaro::test
