#include "framework/Clipboard.h"

#include "framework/Application.h"
#include "runtime/Exceptions.h"

#include <windows.h>

#include <cstring>
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

} // namespace velkaro
