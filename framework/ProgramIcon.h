#pragma once
// The program's main icon (resource 1), for the classes of windows of their own.
#include <windows.h>

namespace velkaro {

// Both loaded once for all classes: loading an icon costs the window system several lookups of
// the display, and a class given no small icon has one made from the large one on registration.
HICON ProgramIcon();
HICON ProgramSmallIcon();

} // namespace velkaro
