#pragma once
// The value of an edit apart from its window: the edit value, the value at enter, the editing
// span with its change-events lock, and the rules that read and write them (writing the value,
// committing typed text, the change events and their deferral, the permission to edit,
// validation, posting, Escape's return and the value's part of entering and leaving). It reaches
// the text only through IcxEditValueText, and it never moves the focus: validation answers with
// a verdict that the window acts on.
#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxEdit/cxEditState.h"
#include "runtime/ScopedRestore.h"
#include "runtime/Variant.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace velkaro {

class TcxEditDataBinding;

// The text as the value model sees it: the kind converts between its value and the text it
// shows. The core's answers are these defaults; each kind overrides what it converts.
class IcxEditValueText {
public:
    // The text typed or shown, which validation checks; a question.
    virtual std::wstring GetDisplayText() const { return {}; }
    // Puts a display value into the text as it is (the data binding's path).
    virtual void SetDisplayValue(const Variant&) {}
    // A display value stored: by code the value follows and the span counts as set by code; by
    // the user only the text changes.
    virtual void StoreDisplayValue(const Variant&) {}
    // Valid text becomes the value, the span's flags kept (the model saves them around it).
    virtual void CommitDisplayValue(const Variant& DisplayValue) {
        StoreDisplayValue(DisplayValue);
    }
    // Shows the value in the form the focus asks for. Must not change the value.
    virtual void RefreshDisplayFromValue() {}
    // Selects the whole text; changes the selection only.
    virtual void SelectAllText() {}
    // Questions: the text shows its edit form (the focus is in it); the kind can be edited at all.
    virtual bool InEditForm() const = 0;
    virtual bool AllowsEditing() const { return true; }
    // The edit's own permission handler (OnEditing) asked; true when it has none.
    virtual bool EditingPermitted() { return true; }

protected:
    ~IcxEditValueText() = default;
};

// What validation, posting or Escape's return left for the window to act on.
struct TcxInputVerdict {
    enum TKind {
        Valid,
        Invalid,     // ErrorText is raised after the focus is back
        Refused,     // a handler refused the text and gave no message: nothing is raised
        PostRefused, // the binding refused the value: PostError is raised again
    };
    TKind Kind = Valid;
    std::wstring ErrorText;
    std::exception_ptr PostError;

    bool IsValid() const { return Kind == Valid; }
};

class TcxEditValue {
public:
    using TPropertiesSource = std::function<TcxCustomEditProperties&()>;

    // sender: the edit, as events and checks name it; properties: those in use at each call.
    TcxEditValue(IcxEditValueText& text, TObject& sender, TPropertiesSource properties);
    ~TcxEditValue();
    TcxEditValue(const TcxEditValue&) = delete;
    TcxEditValue& operator=(const TcxEditValue&) = delete;

    IcxEditValueText& Text() const { return text_; }
    TcxEditDataBinding& DataBinding() const { return *binding_; }
    // A value source other than the plain stand-alone one.
    void SetDataBinding(std::unique_ptr<TcxEditDataBinding> binding);

    const Variant& EditValue() const { return editValue_; }
    const Variant& ValueAtEnter() const { return valueAtEnter_; }
    // Ignored while the permission is asked, and for a change of the user's the edit may not
    // take; otherwise AssignEditValue.
    void SetEditValue(const Variant& value);
    // Stores the value, shows it, marks the span and fires the change events (held under the
    // lock). Refused for a change of the user's the edit may not take.
    void AssignEditValue(const Variant& value);
    // Stores the value without any of the steps of writing it.
    void StoreEditValue(const Variant& value) { editValue_ = value; }

    // The editing span.
    TcxEditState& State() { return state_; }
    bool EditingActive() const { return state_.EditingActive(); }
    bool TextModified() const { return state_.TextModified(); }
    bool InputChecked() const { return state_.InputChecked(); }
    void SetTextModified(bool value) { state_.SetTextModified(value); }
    void SetInputChecked(bool value) { state_.SetInputChecked(value); }
    void MarkModified() { state_.MarkModified(); }
    void MarkSetByCode() { state_.MarkSetByCode(); }
    void MarkEditing() { state_.MarkEditing(); }

    bool ChangeByUser() const { return changeByUser_; }
    // Marks what follows, to the end of the caller's scope, as a change the user makes.
    [[nodiscard]] auto UserChange() { return ScopedValue(changeByUser_, true); }
    bool IsPosting() const { return posting_; }

    // The change events: at once, or held under the lock and fired once each at its release.
    TcxEditChangeEvents& ChangeEvents() { return changeEvents_; }
    void FireChange();
    void FireEditValueChanged();
    void LockChangeEvents() { changeEvents_.Lock(); }
    void UnlockChangeEvents(bool fire = true);
    // The text changed: modified when the user is in it, and OnChange.
    void TextChanged(bool focused);

    // Permission to change the value now (the kind, read-only, OnEditing, the binding).
    bool RequestEditing();
    // Read-only and the binding let the value change.
    bool CanChangeValue();
    // Validates typed text and commits a valid one.
    TcxInputVerdict CheckInput();
    // Hands the value to the binding; a refusal comes back as the verdict.
    TcxInputVerdict PostValue();
    // CheckInput, then PostValue when the binding holds a change, the events held until both
    // are done.
    TcxInputVerdict ValidateAndPost();
    // Escape: the value at enter back, all selected, posted when ImmediatePost asks it. Nothing
    // when the text is unmodified or the kind cannot return.
    TcxInputVerdict RevertToValueAtEnter();

    // The value's part of gaining the focus: OnEnter (fireOnEnter), the binding's value shown
    // in its edit form and kept as the value at enter; the span counts as unmodified after it.
    void Enter(const std::function<void()>& fireOnEnter);
    // The value's part of losing the focus: typed text validated and posted, then shown in its
    // display form (showDisplayForm for the view's part). An invalid verdict ends it there; the
    // caller fires OnExit on a valid one and then calls Left.
    TcxInputVerdict Leave(const std::function<void()>& showDisplayForm);
    void Left() { SetTextModified(false); }

private:
    TcxCustomEditProperties& Properties() const { return properties_(); }

    IcxEditValueText& text_;
    TObject& sender_;
    TPropertiesSource properties_;
    std::unique_ptr<TcxEditDataBinding> binding_;
    TcxEditState state_;
    TcxEditChangeEvents changeEvents_;
    Variant editValue_;
    Variant valueAtEnter_;
    bool inEditingCheck_ = false;
    bool posting_ = false;
    bool changeByUser_ = false;
};

// Holds the edit's change events back for a multi-step operation. On every way out the lock is
// released and what it held back fires, once each; leaving by an error, they fire as the error
// passes, and one of them failing then is not heard: the first error is the one reported. The
// operation must leave the lock as it found it.
class TcxChangeEventsLock {
public:
    explicit TcxChangeEventsLock(TcxEditValue& value);
    ~TcxChangeEventsLock() noexcept(false);
    TcxChangeEventsLock(const TcxChangeEventsLock&) = delete;
    TcxChangeEventsLock& operator=(const TcxChangeEventsLock&) = delete;

private:
    TcxEditValue& value_;
    int depth_;
    int exceptionsAtStart_;
};

} // namespace velkaro
