#pragma once
// The modal windows this thread opens while a test runs, as the operator meets them: each one
// written down (class, caption, message, and whether the focus was moving when it opened) and
// closed with a key posted from inside its own loop.
#include <windows.h>

#include <string>
#include <vector>

namespace velkaro::test {

struct TShownWindow {
    std::wstring ClassName, Caption, Text;
    // A WM_SETFOCUS or WM_KILLFOCUS was being handled on this thread when the window was made.
    bool DuringFocusMessage = false;
};

// Watches for top-level windows of the classes (the system's message box and the framework's
// message dialog unless told) made while it lives. One watch at a time.
class TModalWatch {
public:
    explicit TModalWatch(std::vector<std::wstring> classes = {L"#32770", L"TMessageForm"},
                         WORD closingKey = VK_RETURN);
    ~TModalWatch();
    TModalWatch(const TModalWatch&) = delete;
    TModalWatch& operator=(const TModalWatch&) = delete;

    const std::vector<TShownWindow>& Shown() const { return shown_; }
    std::vector<std::wstring> Texts() const;
    // Whether a WM_SETFOCUS or WM_KILLFOCUS is being handled on this thread now.
    bool InFocusMessage() const { return focusMessages_ > 0; }

private:
    static LRESULT CALLBACK Created(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Calling(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Returned(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD);
    void Close(std::size_t index);

    std::vector<std::wstring> classes_;
    WORD closingKey_;
    std::vector<HWND> windows_; // made, in order; null once closed
    std::vector<TShownWindow> shown_;
    int focusMessages_ = 0;
    HHOOK creation_ = nullptr, calls_ = nullptr, returns_ = nullptr;
    UINT_PTR timer_ = 0;
};

} // namespace velkaro::test
