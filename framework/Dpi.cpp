#include "framework/Dpi.h"

#include "framework/Canvas.h"
#include "framework/SystemLibrary.h"

namespace velkaro {

namespace {

// Per-monitor scaling came with later systems than the program runs on: looked up, not linked.
template <class Function> Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

int ScreenPixelsPerInch() {
    const int dpi = GetDeviceCaps(TClientDC().Handle(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignPixelsPerInch;
}

} // namespace

int SystemPixelsPerInch() {
    static const auto getDpiForSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    if (getDpiForSystem != nullptr) {
        return static_cast<int>(getDpiForSystem());
    }
    return ScreenPixelsPerInch();
}

int WindowPixelsPerInch(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemPixelsPerInch();
}

int MonitorPixelsPerInch(POINT point) {
    // One monitor is the primary; only with more is the monitor asked, whose library would
    // otherwise slow every start.
    if (GetSystemMetrics(SM_CMONITORS) <= 1) {
        return SystemPixelsPerInch();
    }
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    constexpr int kEffectiveDpi = 0;
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                                   &dpiX, &dpiY)) &&
        dpiY != 0) {
        return static_cast<int>(dpiY);
    }
    return SystemPixelsPerInch();
}

int ScaledFontHeight(int height, int toPixelsPerInch, int fromPixelsPerInch) {
    constexpr int kPointsPerInch = 72;
    return MulDiv(MulDiv(height, kPointsPerInch, fromPixelsPerInch), toPixelsPerInch,
                  kPointsPerInch);
}

} // namespace velkaro
