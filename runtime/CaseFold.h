#pragma once
// Case-insensitive comparison of short user-facing strings (AM/PM designators), covering the
// Latin letters of Western European and Turkish locales without depending on the C locale.
#include <string_view>

namespace velkaro {

wchar_t FoldCase(wchar_t c);

// Whether `text` begins with `prefix`, ignoring case.
bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix);

} // namespace velkaro
