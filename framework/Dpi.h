#pragma once
// Display scaling: layouts are designed at 96 pixels per inch and scaled to the monitor's.
#include <windows.h>

#include <optional>

namespace velkaro {

constexpr int kDesignPixelsPerInch = 96;

// WM_GETDPISCALEDSIZE, which Windows 10 sends from version 1703 on (the headers show it only to
// programs for that version).
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The pixels per inch the system fixed at sign-in, which its own metrics, bitmaps and fonts are
// given at.
int SystemPixelsPerInch();
// The pixels per inch of the monitor the window is on (the system's where the platform does not
// tell them apart).
int WindowPixelsPerInch(HWND window);
// The pixels per inch of the monitor nearest to the point, in screen coordinates, as they are now.
int MonitorPixelsPerInch(POINT point);

// The outer size the window has around the client size at the scale, its frame measured at that
// scale; none where the system cannot measure a frame at another scale than its own.
std::optional<SIZE> WindowSizeAt(HWND window, SIZE client, int pixelsPerInch);

// A font height at one scale, at another: through its whole point size, as the system sizes
// fonts. 11 pixels (8 points) at 96 pixels per inch become 16 at 144, where one and a half times
// 11 rounded up would outgrow a layout scaled by one and a half.
int ScaledFontHeight(int height, int toPixelsPerInch, int fromPixelsPerInch);

} // namespace velkaro
