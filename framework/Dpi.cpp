#include "framework/Dpi.h"

namespace velkaro {

namespace {

// Per-monitor scaling came with later systems than the program runs on: looked up, not linked.
template <class Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
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

} // namespace velkaro
