#pragma once
// The clipboard's text as another program reads it.
#include <string>

namespace velkaro::test {

// Empty when the clipboard holds no text or cannot be opened.
std::wstring ClipboardText();

} // namespace velkaro::test
