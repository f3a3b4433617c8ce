#include "tests/windows/support/ModalWatch.h"

#include "tests/windows/support/WindowLookup.h"

#include <algorithm>

namespace velkaro::test {

namespace {

TModalWatch* watch = nullptr;

bool IsFocusMessage(UINT message) {
    return message == WM_SETFOCUS || message == WM_KILLFOCUS;
}

// The message of a box or dialog: its longest text (the icon has none, the buttons short ones).
std::wstring LongestChildText(HWND window) {
    std::wstring longest;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            auto& longest = *reinterpret_cast<std::wstring*>(context);
            const std::wstring text = TextOf(child);
            if (text.size() > longest.size()) {
                longest = text;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&longest));
    return longest;
}

} // namespace

TModalWatch::TModalWatch(std::vector<std::wstring> classes, WORD closingKey)
    : classes_(std::move(classes)), closingKey_(closingKey) {
    watch = this;
    const DWORD thread = GetCurrentThreadId();
    creation_ = SetWindowsHookExW(WH_CBT, Created, nullptr, thread);
    calls_ = SetWindowsHookExW(WH_CALLWNDPROC, Calling, nullptr, thread);
    returns_ = SetWindowsHookExW(WH_CALLWNDPROCRET, Returned, nullptr, thread);
    timer_ = SetTimer(nullptr, 0, 20, Check);
}

TModalWatch::~TModalWatch() {
    KillTimer(nullptr, timer_);
    UnhookWindowsHookEx(returns_);
    UnhookWindowsHookEx(calls_);
    UnhookWindowsHookEx(creation_);
    watch = nullptr;
}

std::vector<std::wstring> TModalWatch::Texts() const {
    std::vector<std::wstring> texts;
    for (const TShownWindow& shown : shown_) {
        texts.push_back(shown.Text);
    }
    return texts;
}

LRESULT CALLBACK TModalWatch::Created(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && watch != nullptr) {
        const auto window = reinterpret_cast<HWND>(wParam);
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        const std::wstring className = ClassOf(window);
        if ((create->lpcs->style & WS_CHILD) == 0 &&
            std::find(watch->classes_.begin(), watch->classes_.end(), className) !=
                watch->classes_.end()) {
            watch->windows_.push_back(window);
            watch->shown_.push_back({className, {}, {}, watch->InFocusMessage()});
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK TModalWatch::Calling(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && watch != nullptr &&
        IsFocusMessage(reinterpret_cast<CWPSTRUCT*>(lParam)->message)) {
        ++watch->focusMessages_;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK TModalWatch::Returned(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && watch != nullptr &&
        IsFocusMessage(reinterpret_cast<CWPRETSTRUCT*>(lParam)->message)) {
        --watch->focusMessages_;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK TModalWatch::Check(HWND, UINT, UINT_PTR, DWORD) {
    if (watch == nullptr) {
        return;
    }
    for (std::size_t index = 0; index < watch->windows_.size(); ++index) {
        const HWND window = watch->windows_[index];
        if (window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window)) {
            watch->Close(index);
        }
    }
}

// The key goes where the operator's key would: to the window with the focus in the box.
void TModalWatch::Close(std::size_t index) {
    const HWND window = windows_[index];
    windows_[index] = nullptr;
    shown_[index].Caption = TextOf(window);
    shown_[index].Text = LongestChildText(window);
    const HWND focus = GetFocus();
    const HWND target = focus != nullptr && IsChild(window, focus) ? focus : window;
    PostMessageW(target, WM_KEYDOWN, closingKey_, 1);
    PostMessageW(target, WM_KEYUP, closingKey_, 0xC0000001);
}

} // namespace velkaro::test
