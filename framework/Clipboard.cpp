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

class TOpenClipboard {
public:
    TOpenClipboard() {
        if (!OpenClipboard(Application().Handle())) {
            throw Exception(kCannotOpenClipboard);
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
