#pragma once
// Looks at windows that run their own modal loop (message boxes, popup menus) from a thread
// timer, which those loops dispatch too.
#include <windows.h>

#include <functional>
#include <string>

namespace velkaro::testing {

// Calls the probe every few milliseconds until it returns true. One probe at a time.
class TimerProbe {
public:
    explicit TimerProbe(std::function<bool()> probe);
    ~TimerProbe();
    TimerProbe(const TimerProbe&) = delete;
    TimerProbe& operator=(const TimerProbe&) = delete;
    bool Done() const { return done_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::function<bool()> probe_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
};

// The first visible top-level window of this thread with the class name, or none.
HWND FindThreadWindow(const std::wstring& className);

} // namespace velkaro::testing
