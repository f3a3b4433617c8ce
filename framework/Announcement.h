#pragma once
// The outcome of an action told to screen readers once, as a sentence of its own.
#include <windows.h>

#include <string>

namespace velkaro {

// Has the text spoken once, as coming from the window, when assistive technology has asked for
// any of our objects (AccessibleAnnotation.h); before that there is nobody to tell.
//
// Where the system has UIA notifications (Windows 10 1709 and later), the text itself is sent in
// one event: readers speak it whole, after what the focus moves said, without moving their own
// position. Elsewhere the window is made a polite live region and its change is announced
// (EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 and later); readers then speak the window's own
// name, so the window should be the one that shows the outcome.
void Announce(HWND window, const std::wstring& text);

} // namespace velkaro
