#include "tests/windows/framework/WindowDriver.h"

#include "framework/Application.h"
#include "framework/Form.h"

namespace velkaro::test {

namespace {

TWindowAnswer* pending = nullptr;

void CollectError(HWND, const std::wstring& text, const std::wstring&) {
    ReportedErrors().push_back(text);
}

} // namespace

std::vector<std::wstring>& ReportedErrors() {
    static std::vector<std::wstring> errors;
    return errors;
}

void StartApplication() {
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    Application().ShowErrorBox = CollectError;
    Application().Initialize();
    Application().SetTitle(L"Velkaro");
    static TForm mainForm;
    mainForm.HandleNeeded();
}

TWindowAnswer::TWindowAnswer(std::wstring className, std::function<void(HWND)> action)
    : className_(std::move(className)), action_(std::move(action)) {
    pending = this;
    timer_ = SetTimer(nullptr, 0, 20, Check);
}

TWindowAnswer::~TWindowAnswer() {
    KillTimer(nullptr, timer_);
    pending = nullptr;
}

void CALLBACK TWindowAnswer::Check(HWND, UINT, UINT_PTR, DWORD) {
    if (pending == nullptr || pending->answered_) {
        return;
    }
    struct Search {
        const std::wstring* ClassName;
        HWND Found;
    } search{&pending->className_, nullptr};
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
    if (search.Found != nullptr) {
        pending->answered_ = true;
        pending->action_(search.Found);
    }
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (className == name) {
            found.push_back(child);
        }
    }
    return found;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT BoundsInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientBounds(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

void PostKey(HWND window, WORD key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void HoldControlKey(bool held) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = held ? 0x80 : 0;
    SetKeyboardState(state);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

} // namespace velkaro::test
