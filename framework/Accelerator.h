#pragma once
// Captions mark their accelerator with "&" before the character ("&&" is a plain ampersand).
#include <string>

namespace velkaro {

// Whether the caption's accelerator is this character, compared without letter case.
bool IsAccelerator(wchar_t key, const std::wstring& caption);

} // namespace velkaro
