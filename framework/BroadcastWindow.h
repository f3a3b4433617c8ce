#pragma once
// One hidden top-level window hears the system's broadcasts (a change of the settings or of the
// system colours) for every object of the program that listens: top-level, since only those
// windows receive them. It exists exactly while anyone listens.
#include <windows.h>

namespace velkaro {

class IBroadcastListener {
public:
    // True when the listener handled the message: the window then answers 0 instead of passing
    // it to the system's default handling. Called in the order the listeners came.
    virtual bool BroadcastReceived(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~IBroadcastListener() = default;
};

// The window's class, by which tests find it.
inline constexpr wchar_t kBroadcastWindowClass[] = L"TBroadcastWindow";

// While it lives, the listener hears the broadcasts.
class TBroadcastSubscription {
public:
    explicit TBroadcastSubscription(IBroadcastListener& listener);
    ~TBroadcastSubscription();
    TBroadcastSubscription(const TBroadcastSubscription&) = delete;
    TBroadcastSubscription& operator=(const TBroadcastSubscription&) = delete;

    // The window that hears them.
    HWND Window() const;

private:
    IBroadcastListener& listener_;
};

} // namespace velkaro
