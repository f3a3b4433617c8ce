#pragma once
// Case of the Latin letters (ASCII, Latin-1, Latin Extended-A, those of Western European and
// Turkish text) without depending on the C locale, and case-insensitive comparison of short
// user-facing strings (AM/PM designators) built on it.
#include <string_view>

namespace velkaro {

// The common rules: the dotless ı has the capital I, the dotted İ the small i.
wchar_t LatinUpperCase(wchar_t c);
wchar_t LatinLowerCase(wchar_t c);

// Dotless ı and dotted İ fold with the ASCII I, so both languages' spellings match.
wchar_t FoldCase(wchar_t c);

// Whether `text` begins with `prefix`, ignoring case.
bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix);

} // namespace velkaro
