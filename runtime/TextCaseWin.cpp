// Windows: the user's locale's own case rules, as the system maps them.
#include "runtime/TextCase.h"

#include <windows.h>

namespace velkaro {

namespace {

std::wstring Mapped(std::wstring_view text, DWORD flags) {
    if (text.empty()) {
        return {};
    }
    flags |= LCMAP_LINGUISTIC_CASING;
    const auto size = static_cast<int>(text.size());
    const int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), size, nullptr,
                                     0, nullptr, nullptr, 0);
    if (length <= 0) {
        return std::wstring(text);
    }
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), size, result.data(), length,
                  nullptr, nullptr, 0);
    return result;
}

} // namespace

std::wstring UpperCaseText(std::wstring_view text) {
    return Mapped(text, LCMAP_UPPERCASE);
}

std::wstring LowerCaseText(std::wstring_view text) {
    return Mapped(text, LCMAP_LOWERCASE);
}

} // namespace velkaro
