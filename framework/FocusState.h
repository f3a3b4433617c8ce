#pragma once
// Where the keyboard focus is, as our windows heard it, and its generation.
//
// The generation is one number that moves on with every focus message one of our windows hears,
// every refused focus move and every modal loop. A focus move, or the arrival of the focus at a
// window, takes the generation as it starts; when it has moved on after a step, a nested move
// superseded this one (the control left took the focus back, an enter handler moved it on, a
// modal window ran and gave it back), and the rest of the outer move is not done.
#include <windows.h>

#include <cstdint>

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

// The generation taken when a focus move or an arrival starts.
class TFocusGeneration {
public:
    TFocusGeneration();
    // Another focus move, a refusal or a modal loop came after.
    bool Superseded() const;

private:
    std::uint64_t generation_;
};

// A focus move was refused (the control that had the focus kept it), or a modal loop started:
// the input being handled is over.
void NoteInputInterrupted();

// Input is over once it has been interrupted. A press or a key takes one before asking for the
// focus, so that it neither tries again nor goes on (taking the mouse capture) after a report.
class TInputWatch {
public:
    TInputWatch();
    bool Interrupted() const;

private:
    std::uint64_t generation_;
};

// A native window's loss of the focus held back (see TControl::HoldFocusLoss): the control
// holding it and the window the focus went to, or none.
struct THeldFocusLoss {
    TControl* Holder = nullptr;
    HWND To = nullptr;
};
const THeldFocusLoss& HeldFocusLoss();
void SetHeldFocusLoss(THeldFocusLoss loss);

} // namespace velkaro
