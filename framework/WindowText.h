#pragma once
// The window-text messages answered by a control that keeps its text itself, with the buffer
// rules of the system's own controls.
#include <windows.h>

#include <functional>
#include <string>

namespace velkaro {

// WM_GETTEXT: as much of the text as the buffer holds before its terminating null; the count
// copied. A missing or empty buffer gets nothing.
LRESULT AnswerGetText(const std::wstring& text, WPARAM bufferSize, LPARAM buffer);
// WM_GETTEXTLENGTH.
LRESULT AnswerGetTextLength(const std::wstring& text);
// WM_SETTEXT: write takes the text (a null one is empty) and answers whether it was taken.
LRESULT AnswerSetText(LPARAM text, const std::function<bool(const std::wstring&)>& write);

} // namespace velkaro
