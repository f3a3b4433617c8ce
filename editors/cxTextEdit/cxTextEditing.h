#pragma once
// The text arithmetic of a single-line edit, free of any window: what a text becomes when a
// selection is replaced, cut or deleted, and how keys and characters are classified.
#include "runtime/Events.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velkaro {

struct TcxTextSelection {
    int Start = 0;
    int Length = 0;
};

// A text and the caret position after an edit of it.
struct TcxTextEditResult {
    std::wstring Text;
    int Caret = 0;
};

// The text up to its first NUL character.
std::wstring TextBeforeNul(const std::wstring& text);

// The selection kept within the text.
TcxTextSelection ClampSelection(const std::wstring& text, TcxTextSelection selection);

// The selection replaced by the inserted text. With a limit (maxLength > 0, for typing and
// pasting) the part up to the end of the insertion is cut to it, then the whole text; nothing
// when no inserted character would remain, as for an empty insertion.
std::optional<TcxTextEditResult> ReplaceSelectionText(const std::wstring& text,
                                                      TcxTextSelection selection,
                                                      const std::wstring& inserted, int maxLength);

// The text without the selection, the caret at its start; nothing for an empty selection.
std::optional<TcxTextEditResult> DeleteSelectionText(const std::wstring& text,
                                                     TcxTextSelection selection);

// How many characters of a paste a text edit takes: without a limit (maxLength 0) a paste still
// leaves no text longer than the native edit's own default limit, while a clipboard of megabytes
// would stall the field; with one, the limit cuts the paste instead.
std::size_t TextPasteRoom(int maxLength, std::size_t shown, std::size_t selected);

// The part of a clipboard text that fits the room; Refused when some of it was cut (the edit
// beeps).
struct TcxPastedText {
    std::wstring Text;
    bool Refused = false;
};
TcxPastedText PastedText(std::wstring clipboard, std::size_t room);

// Stars in place of each character of a password.
std::wstring PasswordText(const std::wstring& text);

enum class TcxClipboardCommand { None, Copy, Cut, Paste };

// The native edit's own clipboard keys: Ctrl+Insert copies, Shift+Insert pastes and
// Shift+Delete cuts a selection.
TcxClipboardCommand ClipboardKeyCommand(std::uint16_t key, TShiftState shift, bool hasSelection);

// Keys and characters that change a text edit's content.
bool IsTextEditingKey(std::uint16_t key);
bool IsTextEditingChar(wchar_t c);

} // namespace velkaro
