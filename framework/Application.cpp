#include "framework/Application.h"

#include "framework/CommonControls.h"
#include "framework/Control.h"
#include "framework/DeferredWork.h"
#include "framework/ProgramIcon.h"
#include "framework/TaskbarPreview.h"
#include "runtime/ErrorReportText.h"
#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"
#include "runtime/ScopedRestore.h"
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

// Whatever was thrown: an exception of another kind than ours still ends its handler only.
void ReportAnyError(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception& thrown) {
        Application().HandleException(thrown);
    } catch (...) {
        Application().HandleException(Exception(L"Unknown error"));
    }
}

} // namespace

TApplication& Application() {
    static TApplication application;
    return application;
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
    // Its thumbnail and live preview show the main form, not the empty window.
    UseIconicPictures(handle_);
    if (ShowErrorBox == nullptr) {
        ShowErrorBox = ShowSystemErrorBox;
    }
    if (HandOverPicture == nullptr) {
        HandOverPicture = velkaro::HandOverPicture;
    }
    SetErrorReport(ReportAnyError);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TApplication& application = Application();
    if (message == WM_SETTINGCHANGE && application.UpdateFormatSettings && wParam == 0 &&
        lParam != 0 && std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
        LoadFormatSettings();
    }
    // Closing the program's taskbar window closes the main form, as its own close would.
    if (message == WM_CLOSE && application.mainForm_ != nullptr &&
        application.mainForm_->HandleAllocated()) {
        return SendMessageW(application.mainForm_->Handle(), WM_CLOSE, 0, 0);
    }
    if (message == WM_SYSCOMMAND && application.HandleSystemCommand(wParam)) {
        return 0;
    }
    if (message == WM_SIZE) {
        application.Resized(wParam);
    }
    if (message == WM_DWMSENDICONICTHUMBNAIL || message == WM_DWMSENDICONICLIVEPREVIEWBITMAP) {
        application.SendPicture(message, lParam);
        return 0;
    }
    if (message == WM_SETFOCUS) {
        // Activated itself (switched to through the taskbar or the task switcher, or left active
        // by a window of ours that went): the keyboard belongs to a form.
        application.ActivateLastForm();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool TApplication::HandleSystemCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        Minimize();
        return true;
    case SC_RESTORE:
        Restore();
        return true;
    default:
        return false;
    }
}

void TApplication::Minimize() {
    if (!IsIconic(handle_) && !showingForms_) {
        ShowWindow(handle_, SW_MINIMIZE); // the forms follow (Resized)
    }
}

void TApplication::Restore() {
    if (IsIconic(handle_)) {
        ShowWindow(handle_, SW_RESTORE); // the forms follow (Resized)
    }
}

// However the taskbar window was minimised or restored (its system commands, the shell's Win+M,
// another program's ShowWindow), the forms follow it.
void TApplication::Resized(WPARAM kind) {
    if (kind == SIZE_MINIMIZED && !minimized_) {
        minimized_ = true;
        // The forms go with it, as the system hides the windows an owner owns when it is
        // minimised (the system's own minimising of the taskbar window hides them only when it
        // is active, which it never is: a form is).
        ShowOwnedPopups(handle_, FALSE);
        InvalidateIconicPictures(handle_);
    } else if (kind != SIZE_MINIMIZED && minimized_) {
        minimized_ = false;
        {
            // A form minimised by itself is shown minimised: not a new minimise of the program.
            const auto showing = ScopedValue(showingForms_, true);
            ShowOwnedPopups(handle_, TRUE);
        }
        ActivateLastForm();
    }
}

void TApplication::ActivateLastForm() {
    if (IsIconic(handle_)) {
        return;
    }
    for (const TControl* form : {lastActive_, mainForm_}) {
        if (form != nullptr && form->HandleAllocated() && IsWindowVisible(form->Handle()) &&
            IsWindowEnabled(form->Handle())) {
            if (IsIconic(form->Handle())) {
                ShowWindow(form->Handle(), SW_RESTORE); // minimised by itself: back as it was
            }
            // Activated, it gives the focus back to the control that had it.
            SetForegroundWindow(form->Handle());
            return;
        }
    }
}

void TApplication::SendPicture(UINT request, LPARAM lParam) {
    if (mainForm_ == nullptr || !mainForm_->HandleAllocated()) {
        return;
    }
    const TGdiObject<HBITMAP> picture = RequestedPicture(mainForm_->Handle(), request, lParam);
    if (picture.Handle() != nullptr) {
        HandOverPicture(handle_, mainForm_->Handle(), request, picture.Handle());
    }
}

HWND TApplication::ReportOwner() const {
    const HWND active = GetActiveWindow();
    return active != nullptr ? active : handle_;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (handle_ != nullptr) {
        SetWindowTextW(handle_, title.c_str());
    }
}

void TApplication::FormCreated(TControl* form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form;
    }
}

void TApplication::FormDestroyed(TControl* form) {
    if (mainForm_ == form) {
        mainForm_ = nullptr;
    }
    if (lastActive_ == form) {
        lastActive_ = nullptr;
    }
}

void TApplication::FormActivated(TControl* form) {
    lastActive_ = form;
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
        // The operator's input may have changed what the pictures of the taskbar button show.
        if (message.message == WM_KEYUP || message.message == WM_LBUTTONUP) {
            InvalidateIconicPictures(handle_);
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
    // Owned by the active form, the system's box disables it and, as it closes, enables and
    // activates it again before it goes. Owned by a window of ours kept disabled, it would leave
    // the activation to the next enabled window the system finds: another program's.
    const HWND owner = ReportOwner();
    TDisabledWindows disabled(owner);
    ShowErrorBox(owner, text, title_);
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
