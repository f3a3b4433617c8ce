#pragma once
// The base of every edit control of the family: its value (EditValue), the display value that
// the user sees and types, the properties object, validation with its errors, the change
// events and their deferral, focus, keys and the clipboard. A kind adds its own conversions and
// keys by overriding the slots below; a kind with an inner native edit (the text edit) reaches
// it only through IcxCustomInnerEdit / IcxInnerTextEdit.
#include "editors/cxEdit/cxContainer.h"
#include "editors/cxEdit/cxEditDataBinding.h"
#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxEdit/cxEditRepository.h"
#include "editors/cxEdit/cxEditState.h"
#include "editors/cxEdit/cxEditStyle.h"
#include "editors/cxEdit/cxEditValueSource.h"
#include "editors/cxEdit/cxInnerEdit.h"
#include "framework/DeferredWork.h"
#include "runtime/ScopedRestore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace velkaro {

using TcxEditEditingEvent = std::function<void(TObject* Sender, bool& CanEdit)>;
using TcxEditHostKeyHook = std::function<void(TObject* Sender, std::uint16_t& key, TShiftState)>;

// Each kind hands the base constructor the maker of its properties class.
using TcxEditPropertiesFactory =
    std::function<std::unique_ptr<TcxCustomEditProperties>(IcxEditPropertiesOwner*)>;
template <class Properties> TcxEditPropertiesFactory MakePropertiesFactory() {
    return [](IcxEditPropertiesOwner* owner) { return std::make_unique<Properties>(owner); };
}

// Everything a paint of an edit shows: two equal looks paint the same pixels.
struct TcxEditLook {
    TcxEditFrame Frame;
    TColor Background = 0;
    TColor Text = 0;
    int Width = 0;
    int Height = 0;
    // The kind's content.
    bool InnerEditShown = false;
    std::wstring PaintedText;
    HFONT Font = nullptr;
    TAlignment Horz = taLeftJustify;
    TcxEditVertAlignment Vert = taTopJustify;
    friend bool operator==(const TcxEditLook&, const TcxEditLook&) = default;
};

class TcxCustomEdit : public TcxContainer,
                      public IcxEditValueSource,
                      protected IcxEditPropertiesOwner,
                      private IcxEditRepositoryItemListener {
public:
    ~TcxCustomEdit() override;

    // The properties in use: the repository item's when one is set, else the own ones.
    TcxCustomEditProperties& ActiveProperties() const;
    TcxCustomEditProperties& Properties() const { return ActiveProperties(); }
    // Copies into the own properties (ignored while a repository item is set).
    void SetProperties(const TcxCustomEditProperties& value);
    TcxCustomEditStyle& Style();
    // Copies into the own style.
    void SetStyle(const TcxContainerStyle& value);

    virtual Variant EditValue() const { return editValue_; }
    // Ignored while OnEditing is asked, and for a change of the user's the edit may not take;
    // otherwise AssignEditValue.
    virtual void SetEditValue(const Variant& value);
    // The display text (the window text).
    std::wstring Text() const { return ReadWindowText(); }
    // Answers whether the text was taken.
    bool SetText(const std::wstring& text) { return WriteWindowText(text); }
    void SetCaption(const std::wstring& text) override { WriteWindowText(text); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TcxEditRepositoryItem* RepositoryItem() const { return repositoryItem_; }
    void SetRepositoryItem(TcxEditRepositoryItem* item);
    TcxEditDataBinding& DataBinding() const { return *dataBinding_; }
    IcxCustomInnerEdit* InnerEdit() const { return innerEdit_; }

    // The edit form is shown exactly while the control or its inner edit has the focus.
    bool InEditForm() const override;
    virtual bool HasInputFocus() const;
    bool ChangeByUser() const { return changeByUser_; }
    bool EditingActive() const { return state_.EditingActive(); }
    bool TextModified() const { return state_.TextModified(); }
    bool InputChecked() const { return state_.InputChecked(); }
    bool IsInPlace() const { return false; }
    bool IsPosting() const { return posting_; }
    bool ShowingError() const { return showingError_; }
    const Variant& ValueAtEnter() const { return valueAtEnter_; }
    bool IsDestroying() const override { return destroying_; }
    bool IsLoading() const { return loading_; }

    // Form loading: properties changes are not announced in between; afterwards the control
    // applies them all at once.
    void BeginLoad();
    virtual void EndLoad();

    // Permission to change the value now (OnEditing, read-only, the binding).
    bool RequestEditing();
    // Validates typed text and commits it; false when it is invalid (report: raise the error).
    bool CheckInput(bool report);
    void PostValue();
    void LockChangeEvents();
    void UnlockChangeEvents(bool fire = true);
    void MarkModified() { state_.MarkModified(); }
    void MarkSetByCode() { state_.MarkSetByCode(); }
    void MarkEditing() { state_.MarkEditing(); }
    // Hands a key the edit does not use to the host key hook.
    void NotifyHostKey(std::uint16_t& key, TShiftState shift);

    void SetFocus() override;

    // Converts a display value into an edit value (the text edit: a copy).
    Variant MakeEditValue(const Variant& DisplayValue, bool InEditForm) override;

    TcxEditEditingEvent OnEditing;
    // Stored only.
    TNotifyEvent PropertiesEvents;
    // Offered the keys the edit does not use (in-place hosts; unassigned for stand-alone edits).
    TcxEditHostKeyHook HostKeyHook;

protected:
    TcxCustomEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);
    // Completes the creation with the final class's slots; the constructor of each published
    // class calls it last (again when a class derives from a published one).
    void AfterConstruction();
    // SetFocus with the inner edit taking the focus at once, where what follows needs it there
    // (a click passed on to it).
    void SetFocusAtOnce();

    // The hooks a kind overrides, grouped by the path that calls them. Each line says when the
    // hook runs, what it may change and what it must not do; an override calls its base unless
    // it replaces the behaviour whole.

    // A key, from the inner edit or the control's own window: OnKeyDown, then HandleKeyDown;
    // OnKeyPress, then HandleKeyPress (the character of a key press whose key down was cleared
    // still comes: Enter's #13 reaches OnKeyPress after Enter's validation); OnKeyUp, then
    // HandleKeyUp. The questions answer from the state and change nothing.
    // Each key OnKeyDown left: a kind handles its own keys, clears each it used and hands the
    // rest to its base (Enter validates, Escape returns, Tab moves on). Must not let a used key
    // through to the native edit.
    virtual void HandleKeyDown(std::uint16_t& key, TShiftState shift);
    // Each character OnKeyPress left: clears one refused; a cleared one reaches no native edit.
    virtual void HandleKeyPress(wchar_t& key);
    // Each key up OnKeyUp left; nothing in the core.
    virtual void HandleKeyUp(std::uint16_t& key, TShiftState shift);
    // Before OnKeyDown, a question: the key clicks the default edit button.
    virtual bool IsButtonShortCut(std::uint16_t key, TShiftState shift) const;
    // Whether the key may act now: an editing key needs the permission (which may fire
    // OnEditing). A refused key goes to the host and no further.
    virtual bool IsKeyPermitted(std::uint16_t key, TShiftState shift);
    // Whether the character may be typed now (clears one that may not); may fire OnEditing.
    virtual bool IsCharPermitted(wchar_t& c);
    // Questions: the key, or the character, would change the text.
    virtual bool IsEditingKey(std::uint16_t key, TShiftState shift) const;
    virtual bool IsEditingChar(wchar_t c) const;
    // A question: the kind takes the character at all (the core refuses others silently).
    virtual bool AcceptsChar(wchar_t c) const;
    // A question: Tab stays in the edit instead of moving the focus.
    virtual bool KeepsAllKeys() const { return false; }
    // Escape while the user edits: the value at entering back, all selected, the change events
    // held until done. Must not validate.
    virtual void RevertToValueAtEnter();
    // Asked before each change of the user's, questions: the kind can be edited at all (a
    // lookup-only text edit cannot); read-only and the binding let the value change (OnEditing
    // is asked after this).
    virtual bool AllowsEditing() const { return true; }
    virtual bool CanChangeValue();
    // The clipboard messages, from a key (the text edit turns Ctrl+C, Ctrl+X, Ctrl+V into them)
    // or from code; each runs as the user's change, and a read-only edit only copies. They change
    // the text as typing does, never the value.
    virtual void CutText() {}
    virtual void CopyText() {}
    virtual void PasteText() {}
    // The clear message: the selection goes.
    virtual void DeleteSelection() {}
    // Empties the text; no path of the core calls it.
    virtual void ClearText() {}

    // Focus entering, through the form's enter processing.
    void DoEnter() override;
    // Fires OnEnter, shows the value in its edit form and records the value Escape returns to;
    // the span's flags come back after it and the text counts as unmodified. Skipped while an
    // error is shown. Must not validate.
    virtual void GainFocus();
    // Entering, leaving, and between the control and its inner edit (focusWindow has, or is
    // about to get, the focus): OnFocusChanged and the view, once per real change. May change
    // the view and the selection; must not move the focus, which is changing as it runs.
    virtual void UpdateFocusState(HWND focusWindow);
    // Selects the whole text (entering, Escape, an error report); changes the selection only.
    virtual void SelectAllText() {}

    // Focus leaving, through the form's exit processing, and Enter with ValidateOnEnter.
    void DoExit() override;
    // Validates typed text and posts it, shows the value in its display form and fires OnExit.
    // Skipped while an error is shown; invalid text ends it before OnExit, the focus taken back.
    virtual void LoseFocus();
    // The text validation checks and the window text reads; a question.
    virtual std::wstring GetDisplayText() const { return {}; }
    // Valid text becomes the value: stores the text as checked (OnValidate may have changed
    // it), the span's flags restored after it so that the span still counts as modified.
    virtual void CommitDisplayValue(const Variant& DisplayValue);
    // Invalid text: the focus taken back with all selected, the beep, then the error raised
    // with its text. Returns only for an empty text.
    virtual void ReportInputError(const std::wstring& errorText);
    // Around handing the value to the binding; only the posting flag.
    virtual void BeginPosting() { posting_ = true; }
    virtual void EndPosting() { posting_ = false; }

    // Writing a value: EditValue by code or the clear shortcut (SetEditValue, AssignEditValue),
    // the window text by code or the user (WriteWindowText, ApplyDisplayText,
    // StoreDisplayValue), and the inner edit's own text changing (InnerTextChanged). A value
    // written is shown at once; a text written by code makes the value; typed text changes only
    // the text until validation commits it.
    // Stores the value, shows it, marks the span and fires the change events (held under the
    // lock). Refused for a change of the user's the edit may not take.
    virtual void AssignEditValue(const Variant& value);
    // The window text written (WM_SETTEXT, SetText); answers whether it was taken.
    virtual bool WriteWindowText(const std::wstring& text) { return ApplyDisplayText(text); }
    // The window text read (WM_GETTEXT, Text); a question.
    virtual std::wstring ReadWindowText() const { return GetDisplayText(); }
    // A display text offered: converted by the kind and stored, or refused (a change of the
    // user's also needs the permission); answers whether it was taken.
    virtual bool ApplyDisplayText(const std::wstring&) { return false; }
    // Puts a display value into the inner edit. By code the value follows and the span counts
    // as set by code; by the user only the text changes.
    virtual void StoreDisplayValue(const Variant&) {}
    // Shows a display value without making a value of it; no path of the core calls it.
    virtual void ShowDisplayValue(const Variant&) {}
    // The inner edit's text changed (typing, the clipboard, code): marks the span modified while
    // focused and fires OnChange. Must not change the value: typed text waits for validation.
    virtual void InnerTextChanged();
    // Shows the value in the form the focus asks for, the span's flags kept. Must not change
    // the value.
    virtual void RefreshDisplayFromValue() {}
    // Makes the value from the text shown and fires OnEditValueChanged when it changed. Must not
    // change the text.
    virtual void RefreshValueFromDisplay() {}

    // The view: what is painted and where the inner edit sits, brought up to date by each path
    // above and painted on WM_PAINT. None changes a value, a text or the span's flags.
    // The text painted while the inner edit is hidden; invalidates.
    virtual void RefreshView() {}
    // Focus look, colours, the inner edit shown or hidden, the automatic height; invalidates.
    virtual void UpdateViewState();
    // A question: the native edit shows the text, rather than the control painting it.
    virtual bool IsInnerEditShown() const { return false; }
    // What a paint shows, to tell whether a change shows at all; none when the kind cannot tell
    // (it is then repainted on every change).
    virtual std::optional<TcxEditLook> Look() const { return std::nullopt; }
    // The look's part that the core paints: background, frame and size.
    TcxEditLook FrameLook() const;
    // Invalidates the view (or, inside a focus change, compares its look later).
    void InvalidateView();
    // Places the inner edit for a text line of the height.
    virtual void PositionInnerEdit(int height);
    // The height of the content for AutoSize, or 0 when the kind has no opinion.
    virtual int ContentHeight() { return 0; }
    // The width of the content for AutoSize, or 0 when the kind keeps its width.
    virtual int ContentWidth() { return 0; }
    void ApplyAutoSize();
    // Paints the whole client area's background before the frame (by default in the view's
    // background colour).
    virtual void PaintViewBackground(HDC dc, const RECT& client);
    // Paints what lies inside the frame (the background is painted already).
    virtual void PaintContent(HDC, const RECT&) {}
    // The frame as the look-and-feel paints it, and the area inside it.
    TcxEditFrame Frame() const;
    RECT ContentRect() const;
    TColor ViewBackgroundColor() const;
    TColor ViewTextColor() const;

    // The properties, the inner edit and the repository.
    // Each change the properties announce, and once after creation and loading: passes them on
    // (to the inner edit) and shows the value anew. May write the properties only with their
    // announcements held and dropped, which would otherwise come back here.
    virtual void ApplyPropertiesChange();
    // Once, when the inner edit is set: routes its text change to InnerTextChanged.
    virtual void HookInnerEdit();
    // A question: the item's properties are of this kind's class.
    virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem& item) const;

    // Stores the edit value without any of the steps of writing it.
    void SetStoredEditValue(const Variant& value) { editValue_ = value; }
    // Destruction has begun: events and focus processing stop.
    void BeginDestroy() { destroying_ = true; }

    bool KeyDown(std::uint16_t& key, TShiftState shift) override;
    bool KeyPress(wchar_t& key) override;
    bool KeyUp(std::uint16_t& key, TShiftState shift) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    std::unique_ptr<TcxContainerStyle> CreateStyle() override;
    void StyleChanged() override;
    // A style font left unassigned follows the control's (its parent's) font.
    void FontChanged() override;

    // The window-text messages with their buffer rules.
    LRESULT AnswerGetText(WPARAM bufferSize, LPARAM buffer) const;
    LRESULT AnswerGetTextLength() const;
    // The focus leaves one of the control's windows for another window, and is processed
    // unless it stays within the control.
    void FocusLeaving(HWND to);

    // The inner edit, set by kinds that have one (before AfterConstruction).
    void SetInnerEdit(IcxCustomInnerEdit* innerEdit);
    // Marks what follows, to the end of the caller's scope, as a change the user makes.
    [[nodiscard]] auto UserChange() { return ScopedValue(changeByUser_, true); }
    void SetInputChecked(bool value) { state_.SetInputChecked(value); }
    void SetTextModified(bool value) { state_.SetTextModified(value); }
    void FireChange();
    void FireEditValueChanged();
    TcxEditChangeEvents& ChangeEvents() { return changeEvents_; }
    TcxEditState& EditState() { return state_; }
    bool HasFocusWindow(HWND window) const;

private:
    friend class TcxChangeEventsLock;
    friend class TcxEditDataBinding;
    void ItemPropertiesChanged(TcxEditRepositoryItem& item) override;
    void ItemRemoved(TcxEditRepositoryItem& item) override;
    void AttachPropertiesHook();
    void DetachPropertiesHook();
    void HandleClipboardMessage(UINT message);
    // The handlers of the window procedure.
    LRESULT AnswerSetText(LPARAM text);
    LRESULT FocusArrived(WPARAM wParam, LPARAM lParam);
    // Answers whether the press goes on.
    bool FocusOnClick();
    void PassFocusToInnerEdit();
    bool DefersInnerFocus() const;
    void ShowInnerEditAsViewed();
    void ApplyInnerEditShown();
    void SyncView();
    void TabToNextControl(bool forward);
    void ClickDefaultButton();
    // Validates typed text and posts a valid one, the change events held back until both are done.
    bool ValidateAndPost();
    void Paint();

    std::unique_ptr<TcxCustomEditProperties> properties_;
    std::unique_ptr<TcxEditDataBinding> dataBinding_;
    TcxEditRepositoryItem* repositoryItem_ = nullptr;
    IcxCustomInnerEdit* innerEdit_ = nullptr;
    TcxEditState state_;
    TcxEditChangeEvents changeEvents_;
    Variant editValue_;
    Variant valueAtEnter_;
    bool autoSize_ = true;
    int pressedButton_ = -1;
    bool inEditingCheck_ = false;
    bool focusReported_ = false;
    bool posting_ = false;
    bool changeByUser_ = false;
    bool showingError_ = false;
    bool focusChanging_ = false;
    std::optional<TcxEditLook> paintedLook_;
    // What a handler's changes left for the view, done once the handler is.
    struct TPendingView {
        bool InnerFocus = false;     // the focus passes inward
        bool InnerEditShown = false; // the inner edit shown or hidden as viewed
        bool Look = false;           // repainted if the look differs from the one painted
    } pending_;
    TDeferred viewSync_{[this] { SyncView(); }};
    bool innerFocusAtOnce_ = false;
    bool destroying_ = false;
    bool loading_ = false;
};

// Holds the edit's change events back for a multi-step operation. On every way out the lock is
// released and what it held back fires, once each; leaving by an error, they fire as the error
// passes, and one of them failing then is not heard: the first error is the one reported. The
// operation must leave the lock as it found it.
class TcxChangeEventsLock {
public:
    explicit TcxChangeEventsLock(TcxCustomEdit& edit);
    ~TcxChangeEventsLock() noexcept(false);
    TcxChangeEventsLock(const TcxChangeEventsLock&) = delete;
    TcxChangeEventsLock& operator=(const TcxChangeEventsLock&) = delete;

private:
    TcxCustomEdit& edit_;
    int depth_;
    int exceptionsAtStart_;
};

} // namespace velkaro
