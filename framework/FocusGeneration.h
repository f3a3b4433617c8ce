#pragma once
// The focus generation: one number that moves on with every focus message one of our windows
// hears, every refused focus move and every modal loop. A focus move, or the arrival of the focus
// at a window, takes the generation as it starts; when it has moved on after a step, a nested
// move superseded this one (the control left took the focus back, an enter handler moved it on,
// a modal window ran and gave it back), and the rest of the outer move is not done. No window
// in it: the work put off reads it too.
#include <cstdint>

namespace velkaro {

// A focus message was heard (FocusState's notes call it).
void AdvanceFocusGeneration();

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

} // namespace velkaro
