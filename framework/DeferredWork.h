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
//  - the report of an error raised while a focus move was processed (TApplication).
// The owner schedules its entry and may drop it (having done the work itself); destroying the
// owner drops it.
// Every pending entry runs, oldest first, when the message a loop of ours dispatched is done, and
// before any modal loop starts (TModalLoop): a modal window, a message box, a popup menu.
//
// Between two messages of a loop of ours, and whenever a modal loop starts, nothing is pending:
// the native windows know where the focus is, each edit shows what its state says, and every
// error has been reported. Inside a modal loop work waits only for the messages its own loop
// dispatches, so nothing put off by the handler that opened it waits for it to close.
#include <functional>

namespace velkaro {

class TDeferred {
public:
    explicit TDeferred(std::function<void()> work);
    ~TDeferred();
    TDeferred(const TDeferred&) = delete;
    TDeferred& operator=(const TDeferred&) = delete;

    // Pending, once however often asked, until the message is handled or a modal loop starts;
    // outside the handling of a message, until the focus messages being handled are done.
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

// Whether work may wait now: a message that a loop of ours took from the queue is being handled,
// and no modal loop has started inside it.
bool WorkMayWait();

// Runs every pending entry, the ones added meanwhile included. An error one raises goes to the
// top-level report, and the rest still run.
void RunDeferredWork();

// The handling of one message taken from the queue; when the outermost is done, what was put off
// runs.
class TMessageDispatch {
public:
    TMessageDispatch();
    ~TMessageDispatch();
    TMessageDispatch(const TMessageDispatch&) = delete;
    TMessageDispatch& operator=(const TMessageDispatch&) = delete;
};

// Around every modal loop: what was put off runs before it starts, and the messages it
// dispatches put work off only until each of them is done.
class TModalLoop {
public:
    TModalLoop();
    ~TModalLoop();
    TModalLoop(const TModalLoop&) = delete;
    TModalLoop& operator=(const TModalLoop&) = delete;

private:
    int dispatchDepth_;
    int focusMessageDepth_;
};

// Input is over once it has been interrupted: a focus move it asked for was refused, or a modal
// window ran while it was handled. A press or a key compares before and after asking for the
// focus, so that it neither tries again nor goes on (taking the mouse capture) after a report.
class TInputWatch {
public:
    TInputWatch();
    bool Interrupted() const;

private:
    unsigned interruptions_;
};

// A focus move was refused: the control that had the focus kept it.
void NoteFocusMoveRefused();

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

} // namespace velkaro
