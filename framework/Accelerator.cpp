#include "framework/Accelerator.h"

#include <windows.h>

namespace velkaro {

namespace {

wchar_t UpperCase(wchar_t character) {
    // The user's locale decides the case pairs, as it does when the caption is drawn.
    CharUpperBuffW(&character, 1);
    return character;
}

} // namespace

bool IsAccelerator(wchar_t key, const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') {
            continue;
        }
        ++i; // the marked character, or the second "&" of a plain one
        if (caption[i] != L'&') {
            return UpperCase(caption[i]) == UpperCase(key);
        }
    }
    return false;
}

} // namespace velkaro
