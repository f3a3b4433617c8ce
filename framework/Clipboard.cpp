#include "framework/Clipboard.h"

#include "framework/Application.h"
#include "runtime/Exceptions.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <new>

namespace velkaro {

namespace {

constexpr wchar_t kCannotOpenClipboard[] = L"Pano açılamıyor";

// Clipboard managers, clipboard histories and remote desktops hold the clipboard for a moment:
// it is tried again every 100 ms, as the platform's managed clipboard does, for a little over a
// second, so that a hold of a second is outlasted, before giving up.
constexpr int kOpenRetries = 12;
constexpr DWORD kOpenRetryDelay = 100; // milliseconds

// Waits without dispatching posted messages or input: a pumped loop would run the keys typed
// meanwhile, and the work put off till the message is handled, before the clipboard operation
// that came first. Messages sent from other programs are answered, though: the holder may be
// waiting for this program (the owner hears that the clipboard is emptied) before it lets go.
void WaitAnsweringSentMessages(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

class TOpenClipboard {
public:
    TOpenClipboard() {
        for (int retry = 0; !OpenClipboard(Application().Handle()); ++retry) {
            if (retry == kOpenRetries) {
                throw Exception(kCannotOpenClipboard);
            }
            WaitAnsweringSentMessages(kOpenRetryDelay);
        }
    }
    ~TOpenClipboard() { CloseClipboard(); }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

} // namespace

void SetClipboardText(const std::wstring& text) {
    const TOpenClipboard clipboard;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
}

std::optional<std::wstring> GetClipboardText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        return std::nullopt;
    }
    const TOpenClipboard clipboard;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) {
        return std::nullopt;
    }
    // The data need not end within its block: read no further than the block's size.
    const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
    std::wstring result(text, wcsnlen(text, limit));
    GlobalUnlock(data);
    return result;
}

} // namespace velkaro
