#include "framework/DeferredWork.h"

#include "framework/FocusGeneration.h"
#include "runtime/ScopedRestore.h"

#include <utility>
#include <vector>

namespace velkaro {

namespace {

struct {
    // The pending entries, oldest first, linked through the entries themselves: nothing to
    // allocate and nothing to destroy at the end of the program, whatever the order its objects
    // go in.
    TDeferred* first = nullptr;
    TDeferred* last = nullptr;
    // Since the innermost modal loop started: the messages taken from the queue by a loop of
    // ours and being handled, the focus messages being handled, and whether pending work is
    // being run.
    int dispatchDepth = 0;
    int focusMessageDepth = 0;
    bool running = false;
    TErrorReport report = nullptr;
    // Errors of focus moves, reported once the moves are settled, and how many there were ever.
    std::vector<std::exception_ptr> unsettled;
    unsigned putOff = 0;
} service;

bool WorkMayWait() {
    return service.dispatchDepth > 0 || service.focusMessageDepth > 0 || service.running;
}

void ReportSettledErrors() {
    for (const std::exception_ptr& error : std::exchange(service.unsettled, {})) {
        ReportError(error);
    }
}

TDeferred& SettledReport() {
    static TDeferred report([] { ReportSettledErrors(); });
    return report;
}

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
    previous_ = service.last;
    (service.last != nullptr ? service.last->next_ : service.first) = this;
    service.last = this;
    if (!WorkMayWait()) {
        RunDeferredWork();
    }
}

void TDeferred::Unlink() {
    (previous_ != nullptr ? previous_->next_ : service.first) = next_;
    (next_ != nullptr ? next_->previous_ : service.last) = previous_;
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

void RunDeferredWork() {
    const auto running = ScopedValue(service.running, true);
    while (service.first != nullptr) {
        TDeferred* next = service.first;
        next->Unlink();
        try {
            next->work_();
        } catch (...) {
            ReportError(std::current_exception());
        }
    }
}

void SetErrorReport(TErrorReport report) {
    service.report = report;
}

void ReportError(std::exception_ptr error) {
    if (service.report != nullptr) {
        service.report(std::move(error));
    }
}

void ReportWhenSettled(std::exception_ptr error) {
    ++service.putOff;
    service.unsettled.push_back(std::move(error));
    SettledReport().Schedule();
}

unsigned ErrorsPutOff() {
    return service.putOff;
}

TMessageDispatch::TMessageDispatch() {
    ++service.dispatchDepth;
}

TMessageDispatch::~TMessageDispatch() {
    --service.dispatchDepth;
    if (!WorkMayWait()) {
        RunDeferredWork();
    }
}

TFocusMessage::TFocusMessage() {
    ++service.focusMessageDepth;
}

TFocusMessage::~TFocusMessage() {
    --service.focusMessageDepth;
    if (!WorkMayWait()) {
        RunDeferredWork();
    }
}

TModalLoop::TModalLoop()
    : dispatchDepth_(std::exchange(service.dispatchDepth, 0)),
      focusMessageDepth_(std::exchange(service.focusMessageDepth, 0)),
      running_(std::exchange(service.running, false)) {
    NoteInputInterrupted();
    RunDeferredWork();
}

TModalLoop::~TModalLoop() {
    service.dispatchDepth = dispatchDepth_;
    service.focusMessageDepth = focusMessageDepth_;
    service.running = running_;
}

} // namespace velkaro
