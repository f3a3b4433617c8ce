#pragma once
// The monitors of the desktop, and where a window opens among them: whole, on one monitor.
#include <windows.h>

#include <optional>
#include <vector>

namespace velkaro {

struct TMonitor {
    RECT Bounds{};   // the whole monitor, in screen coordinates
    RECT WorkArea{}; // less the taskbar and the bars docked at its edges
    bool Primary = false;
};
using TMonitors = std::vector<TMonitor>;

// The monitors windows are placed on: the system's, unless another desktop was given.
TMonitors DisplayMonitors();
// Places the windows on the given monitors instead of the system's (a desktop of several
// monitors that the test display cannot have); nullopt gives the system's back.
void SetDisplayMonitors(std::optional<TMonitors> monitors);

// The monitor holding the largest part of the window, the nearest when it touches none; the
// primary when there is no window. The list is never empty.
const TMonitor& MonitorOfWindow(const TMonitors& monitors, const std::optional<RECT>& window);
// A window of the size centred in the area, made no larger than the area.
RECT CentredIn(const RECT& area, SIZE size);

} // namespace velkaro
