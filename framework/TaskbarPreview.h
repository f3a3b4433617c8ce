#pragma once
// The pictures of a window whose taskbar button stands for another window: the thumbnail over the
// button and the live preview, drawn from the window it stands for, where the desktop window
// manager shows them (Windows Vista and later; nothing happens without it).
#include "framework/Canvas.h"

#include <windows.h>

namespace velkaro {

// An image of the window as it draws itself, its children included, whether it is shown or not:
// a top-down 32-bit DIB section, opaque, scaled down to fit within maxSize keeping the window's
// proportions (never enlarged). None when the window has no area.
TGdiObject<HBITMAP> WindowImage(HWND window, SIZE maxSize);

// Asks the window manager to ask the button's window for its pictures
// (WM_DWMSENDICONICTHUMBNAIL, WM_DWMSENDICONICLIVEPREVIEWBITMAP) instead of taking its own.
void UseIconicPictures(HWND button);
// The pictures given before may be out of date: the window manager asks again when it needs them.
void InvalidateIconicPictures(HWND button);

// The picture a request of the window manager asks for, of the window shown: the thumbnail fitted
// within the size the request gives, the live preview at full size; none for other messages.
TGdiObject<HBITMAP> RequestedPicture(HWND shown, UINT message, LPARAM lParam);
// Gives the window manager the picture of the request; the live preview is shown where the window
// shown is.
void HandOverPicture(HWND button, HWND shown, UINT message, HBITMAP picture);

} // namespace velkaro
