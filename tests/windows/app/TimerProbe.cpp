#include "tests/windows/app/TimerProbe.h"

namespace velkaro::testing {

namespace {
TimerProbe* current = nullptr;
}

TimerProbe::TimerProbe(std::function<bool()> probe) : probe_(std::move(probe)) {
    current = this;
    timer_ = SetTimer(nullptr, 0, 20, Tick);
}

TimerProbe::~TimerProbe() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

void CALLBACK TimerProbe::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current != nullptr && !current->done_) {
        current->done_ = current->probe_();
    }
}

HWND FindThreadWindow(const std::wstring& className) {
    struct Search {
        const std::wstring* ClassName;
        HWND Found;
    } search{&className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (IsWindowVisible(window) && *search->ClassName == name) {
                search->Found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

} // namespace velkaro::testing
