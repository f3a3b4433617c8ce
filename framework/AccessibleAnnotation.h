#pragma once
// Dynamic annotation: each control's role, name, value, description and state written where the
// system's own proxies read them. Narrator and other UIA clients reach a window through UIA's
// MSAA bridge and its proxies for the native classes our windows extend (an edit, a button),
// which may never ask the window itself (WM_GETOBJECT, Accessibility.h); the annotation is what
// they read. It mirrors TControl::AccessibleDescription and is written again at every change the
// control announces.
//
// Nothing is written until assistive technology first asks one of our windows for an object: a
// reader looking at a window always asks it first (UIA, for the window's own provider; MSAA, for
// its object), and a start without one does not pay for the service. Where the system lacks the
// service or answers that it does not implement it (Wine's), nothing is written and nothing fails.
#include <windows.h>

namespace velkaro {

// Assistive technology asked a window of ours for an object (any WM_GETOBJECT): from the first
// request on, every window of ours on this thread is annotated, and every window made later.
void AccessibilityRequested();
// Whether assistive technology has asked for an object in this process.
bool AccessibilityActive();

// Writes the window's description: sets what it has, clears what it lacks.
void AnnotateAccessible(HWND window);
// Clears everything written for the window, as it is destroyed.
void ClearAccessibleAnnotation(HWND window);
// Marks the window a polite live region, whose changes readers speak when they are told of them.
void AnnotateLiveRegion(HWND window);

// Tells listening assistive technology that the client object of the window changed, once the
// window's annotation has taken the change.
void NotifyAccessibleEvent(HWND window, DWORD event);

} // namespace velkaro
