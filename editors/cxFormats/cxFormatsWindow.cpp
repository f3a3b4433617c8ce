#include "editors/cxFormats/cxFormatsWindow.h"

#include "framework/Application.h"
#include "runtime/Exceptions.h"

#include <windows.h>

#include <cwchar>

namespace velkaro {

namespace {

// Only the regional-settings broadcast ("intl", compared exactly) with a zero first parameter,
// and only while the application follows format-setting changes.
bool IsLocaleChange(UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_SETTINGCHANGE && wParam == 0 && lParam != 0 &&
           std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0 &&
           Application().UpdateFormatSettings;
}

LRESULT CALLBACK NotificationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLocaleChange(message, wParam, lParam)) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* controller =
        reinterpret_cast<TcxFormatController*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        if (controller) {
            controller->LocaleSettingsChanged();
        }
    } catch (const std::exception& error) {
        Application().HandleException(error);
    }
    return 0;
}

void RegisterNotificationWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    if (GetClassInfoW(instance, kcxFormatNotificationWindowClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = NotificationWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kcxFormatNotificationWindowClass;
    if (!RegisterClassW(&windowClass)) {
        throw Exception(L"The format notification window class could not be registered");
    }
}

class TcxWin32FormatNotificationWindow final : public TcxFormatNotificationWindow {
public:
    explicit TcxWin32FormatNotificationWindow(TcxFormatController& controller) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        RegisterNotificationWindowClass(instance);
        handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kcxFormatNotificationWindowClass, L"", WS_POPUP,
                                  0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
        if (!handle_) {
            throw Exception(L"The format notification window could not be created");
        }
        SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&controller));
    }
    ~TcxWin32FormatNotificationWindow() override { DestroyWindow(handle_); }
    TcxWin32FormatNotificationWindow(const TcxWin32FormatNotificationWindow&) = delete;
    TcxWin32FormatNotificationWindow& operator=(const TcxWin32FormatNotificationWindow&) = delete;

private:
    HWND handle_ = nullptr;
};

} // namespace

std::unique_ptr<TcxFormatNotificationWindow>
CreateFormatNotificationWindow(TcxFormatController& controller) {
    return std::make_unique<TcxWin32FormatNotificationWindow>(controller);
}

TcxFormatController& cxFormatController() {
    static std::unique_ptr<TcxFormatController> processController;
    if (auto* existing = TcxFormatController::Instance()) {
        return *existing;
    }
    processController = std::make_unique<TcxFormatController>(CreateFormatNotificationWindow);
    return *processController;
}

} // namespace velkaro
