#pragma once
// Display scaling: layouts are designed at 96 pixels per inch and scaled to the monitor's.
#include <windows.h>

namespace velkaro {

constexpr int kDesignPixelsPerInch = 96;

// The pixels per inch of the primary monitor, which new windows open at.
int SystemPixelsPerInch();
// The pixels per inch of the monitor the window is on (the system's where the platform does not
// tell them apart).
int WindowPixelsPerInch(HWND window);
// The pixels per inch of the monitor nearest to the point, in screen coordinates.
int MonitorPixelsPerInch(POINT point);

// A font height at one scale, at another: through its whole point size, as the system sizes
// fonts. 11 pixels (8 points) at 96 pixels per inch become 16 at 144, where one and a half times
// 11 rounded up would outgrow a layout scaled by one and a half.
int ScaledFontHeight(int height, int toPixelsPerInch, int fromPixelsPerInch);

} // namespace velkaro
