#include "framework/FocusGeneration.h"

namespace velkaro {

namespace {

// On the one thread that runs our windows, beside where the focus is (FocusState).
struct {
    std::uint64_t generation = 0;
    // The generation at which input was last interrupted.
    std::uint64_t interruptedAt = 0;
} focusGeneration;

} // namespace

void AdvanceFocusGeneration() {
    ++focusGeneration.generation;
}

TFocusGeneration::TFocusGeneration() : generation_(focusGeneration.generation) {}

bool TFocusGeneration::Superseded() const {
    return focusGeneration.generation != generation_;
}

void NoteInputInterrupted() {
    focusGeneration.interruptedAt = ++focusGeneration.generation;
}

TInputWatch::TInputWatch() : generation_(focusGeneration.generation) {}

bool TInputWatch::Interrupted() const {
    return focusGeneration.interruptedAt > generation_;
}

} // namespace velkaro
