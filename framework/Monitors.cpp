#include "framework/Monitors.h"

#include <utility>

namespace velkaro {

namespace {

std::optional<TMonitors>& GivenMonitors() {
    static std::optional<TMonitors> monitors;
    return monitors;
}

TMonitors SystemMonitors() {
    TMonitors monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, RECT*, LPARAM context) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            if (GetMonitorInfoW(monitor, &info)) {
                reinterpret_cast<TMonitors*>(context)->push_back(
                    {ScreenRectOf(info.rcMonitor), ScreenRectOf(info.rcWork),
                     (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        const TScreenRect screen = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                    GetSystemMetrics(SM_CYSCREEN)};
        monitors.push_back({screen, screen, true});
    }
    return monitors;
}

} // namespace

TMonitors DisplayMonitors() {
    return GivenMonitors() ? *GivenMonitors() : SystemMonitors();
}

void SetDisplayMonitors(std::optional<TMonitors> monitors) {
    GivenMonitors() = std::move(monitors);
}

TScreenRect ScreenRectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

RECT RectOf(const TScreenRect& rect) {
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

} // namespace velkaro
