#include "editors/cxEdit/cxEditState.h"

#include <cassert>

namespace velkaro {

void TcxEditState::MarkModified() {
    current_ = {true, true};
    inputChecked_ = false;
}

void TcxEditState::MarkSetByCode() {
    current_ = {false, false};
}

void TcxEditState::PopModifiedState() {
    if (!stack_.empty()) {
        current_ = stack_.back();
        stack_.pop_back();
    }
}

TcxModifiedStateSave::TcxModifiedStateSave(TcxEditState& state) : state_(state) {
    state_.PushModifiedState();
    depth_ = state_.ModifiedStateDepth();
}

TcxModifiedStateSave::~TcxModifiedStateSave() {
    assert(state_.ModifiedStateDepth() == depth_ && "a nested operation left the stack unbalanced");
    state_.PopModifiedState();
}

void TcxEditChangeEvents::Fire(const TNotifyEvent& event, TObject* sender, bool& pending) {
    if (!Allowed()) {
        return;
    }
    if (lock_ > 0) {
        pending = true;
    } else if (event) {
        event(sender);
    }
}

void TcxEditChangeEvents::FireChange(const TNotifyEvent& event, TObject* sender) {
    Fire(event, sender, changePending_);
}

void TcxEditChangeEvents::FireEditValueChanged(const TNotifyEvent& event, TObject* sender) {
    Fire(event, sender, valueChangePending_);
}

void TcxEditChangeEvents::Lock() {
    if (lock_ == 0) {
        changePending_ = false;
        valueChangePending_ = false;
    }
    ++lock_;
}

void TcxEditChangeEvents::Unlock(bool fire, const TNotifyEvent& onChange,
                                 const TNotifyEvent& onEditValueChanged, TObject* sender) {
    if (lock_ > 0) {
        --lock_;
    }
    if (!fire || lock_ > 0 || !Allowed()) {
        return;
    }
    // Cleared before the calls: a handler may start another locked operation.
    const bool change = std::exchange(changePending_, false);
    const bool valueChange = std::exchange(valueChangePending_, false);
    if (change && onChange) {
        onChange(sender);
    }
    if (valueChange && onEditValueChanged) {
        onEditValueChanged(sender);
    }
}

} // namespace velkaro
