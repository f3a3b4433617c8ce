#include "framework/FocusState.h"

namespace velkaro {

namespace {

// All of it in one place, on the one thread that runs our windows.
struct {
    // The window of ours that has the keyboard focus, as our windows heard it; null when the
    // focus is elsewhere or not known.
    HWND known = nullptr;
    THeldFocusLoss heldLoss;
    std::uint64_t generation = 0;
    // The generation at which input was last interrupted.
    std::uint64_t interruptedAt = 0;
} focus;

} // namespace

HWND FocusedWindow() {
    return focus.known != nullptr ? focus.known : GetFocus();
}

void FocusArrivedAt(HWND window) {
    focus.known = window;
    ++focus.generation;
}

void FocusLeftFor(HWND to, bool ours) {
    focus.known = ours ? to : nullptr;
    ++focus.generation;
}

void FocusWindowDestroyed(HWND window) {
    if (focus.known == window) {
        focus.known = nullptr;
        ++focus.generation;
    }
}

TFocusGeneration::TFocusGeneration() : generation_(focus.generation) {}

bool TFocusGeneration::Superseded() const {
    return focus.generation != generation_;
}

void NoteInputInterrupted() {
    focus.interruptedAt = ++focus.generation;
}

TInputWatch::TInputWatch() : generation_(focus.generation) {}

bool TInputWatch::Interrupted() const {
    return focus.interruptedAt > generation_;
}

const THeldFocusLoss& HeldFocusLoss() {
    return focus.heldLoss;
}

void SetHeldFocusLoss(THeldFocusLoss loss) {
    focus.heldLoss = loss;
}

} // namespace velkaro
