#include "editors/cxTextEdit/cxTextEditing.h"

#include <algorithm>
#include <utility>

namespace velkaro {

std::wstring TextBeforeNul(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

TcxTextSelection ClampSelection(const std::wstring& text, TcxTextSelection selection) {
    const int size = static_cast<int>(text.size());
    selection.Start = std::clamp(selection.Start, 0, size);
    selection.Length = std::clamp(selection.Length, 0, size - selection.Start);
    return selection;
}

std::optional<TcxTextEditResult> ReplaceSelectionText(const std::wstring& text,
                                                      TcxTextSelection selection,
                                                      const std::wstring& inserted, int maxLength) {
    selection = ClampSelection(text, selection);
    const auto start = static_cast<std::size_t>(selection.Start);
    std::wstring head = text.substr(0, start) + inserted;
    const std::wstring tail = text.substr(start + static_cast<std::size_t>(selection.Length));
    if (maxLength > 0) {
        // Nothing of the insertion would remain (an empty one included): the text stays.
        if (start >= static_cast<std::size_t>(maxLength) || inserted.empty()) {
            return std::nullopt;
        }
        head.resize(std::min(head.size(), static_cast<std::size_t>(maxLength)));
    }
    std::wstring result = head + tail;
    if (maxLength > 0) {
        result.resize(std::min(result.size(), static_cast<std::size_t>(maxLength)));
    }
    return TcxTextEditResult{result, static_cast<int>(head.size())};
}

std::optional<TcxTextEditResult> DeleteSelectionText(const std::wstring& text,
                                                     TcxTextSelection selection) {
    selection = ClampSelection(text, selection);
    if (selection.Length == 0) {
        return std::nullopt;
    }
    std::wstring result = text;
    result.erase(static_cast<std::size_t>(selection.Start),
                 static_cast<std::size_t>(selection.Length));
    return TcxTextEditResult{result, selection.Start};
}

std::size_t TextPasteRoom(int maxLength, std::size_t shown, std::size_t selected) {
    if (maxLength > 0) {
        return std::wstring::npos;
    }
    constexpr std::size_t kLongestPastedText = 32767;
    const std::size_t kept = shown - std::min(shown, selected);
    return kLongestPastedText > kept ? kLongestPastedText - kept : 0;
}

TcxPastedText PastedText(std::wstring clipboard, std::size_t room) {
    if (clipboard.size() <= room) {
        return {std::move(clipboard), false};
    }
    clipboard.resize(room);
    return {std::move(clipboard), true};
}

std::wstring PasswordText(const std::wstring& text) {
    return std::wstring(text.size(), L'*');
}

TcxClipboardCommand ClipboardKeyCommand(std::uint16_t key, TShiftState shift, bool hasSelection) {
    constexpr std::uint16_t kInsert = 45;
    constexpr std::uint16_t kDelete = 46;
    const TShiftState modifiers = shift & (ssShift | ssCtrl | ssAlt);
    if (key == kInsert && modifiers == ssCtrl) {
        return TcxClipboardCommand::Copy;
    }
    if (key == kInsert && modifiers == ssShift) {
        return TcxClipboardCommand::Paste;
    }
    if (key == kDelete && modifiers == ssShift && hasSelection) {
        return TcxClipboardCommand::Cut;
    }
    return TcxClipboardCommand::None;
}

bool IsTextEditingKey(std::uint16_t key) {
    return key == 8 || key == 46;
}

bool IsTextEditingChar(wchar_t c) {
    return c == 8 || c == 22 || c == 24 || c >= 32;
}

} // namespace velkaro
