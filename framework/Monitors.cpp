#include "framework/Monitors.h"

#include <algorithm>
#include <cstdint>
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
                    {info.rcMonitor, info.rcWork, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        monitors.push_back({screen, screen, true});
    }
    return monitors;
}

std::int64_t OverlapArea(const RECT& a, const RECT& b) {
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The square of the distance between two rectangles that do not overlap.
std::int64_t GapSquared(const RECT& a, const RECT& b) {
    const std::int64_t dx = std::max<std::int64_t>({0, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max<std::int64_t>({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

} // namespace

TMonitors DisplayMonitors() {
    return GivenMonitors() ? *GivenMonitors() : SystemMonitors();
}

void SetDisplayMonitors(std::optional<TMonitors> monitors) {
    GivenMonitors() = std::move(monitors);
}

const TMonitor& MonitorOfWindow(const TMonitors& monitors, const std::optional<RECT>& window) {
    if (!window) {
        const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                          [](const TMonitor& monitor) { return monitor.Primary; });
        return primary != monitors.end() ? *primary : monitors.front();
    }
    // Most of the window first, then the least distance: one comparison of (overlap, -gap).
    const auto rank = [&](const TMonitor& monitor) {
        return std::pair(OverlapArea(monitor.Bounds, *window),
                         -GapSquared(monitor.Bounds, *window));
    };
    return *std::max_element(
        monitors.begin(), monitors.end(),
        [&](const TMonitor& a, const TMonitor& b) { return rank(a) < rank(b); });
}

RECT CentredIn(const RECT& area, SIZE size) {
    const LONG width = std::min(size.cx, area.right - area.left);
    const LONG height = std::min(size.cy, area.bottom - area.top);
    const LONG left = area.left + (area.right - area.left - width) / 2;
    const LONG top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace velkaro
