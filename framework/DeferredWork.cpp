#include "framework/DeferredWork.h"

#include "framework/Application.h"

#include <exception>
#include <utility>

namespace velkaro {

namespace {

// The pending entries, oldest first, linked through the entries themselves: nothing to allocate
// and nothing to destroy at the end of the program, whatever the order its objects go in.
TDeferred* first = nullptr;
TDeferred* last = nullptr;

// Messages taken from the queue by a loop of ours and being handled, since the innermost modal
// loop started; focus messages being handled likewise.
int dispatchDepth = 0;
int focusMessageDepth = 0;

unsigned interruptions = 0;

} // namespace

TDeferred::TDeferred(std::function<void()> work) : work_(std::move(work)) {}

TDeferred::~TDeferred() {
    Cancel();
}

void TDeferred::Schedule() {
    if (pending_) {
        return;
    }
    pending_ = true;
    previous_ = last;
    (last != nullptr ? last->next_ : first) = this;
    last = this;
}

void TDeferred::Unlink() {
    (previous_ != nullptr ? previous_->next_ : first) = next_;
    (next_ != nullptr ? next_->previous_ : last) = previous_;
    previous_ = next_ = nullptr;
    pending_ = false;
}

bool TDeferred::Cancel() {
    if (!pending_) {
        return false;
    }
    Unlink();
    return true;
}

bool WorkMayWait() {
    return dispatchDepth > 0;
}

void RunDeferredWork() {
    while (first != nullptr) {
        TDeferred* next = first;
        next->Unlink();
        try {
            next->work_();
        } catch (const std::exception& error) {
            Application().HandleException(error);
        }
    }
}

TMessageDispatch::TMessageDispatch() {
    ++dispatchDepth;
}

TMessageDispatch::~TMessageDispatch() {
    if (--dispatchDepth == 0) {
        RunDeferredWork();
    }
}

TFocusMessage::TFocusMessage() {
    ++focusMessageDepth;
}

TFocusMessage::~TFocusMessage() {
    if (--focusMessageDepth == 0 && dispatchDepth == 0) {
        RunDeferredWork();
    }
}

TModalLoop::TModalLoop()
    : dispatchDepth_(std::exchange(dispatchDepth, 0)),
      focusMessageDepth_(std::exchange(focusMessageDepth, 0)) {
    ++interruptions;
    RunDeferredWork();
}

TModalLoop::~TModalLoop() {
    dispatchDepth = dispatchDepth_;
    focusMessageDepth = focusMessageDepth_;
}

TInputWatch::TInputWatch() : interruptions_(interruptions) {}

bool TInputWatch::Interrupted() const {
    return interruptions != interruptions_;
}

void NoteFocusMoveRefused() {
    ++interruptions;
}

} // namespace velkaro
