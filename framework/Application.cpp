#include "framework/Application.h"

#include "framework/CommonControls.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/ProgramIcon.h"
#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"

#include <algorithm>
#include <utility>

namespace velkaro {

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

void ShowSystemErrorBox(HWND owner, const std::wstring& text, const std::wstring& caption) {
    const TCommonControlsScope commonControls; // its button keeps the themed look
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

std::wstring MessageOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error)) {
        return own->Message();
    }
    return FromUtf8(error.what());
}

} // namespace

TApplication& Application() {
    static TApplication application;
    return application;
}

std::wstring ErrorReportText(const std::wstring& message) {
    std::wstring text = message;
    if (!text.empty() && text.back() > L'.') {
        text += L'.';
    }
    return text;
}

void TApplication::Initialize() {
    if (handle_ != nullptr) {
        return;
    }
    LoadFormatSettings();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ProgramIcon();
    windowClass.hIconSm = ProgramSmallIcon();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExW(&windowClass);
    // A zero-sized window that stands for the program in the taskbar and owns every form.
    handle_ = CreateWindowExW(0, kApplicationClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance, nullptr);
    if (ShowErrorBox == nullptr) {
        ShowErrorBox = ShowSystemErrorBox;
    }
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TApplication& application = Application();
    if (message == WM_SETTINGCHANGE && application.UpdateFormatSettings && wParam == 0 &&
        lParam != 0 && std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
        LoadFormatSettings();
    }
    if (message == WM_CLOSE && application.mainForm_ != nullptr) {
        application.mainForm_->Close();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (handle_ != nullptr) {
        SetWindowTextW(handle_, title.c_str());
    }
}

void TApplication::FormCreated(TForm* form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form;
    }
}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form) {
        mainForm_ = nullptr;
    }
}

void TApplication::Run() {
    if (mainForm_ == nullptr) {
        return;
    }
    // Shown for the taskbar without being activated first: the main form takes the activation
    // at once, and activating a window costs the window system a round of focus changes.
    ShowWindow(handle_, SW_SHOWNA);
    try {
        mainForm_->Show();
    } catch (const std::exception& error) {
        HandleException(error);
    }
    while (!terminated_) {
        HandleMessage();
    }
}

void TApplication::Terminate() {
    if (!terminated_) {
        terminated_ = true;
        PostQuitMessage(0);
    }
}

bool TApplication::IsKeyMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    TControl* control = TControl::FromHandle(message.hwnd);
    if (control == nullptr) {
        return false;
    }
    return control->PreKeyDown(static_cast<std::uint16_t>(message.wParam), KeyboardShiftState());
}

bool TApplication::ProcessMessage() {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    const TMessageDispatch dispatch;
    try {
        if (!IsKeyMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return true;
}

void TApplication::HandleMessage() {
    if (!ProcessMessage() && !terminated_) {
        WaitMessage();
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleException(const std::exception& error) {
    if (dynamic_cast<const EAbort*>(&error) != nullptr) {
        return;
    }
    const std::wstring text = ErrorReportText(MessageOf(error));
    const TModalLoop modal;
    TDisabledWindows disabled(nullptr);
    ShowErrorBox(handle_, text, title_);
}

void TApplication::ReportWhenSettled(std::exception_ptr error) {
    ++errorsPutOff_;
    unreported_.push_back(std::move(error));
    settledReport_.Schedule();
}

void TApplication::ReportSettledErrors() {
    for (const std::exception_ptr& error : std::exchange(unreported_, {})) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& thrown) {
            HandleException(thrown);
        }
    }
}

TDisabledWindows::TDisabledWindows(HWND except) : active_(GetActiveWindow()), focus_(GetFocus()) {
    struct Search {
        HWND except;
        std::vector<HWND>* found;
    } search{except, &windows_};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if (window != search->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
                search->found->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : windows_) {
        EnableWindow(window, FALSE);
    }
}

TDisabledWindows::~TDisabledWindows() {
    Restore();
}

void TDisabledWindows::Restore() {
    for (HWND window : windows_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    windows_.clear();
    if (active_ != nullptr && IsWindow(active_)) {
        SetActiveWindow(active_);
        if (focus_ != nullptr && IsWindow(focus_)) {
            SetFocus(focus_);
        }
    }
    active_ = nullptr;
}

} // namespace velkaro
