#include "runtime/CaseFold.h"

namespace velkaro {

wchar_t FoldCase(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    // Dotless ı and dotted İ fold with the ASCII I, so both languages' spellings match.
    if (c == 0x131 || c == 0x130) {
        return L'I';
    }
    // Latin Extended-A pairs its letters as upper (even) and lower (odd), ğ, ş and ç among them.
    if (c >= 0x100 && c <= 0x137 && (c & 1) != 0) {
        return static_cast<wchar_t>(c - 1);
    }
    if (c >= 0x14A && c <= 0x177 && (c & 1) != 0) {
        return static_cast<wchar_t>(c - 1);
    }
    return c;
}

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[i]) != FoldCase(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace velkaro
