// Windows: the user's locale's own case rules, as the system maps them.
#include "runtime/TextCase.h"

#include <windows.h>

namespace velkaro {

std::wstring ConvertCase(std::wstring_view text, TTextCase to) {
    if (text.empty()) {
        return {};
    }
    const DWORD flags =
        (to == TTextCase::Upper ? LCMAP_UPPERCASE : LCMAP_LOWERCASE) | LCMAP_LINGUISTIC_CASING;
    const auto size = static_cast<int>(text.size());
    const int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), size, nullptr, 0,
                                     nullptr, nullptr, 0);
    if (length <= 0) {
        return std::wstring(text);
    }
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), size, result.data(), length,
                  nullptr, nullptr, 0);
    return result;
}

} // namespace velkaro
