#pragma once
// Work put off until the message being handled is done.
//
// While a message taken from the queue is handled, a control may put off work that the rest of
// the handling would undo or repeat: each of these is a round of requests to the window server.
// What may be pending, each entry owned by one object and pending at most once:
//  - a native edit's loss of the focus, held while the focus may come straight back (TControl);
//  - an edit's view: its inner edit shown or hidden, the focus passed inward, a repaint when
//    its look changed (TcxCustomEdit);
//  - the selection an inner edit holds while its control handles a key (TcxCustomInnerTextEdit);
//  - the report of errors raised while a focus move was processed (ReportWhenSettled).
// The owner schedules its entry and may drop it (having done the work itself); destroying the
// owner drops it.
// Every pending entry runs, oldest first, when the message a loop of ours dispatched is done, and
// before any modal loop starts (TModalLoop): a modal window, a message box, a popup menu, and the
// system's own loops (a native edit's menu, the system menu, moving or sizing a window). Where
// nothing would run it later (no message of ours, no focus message, no entry is being handled),
// work scheduled runs at once.
//
// Between two messages of a loop of ours, and whenever a modal loop starts, nothing is pending:
// the native windows know where the focus is, each edit shows what its state says, and every
// error has been reported. Inside a modal loop work waits only for the messages its own loop
// dispatches, so nothing put off by the handler that opened it waits for it to close.
#include <exception>
#include <functional>

namespace velkaro {

class TDeferred {
public:
    explicit TDeferred(std::function<void()> work);
    ~TDeferred();
    TDeferred(const TDeferred&) = delete;
    TDeferred& operator=(const TDeferred&) = delete;

    // Pending, once however often asked, until the message is handled or a modal loop starts;
    // outside the handling of a message, until the focus messages being handled are done; run at
    // once where it may not wait.
    void Schedule();
    // Drops the work; answers whether it was pending.
    bool Cancel();

private:
    friend void RunDeferredWork();
    void Unlink();

    std::function<void()> work_;
    bool pending_ = false;
    TDeferred* previous_ = nullptr;
    TDeferred* next_ = nullptr;
};

// Runs every pending entry, the ones added meanwhile included. Whatever one throws goes to the
// error report, and the rest still run.
void RunDeferredWork();

// The top-level error report, installed by the application as it starts.
using TErrorReport = void (*)(std::exception_ptr error);
void SetErrorReport(TErrorReport report);
// Reports the error now.
void ReportError(std::exception_ptr error);
// Reports the error once the focus move being processed is settled: a report opened inside the
// focus messages would run its modal loop with the move half done.
void ReportWhenSettled(std::exception_ptr error);
// How many errors have been put off so, ever: code that asked for a focus move compares.
unsigned ErrorsPutOff();

// Runs one step of processing a focus move (an exit, an enter, a focus-change event): an error it
// raises is reported once the move is settled, and the processing goes on.
template <class Step> void RunFocusStep(Step&& step) {
    try {
        step();
    } catch (...) {
        ReportWhenSettled(std::current_exception());
    }
}

// The handling of one message taken from the queue; when the outermost is done, what was put off
// runs.
class TMessageDispatch {
public:
    TMessageDispatch();
    ~TMessageDispatch();
    TMessageDispatch(const TMessageDispatch&) = delete;
    TMessageDispatch& operator=(const TMessageDispatch&) = delete;
};

// The handling of a focus message (WM_SETFOCUS, WM_KILLFOCUS): outside the handling of a
// message taken from the queue, what the focus processing put off runs when the outermost is
// done.
class TFocusMessage {
public:
    TFocusMessage();
    ~TFocusMessage();
    TFocusMessage(const TFocusMessage&) = delete;
    TFocusMessage& operator=(const TFocusMessage&) = delete;
};

// Around every modal loop: what was put off runs before it starts, the input that opened it is
// over (TInputWatch), and the messages it dispatches put work off only until each of them is
// done.
class TModalLoop {
public:
    TModalLoop();
    ~TModalLoop();
    TModalLoop(const TModalLoop&) = delete;
    TModalLoop& operator=(const TModalLoop&) = delete;

private:
    int dispatchDepth_;
    int focusMessageDepth_;
    bool running_;
};

} // namespace velkaro
