#pragma once
// The editing state of an edit control that needs no window: the editing span's flags with
// their save stack, and the change events held back while a multi-step operation runs.
#include "runtime/Events.h"

#include <utility>
#include <vector>

namespace velkaro {

struct TcxEditModifiedState {
    bool EditingActive = false;
    bool TextModified = false;
};

class TcxEditState {
public:
    bool EditingActive() const { return current_.EditingActive; }
    bool TextModified() const { return current_.TextModified; }
    void SetTextModified(bool value) { current_.TextModified = value; }
    bool InputChecked() const { return inputChecked_; }
    void SetInputChecked(bool value) { inputChecked_ = value; }

    // The user changed the text: it must be validated before it is committed.
    void MarkModified();
    // Code stored a value or a text: nothing is pending any more.
    void MarkSetByCode();
    void MarkEditing() { current_.EditingActive = true; }

    // Nested operations save and restore the pair around themselves.
    void PushModifiedState() { stack_.push_back(current_); }
    void PopModifiedState();
    int ModifiedStateDepth() const { return static_cast<int>(stack_.size()); }

private:
    TcxEditModifiedState current_;
    bool inputChecked_ = false;
    std::vector<TcxEditModifiedState> stack_;
};

// Saves the editing span's flags for a nested operation and restores them on every way out, so
// that a commit inside validation does not erase that the span modified the value. The operation
// must leave the stack as it found it.
class TcxModifiedStateSave {
public:
    explicit TcxModifiedStateSave(TcxEditState& state);
    ~TcxModifiedStateSave();
    TcxModifiedStateSave(const TcxModifiedStateSave&) = delete;
    TcxModifiedStateSave& operator=(const TcxModifiedStateSave&) = delete;

private:
    TcxEditState& state_;
    int depth_;
};

// OnChange and OnEditValueChanged as the edit fires them: at once, or held back while locked
// and then fired once each when the outermost lock is released.
class TcxEditChangeEvents {
public:
    // Events fire only while this answers true (not while loading or destroying).
    std::function<bool()> CanFire;

    // Each fires the event or, under the lock, remembers it.
    void FireChange(const TNotifyEvent& event, TObject* sender);
    void FireEditValueChanged(const TNotifyEvent& event, TObject* sender);

    void Lock();
    // The pending events fire only when fire is true and the outermost lock is released.
    void Unlock(bool fire, const TNotifyEvent& onChange, const TNotifyEvent& onEditValueChanged,
                TObject* sender);
    int LockCount() const { return lock_; }
    bool ChangePending() const { return changePending_; }
    bool ValueChangePending() const { return valueChangePending_; }

private:
    bool Allowed() const { return !CanFire || CanFire(); }
    void Fire(const TNotifyEvent& event, TObject* sender, bool& pending);

    int lock_ = 0;
    bool changePending_ = false;
    bool valueChangePending_ = false;
};

} // namespace velkaro
