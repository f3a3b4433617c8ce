#pragma once
// What a screen reader learns about a window: its client object read through
// AccessibleObjectFromWindow, and the accessibility events raised for it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velkaro::test {

struct AccessibleReading {
    long Role = 0;
    std::optional<std::wstring> Name;
    std::optional<std::wstring> Value;
    std::optional<std::wstring> Description;
    long State = 0;
};

// The window's client object as assistive technology reads it; nullopt when there is none.
// COM must be initialised on the calling thread.
std::optional<AccessibleReading> ReadAccessible(HWND window);

// Records the accessibility events a process (this one unless told) raises while the recorder
// lives, delivered as the recording thread processes its messages.
class AccessibleEventRecorder {
public:
    explicit AccessibleEventRecorder(DWORD processId = GetCurrentProcessId());
    ~AccessibleEventRecorder();
    AccessibleEventRecorder(const AccessibleEventRecorder&) = delete;
    AccessibleEventRecorder& operator=(const AccessibleEventRecorder&) = delete;

    // Dispatches pending messages, then answers whether the event was raised for the window's
    // client object.
    bool Raised(DWORD event, HWND window);
    // The same, waiting up to the time for an event from another process.
    bool WaitFor(DWORD event, HWND window, DWORD milliseconds);
    // How many times the event was raised for the window's client object, pending messages
    // dispatched first.
    int Count(DWORD event, HWND window);
    void Clear();

private:
    HWINEVENTHOOK hook_ = nullptr;
};

} // namespace velkaro::test
