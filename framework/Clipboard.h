#pragma once
// The system clipboard's text.
#include <string>

namespace velkaro {

// Replaces the clipboard's content with the text; Exception "Pano açılamıyor" when the clipboard
// cannot be opened.
void SetClipboardText(const std::wstring& text);

} // namespace velkaro
