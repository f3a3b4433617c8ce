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

// The monitor's own scale as it is now (from Windows 8.1 on), or 0 where the system cannot tell.
int PixelsPerInchOf(HMONITOR monitor) {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    constexpr int kEffectiveDpi = 0;
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor == nullptr || monitor == nullptr ||
        FAILED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY))) {
        return 0;
    }
    return static_cast<int>(dpiY);
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
    // Windows 8.1 and the first releases of 10 have no scale per window, but one per monitor.
    if (const int dpi = PixelsPerInchOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
        dpi != 0) {
        return dpi;
    }
    return SystemPixelsPerInch();
}

int MonitorPixelsPerInch(POINT point) {
    // The monitor is asked even when it is the only one: the system's scale stays what it was at
    // sign-in, while the user may have changed the monitor's since.
    if (const int dpi = PixelsPerInchOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
        dpi != 0) {
        return dpi;
    }
    return SystemPixelsPerInch();
}

std::optional<SIZE> WindowSizeAt(HWND window, SIZE client, int pixelsPerInch) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, client.cx, client.cy};
    if (adjust == nullptr ||
        !adjust(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                static_cast<UINT>(pixelsPerInch))) {
        return std::nullopt;
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int ScaledFontHeight(int height, int toPixelsPerInch, int fromPixelsPerInch) {
    constexpr int kPointsPerInch = 72;
    return MulDiv(MulDiv(height, kPointsPerInch, fromPixelsPerInch), toPixelsPerInch,
                  kPointsPerInch);
}

} // namespace velkaro
