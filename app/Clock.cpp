#include "app/Clock.h"

#include <windows.h>

namespace velkaro {

TimeOfDay SystemClock() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
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

TClock ProgramClock() {
    wchar_t value[8] = {};
    const DWORD length = GetEnvironmentVariableW(L"VELKARO_FIXED_CLOCK", value, 8);
    if (const auto fixed = length < 8 ? FixedTimeOfDay({value, length}) : std::nullopt) {
        return [time = *fixed] { return time; };
    }
    return SystemClock;
}

} // namespace velkaro
