#include "app/Clock.h"

#include <windows.h>

namespace velkaro {

TimeOfDay SystemClock() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
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
