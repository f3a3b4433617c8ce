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

} // namespace velkaro
