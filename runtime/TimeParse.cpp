#include "runtime/TimeParse.h"

#include "runtime/CaseFold.h"
#include "runtime/FormatSettings.h"

#include <string>

namespace velkaro {

namespace {

enum class Designator { None, Am, Pm };

class TimeScanner {
public:
    explicit TimeScanner(std::wstring_view text) : text_(text) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

    // A run of digits; reading stops once the value reaches 1000, which no part may hold.
    bool Number(int& value) {
        SkipBlanks();
        const std::size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && text_[pos_] >= L'0' && text_[pos_] <= L'9' && value < 1000) {
            value = value * 10 + (text_[pos_++] - L'0');
        }
        return pos_ > start;
    }

    bool Char(wchar_t c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    Designator AmPm() {
        const TFormatSettings& settings = FormatSettings();
        if (Word(settings.TimeAMString) || Word(L"AM")) {
            return Designator::Am;
        }
        if (Word(settings.TimePMString) || Word(L"PM")) {
            return Designator::Pm;
        }
        return Designator::None;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == L' ') {
            ++pos_;
        }
    }

    // An empty designator (some locales have none) never matches.
    bool Word(std::wstring_view word) {
        SkipBlanks();
        if (word.empty() || !StartsWithIgnoringCase(text_.substr(pos_), word)) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

    std::wstring_view text_;
    std::size_t pos_ = 0;
};

} // namespace

bool TryStrToTime(std::wstring_view text, TimeOfDay& result) {
    const TFormatSettings& settings = FormatSettings();
    TimeScanner scan(text);
    Designator designator = scan.AmPm();
    TimeOfDay time;
    if (!scan.Number(time.Hour)) {
        return false;
    }
    if (scan.Char(settings.TimeSeparator)) {
        if (!scan.Number(time.Minute)) {
            return false;
        }
        if (scan.Char(settings.TimeSeparator)) {
            if (!scan.Number(time.Second)) {
                return false;
            }
            if (scan.Char(settings.DecimalSeparator) && !scan.Number(time.Millisecond)) {
                return false;
            }
        }
    }
    if (designator == Designator::None) {
        designator = scan.AmPm();
    }
    if (designator != Designator::None) {
        if (time.Hour == 0 || time.Hour > 12) {
            return false;
        }
        time.Hour = (time.Hour % 12) + (designator == Designator::Pm ? 12 : 0);
    }
    if (!scan.AtEnd() || time.Hour >= 24 || time.Minute >= 60 || time.Second >= 60 ||
        time.Millisecond >= 1000) {
        return false;
    }
    result = time;
    return true;
}

std::optional<TimeOfDay> FixedTimeOfDay(std::wstring_view text) {
    const auto digit = [&](std::size_t at) { return text[at] >= L'0' && text[at] <= L'9'; };
    const auto number = [&](std::size_t at) {
        return digit(at) && digit(at + 1) ? (text[at] - L'0') * 10 + (text[at + 1] - L'0') : -1;
    };
    if (text.size() != 5 || text[2] != L':') {
        return std::nullopt;
    }
    const int hour = number(0), minute = number(3);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return TimeOfDay{hour, minute};
}

} // namespace velkaro
