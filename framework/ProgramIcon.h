#pragma once
// The program's main icon (resource 1), for the classes of windows of their own, and icons loaded
// at the size of a window's scale.
#include <windows.h>

namespace velkaro {

// Both loaded once for all classes: loading an icon costs the window system several lookups of
// the display, and a class given no small icon has one made from the large one on registration.
HICON ProgramIcon();
HICON ProgramSmallIcon();

// An icon of the module's resources (of the system's, with no module) at the size, scaled down
// from a larger image where the system can (Windows Vista on), else as the system picks. The
// caller destroys it.
HICON LoadIconAtSize(HINSTANCE module, const wchar_t* name, int size);

} // namespace velkaro
