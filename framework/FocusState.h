#pragma once
// Where the keyboard focus is, as our windows heard it; each note of it moves the focus
// generation on (FocusGeneration).
#include "framework/FocusGeneration.h"

#include <windows.h>

namespace velkaro {

class TControl;

// The window with the keyboard focus on this thread, as GetFocus answers it; while one of our
// windows has the focus, known without a round trip to the window server.
HWND FocusedWindow();

// A window of ours hears the focus arrive, or leave for another window (ours: true when the
// control behind it is ours), or is destroyed. Each moves the generation on.
void FocusArrivedAt(HWND window);
void FocusLeftFor(HWND to, bool ours);
void FocusWindowDestroyed(HWND window);

// A native window's loss of the focus held back (see TControl::HoldFocusLoss): the control
// holding it and the window the focus went to, or none.
struct THeldFocusLoss {
    TControl* Holder = nullptr;
    HWND To = nullptr;
};
const THeldFocusLoss& HeldFocusLoss();
void SetHeldFocusLoss(THeldFocusLoss loss);

} // namespace velkaro
