#pragma once
// The system clipboard's text.
#include <optional>
#include <string>

namespace velkaro {

// Replaces the clipboard's content with the text; Exception "Pano açılamıyor" when the clipboard
// cannot be opened, held by another program for longer than about a second.
void SetClipboardText(const std::wstring& text);
// The clipboard's text, or nothing when it holds none; the same Exception when it cannot be
// opened.
std::optional<std::wstring> GetClipboardText();

} // namespace velkaro
