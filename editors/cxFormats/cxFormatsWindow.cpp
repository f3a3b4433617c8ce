#include "editors/cxFormats/cxFormatsWindow.h"

#include "framework/Application.h"
#include "framework/BroadcastWindow.h"

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

// The controller's part of the program's broadcast window.
class TcxWin32FormatNotificationWindow final : public TcxFormatNotificationWindow,
                                               private IBroadcastListener {
public:
    explicit TcxWin32FormatNotificationWindow(TcxFormatController& controller)
        : controller_(controller) {}

private:
    bool BroadcastReceived(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (!IsLocaleChange(message, wParam, lParam)) {
            return false;
        }
        controller_.LocaleSettingsChanged();
        return true;
    }

    TcxFormatController& controller_;
    TBroadcastSubscription subscription_{*this};
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
