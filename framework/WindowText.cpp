#include "framework/WindowText.h"

#include <algorithm>

namespace velkaro {

LRESULT AnswerGetText(const std::wstring& text, WPARAM bufferSize, LPARAM buffer) {
    if (bufferSize < 1 || buffer == 0) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(text.size(), bufferSize - 1);
    auto* target = reinterpret_cast<wchar_t*>(buffer);
    text.copy(target, count);
    target[count] = L'\0';
    return static_cast<LRESULT>(count);
}

LRESULT AnswerGetTextLength(const std::wstring& text) {
    return static_cast<LRESULT>(text.size());
}

LRESULT AnswerSetText(LPARAM text, const std::function<bool(const std::wstring&)>& write) {
    return write(text != 0 ? reinterpret_cast<const wchar_t*>(text) : L"") ? TRUE : FALSE;
}

} // namespace velkaro
