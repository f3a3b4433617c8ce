#include "framework/MonitorPlacement.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace velkaro {

namespace {

std::int64_t OverlapArea(const TScreenRect& a, const TScreenRect& b) {
    const std::int64_t width = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const std::int64_t height = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The square of the distance between two rectangles that do not overlap.
std::int64_t GapSquared(const TScreenRect& a, const TScreenRect& b) {
    const std::int64_t dx = std::max<std::int64_t>({0, b.Left - a.Right, a.Left - b.Right});
    const std::int64_t dy = std::max<std::int64_t>({0, b.Top - a.Bottom, a.Top - b.Bottom});
    return dx * dx + dy * dy;
}

} // namespace

const TMonitor& MonitorOfWindow(const TMonitors& monitors,
                                const std::optional<TScreenRect>& window) {
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

TScreenRect CentredIn(const TScreenRect& area, TScreenSize size) {
    const long width = std::min(size.Width, area.Width());
    const long height = std::min(size.Height, area.Height());
    const long left = area.Left + (area.Width() - width) / 2;
    const long top = area.Top + (area.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace velkaro
