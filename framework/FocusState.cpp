#include "framework/FocusState.h"

namespace velkaro {

namespace {

// On the one thread that runs our windows, beside the focus generation (FocusGeneration).
struct {
    // The window of ours that has the keyboard focus, as our windows heard it; null when the
    // focus is elsewhere or not known.
    HWND known = nullptr;
    THeldFocusLoss heldLoss;
} focus;

} // namespace

HWND FocusedWindow() {
    return focus.known != nullptr ? focus.known : GetFocus();
}

void FocusArrivedAt(HWND window) {
    focus.known = window;
    AdvanceFocusGeneration();
}

void FocusLeftFor(HWND to, bool ours) {
    focus.known = ours ? to : nullptr;
    AdvanceFocusGeneration();
}

void FocusWindowDestroyed(HWND window) {
    if (focus.known == window) {
        focus.known = nullptr;
        AdvanceFocusGeneration();
    }
}

const THeldFocusLoss& HeldFocusLoss() {
    return focus.heldLoss;
}

void SetHeldFocusLoss(THeldFocusLoss loss) {
    focus.heldLoss = loss;
}

} // namespace velkaro
