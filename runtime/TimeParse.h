#pragma once
// Reading a time of day as the user types it, with the locale's separators and AM/PM strings.
#include <optional>
#include <string_view>

namespace velkaro {

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// Hour[:minute[:second[<decimal separator>milliseconds]]] with an optional AM/PM designator
// before or after, blanks allowed before each part and at the end. False for any other text
// or a time outside the day.
bool TryStrToTime(std::wstring_view text, TimeOfDay& result);

// "HH:MM" exactly, within the day, as a time of day; nothing for any other text.
std::optional<TimeOfDay> FixedTimeOfDay(std::wstring_view text);

} // namespace velkaro
