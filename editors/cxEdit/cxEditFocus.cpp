#include "editors/cxEdit/cxEditFocus.h"

#include "editors/cxEdit/cxEdit.h"
#include "framework/FocusState.h"

namespace velkaro {

bool TcxEditFocus::HasWindow(HWND window) const {
    if (window == nullptr) {
        return false;
    }
    if (edit_.HandleAllocated() && window == edit_.Handle()) {
        return true;
    }
    IcxCustomInnerEdit* inner = edit_.InnerEdit();
    return inner != nullptr && inner->Control().HandleAllocated() &&
           window == inner->Control().Handle();
}

bool TcxEditFocus::Report(HWND focusWindow) {
    // A window of the thread that has the focus is inside its active window: only a window
    // that may not have it any more needs the system asked.
    const bool focused =
        HasWindow(focusWindow) && (focusWindow == FocusedWindow() || GetActiveWindow() != nullptr);
    if (focused == reported_) {
        return false;
    }
    reported_ = focused;
    return true;
}

void TcxEditFocus::SetAtOnce() {
    const auto atOnce = ScopedValue(innerAtOnce_, true);
    edit_.SetFocus();
}

// A hidden inner edit takes the focus once the handler's messages are done, if the control
// still has it then: a focus that only passes through (a calculation's through the amount
// field) makes and destroys no caret, a round of some dozen requests to the window server.
bool TcxEditFocus::DefersInner() const {
    IcxCustomInnerEdit* inner = edit_.InnerEdit();
    return !innerAtOnce_ && inner != nullptr && !inner->Control().Visible();
}

void TcxEditFocus::PassToInner() {
    IcxCustomInnerEdit* inner = edit_.InnerEdit();
    if (inner == nullptr || !inner->Control().HandleAllocated() || !edit_.HandleAllocated() ||
        FocusedWindow() != edit_.Handle()) {
        return;
    }
    if (!DefersInner()) {
        inner->SafelySetFocus();
    } else {
        edit_.view_.PassFocusInward();
    }
}

void TcxEditFocus::PassToInnerAtOnce() {
    const auto atOnce = ScopedValue(innerAtOnce_, true);
    PassToInner();
}

// Back from the own inner edit nothing changes for the form; from elsewhere the focus is
// processed. Either way the typing belongs in the inner edit.
LRESULT TcxEditFocus::Arrived(WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(wParam);
    const TFocusGeneration arrival;
    const LRESULT result = from != nullptr && HasWindow(from)
                               ? edit_.DefaultHandler(WM_SETFOCUS, wParam, lParam)
                               : edit_.TcxContainer::WndProc(WM_SETFOCUS, wParam, lParam);
    // Unless a step of the arrival moved the focus on (the control that had it took it back).
    if (!arrival.Superseded()) {
        edit_.UpdateFocusState(edit_.Handle());
        PassToInner();
    }
    return result;
}

void TcxEditFocus::Leaving(HWND to) {
    if (!HasWindow(to)) {
        edit_.UpdateFocusState(to);
    }
}

bool TcxEditFocus::Click() {
    if (edit_.InEditForm() || !edit_.CanFocus()) {
        return true;
    }
    const TInputWatch press;
    edit_.SetFocus();
    return !press.Interrupted();
}

} // namespace velkaro
