#include "framework/Announcement.h"

#include "framework/Accessibility.h"
#include "framework/AccessibilityLibraries.h"
#include "framework/AccessibleAnnotation.h"
#include "framework/SystemLibrary.h"

#include <uiautomationcore.h>

namespace velkaro {

namespace {

// The notification's kind and processing (UIAutomationCore.h of Windows 10 1709): an action
// completed; of several close together, the latest is spoken.
constexpr int kActionCompleted = 2;
constexpr int kImportantMostRecent = 1;
constexpr std::wstring_view kActivity = L"Announce";
// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers for Windows 7 lack.
constexpr DWORD kLiveRegionChanged = 0x8019;

// UIA's functions, looked up when the first announcement is made: the notification came with
// Windows 10 1709.
class TNotifications {
public:
    static const TNotifications& Get() {
        static const TNotifications notifications;
        return notifications;
    }

    HRESULT(WINAPI* hostProviderFromHwnd)(HWND, IRawElementProviderSimple**) = nullptr;
    HRESULT(WINAPI* raiseNotificationEvent)
    (IRawElementProviderSimple*, int, int, BSTR, BSTR) = nullptr;

private:
    TNotifications() {
        hostProviderFromHwnd = SystemFunction<decltype(hostProviderFromHwnd)>(
            L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
        raiseNotificationEvent = SystemFunction<decltype(raiseNotificationEvent)>(
            L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    }
};

BSTR Text(std::wstring_view text) {
    return TAccessibilityLibraries::Get().sysAllocStringLen(text.data(),
                                                            static_cast<UINT>(text.size()));
}

// Whether the system took the notification.
bool Notify(HWND window, const std::wstring& text) {
    const TNotifications& uia = TNotifications::Get();
    IRawElementProviderSimple* provider = nullptr;
    if (uia.raiseNotificationEvent == nullptr || uia.hostProviderFromHwnd == nullptr ||
        !TAccessibilityLibraries::Get().Loaded() ||
        FAILED(uia.hostProviderFromHwnd(window, &provider)) || provider == nullptr) {
        return false;
    }
    const BSTR spoken = Text(text);
    const BSTR activity = Text(kActivity);
    const HRESULT result = uia.raiseNotificationEvent(provider, kActionCompleted,
                                                      kImportantMostRecent, spoken, activity);
    TAccessibilityLibraries::Get().sysFreeString(spoken);
    TAccessibilityLibraries::Get().sysFreeString(activity);
    provider->Release();
    return SUCCEEDED(result);
}

} // namespace

void Announce(HWND window, const std::wstring& text) {
    if (window == nullptr || !AccessibilityActive()) {
        return;
    }
    if (!Notify(window, text)) {
        AnnotateLiveRegion(window);
        NotifyAccessibleEvent(window, kLiveRegionChanged);
    }
}

} // namespace velkaro
