#pragma once
// The monitors of the desktop, as the system reports them or as a test gives them.
#include "framework/MonitorPlacement.h"

#include <windows.h>

#include <optional>

namespace velkaro {

// The monitors windows are placed on: the system's, unless another desktop was given.
TMonitors DisplayMonitors();
// Places the windows on the given monitors instead of the system's (a desktop of several
// monitors that the test display cannot have); nullopt gives the system's back.
void SetDisplayMonitors(std::optional<TMonitors> monitors);

// The system's rectangles and the placement's.
TScreenRect ScreenRectOf(const RECT& rect);
RECT RectOf(const TScreenRect& rect);

} // namespace velkaro
