#pragma once
// Where a window opens among the monitors of the desktop: whole, on one monitor. Pure arithmetic
// on screen rectangles, so the placement is checked without a desktop.
#include <optional>
#include <vector>

namespace velkaro {

// A rectangle in screen coordinates; its right and bottom edges lie just outside it, as in the
// system's own rectangles.
struct TScreenRect {
    long Left = 0, Top = 0, Right = 0, Bottom = 0;
    long Width() const { return Right - Left; }
    long Height() const { return Bottom - Top; }
    bool operator==(const TScreenRect&) const = default;
};

struct TScreenSize {
    long Width = 0, Height = 0;
};

struct TMonitor {
    TScreenRect Bounds;   // the whole monitor
    TScreenRect WorkArea; // less the taskbar and the bars docked at its edges
    bool Primary = false;
};
using TMonitors = std::vector<TMonitor>;

// The monitor holding the largest part of the window, the nearest when it touches none; the
// primary when there is no window. The list is never empty.
const TMonitor& MonitorOfWindow(const TMonitors& monitors,
                                const std::optional<TScreenRect>& window);
// A window of the size centred in the area, made no larger than the area.
TScreenRect CentredIn(const TScreenRect& area, TScreenSize size);

} // namespace velkaro
