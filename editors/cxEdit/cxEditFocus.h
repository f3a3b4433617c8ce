#pragma once
// The edit's focus bookkeeping between the control's window and its inner edit: which windows are
// the edit's, the focus state last processed, whether a focus step is running, and where the focus
// goes when it arrives, on a click and when the inner edit is hidden. The edit keeps the steps a
// change of the focus runs (entering, leaving, the view).
#include "runtime/ScopedRestore.h"

#include <windows.h>

namespace velkaro {

class TcxCustomEdit;

class TcxEditFocus {
public:
    explicit TcxEditFocus(TcxCustomEdit& edit) : edit_(edit) {}
    TcxEditFocus(const TcxEditFocus&) = delete;
    TcxEditFocus& operator=(const TcxEditFocus&) = delete;

    // The window is the control's own or its inner edit's.
    bool HasWindow(HWND window) const;
    // The focus state last processed.
    bool Reported() const { return reported_; }
    // Records the state with focusWindow focused (or about to be); answers whether it changed.
    bool Report(HWND focusWindow);
    // For the length of a focus step: the view is compared once the handler is done.
    [[nodiscard]] auto Step() { return ScopedValue(changing_, true); }
    bool InStep() const { return changing_; }

    // SetFocus with the inner edit taking the focus at once, where what follows needs it there
    // (a click passed on to it).
    void SetAtOnce();
    // A hidden inner edit takes the focus only once the handler's messages are done.
    bool DefersInner() const;
    // The typing belongs in the inner edit: passes the focus on, now or once the handler is done.
    void PassToInner();
    // The pass put off, done now.
    void PassToInnerAtOnce();

    // WM_SETFOCUS of the control's own window.
    LRESULT Arrived(WPARAM wParam, LPARAM lParam);
    // The focus leaves one of the edit's windows for another window, and is processed unless it
    // stays within the edit.
    void Leaving(HWND to);
    // A press on the control's window; answers whether the press goes on.
    bool Click();

private:
    TcxCustomEdit& edit_;
    bool reported_ = false;
    bool changing_ = false;
    bool innerAtOnce_ = false;
};

} // namespace velkaro
