#pragma once
// The base of every edit control of the family: the window of an edit value (its rules in
// TcxEditValue, which the window only asks and tells), the properties object (own or a
// repository item's, TcxEditRepositoryLink), the report of invalid input, focus (its bookkeeping
// between the control and its inner edit in TcxEditFocus), keys, the clipboard and the view (its
// work put off in TcxEditViewSync, its frame in cxEditFrame.h). A kind adds its own conversions
// (IcxEditValueText) and keys by overriding the slots below; a kind with an inner native edit
// (the text edit) reaches it only through IcxCustomInnerEdit / IcxInnerTextEdit.
#include "editors/cxEdit/cxContainer.h"
#include "editors/cxEdit/cxEditDataBinding.h"
#include "editors/cxEdit/cxEditFocus.h"
#include "editors/cxEdit/cxEditFrame.h"
#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxEdit/cxEditRepositoryLink.h"
#include "editors/cxEdit/cxEditStyle.h"
#include "editors/cxEdit/cxEditValue.h"
#include "editors/cxEdit/cxEditValueSource.h"
#include "editors/cxEdit/cxEditViewSync.h"
#include "editors/cxEdit/cxInnerEdit.h"

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

class TcxCustomEdit : public TcxContainer,
                      public IcxEditValueSource,
                      protected IcxEditValueText,
                      protected IcxEditPropertiesOwner {
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

    virtual Variant EditValue() const { return value_.EditValue(); }
    // Ignored while OnEditing is asked, and for a change of the user's the edit may not take.
    virtual void SetEditValue(const Variant& value) { value_.SetEditValue(value); }
    // The value with its editing span, the change events, validation and posting.
    TcxEditValue& ValueModel() { return value_; }
    const TcxEditValue& ValueModel() const { return value_; }
    // The display text (the window text).
    std::wstring Text() const { return ReadWindowText(); }
    // Answers whether the text was taken.
    bool SetText(const std::wstring& text) { return WriteWindowText(text); }
    void SetCaption(const std::wstring& text) override { WriteWindowText(text); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TcxEditRepositoryItem* RepositoryItem() const { return properties_.Item(); }
    void SetRepositoryItem(TcxEditRepositoryItem* item);
    TcxEditDataBinding& DataBinding() const { return value_.DataBinding(); }
    IcxCustomInnerEdit* InnerEdit() const { return innerEdit_; }

    // The edit form is shown exactly while the control or its inner edit has the focus.
    bool InEditForm() const override;
    virtual bool HasInputFocus() const;
    bool IsInPlace() const { return false; }
    // The focus state last processed (the frame shows it).
    bool FocusReported() const { return focus_.Reported(); }
    bool IsDestroying() const override { return destroying_; }
    bool IsLoading() const { return loading_; }

    // Form loading: properties changes are not announced in between; afterwards the control
    // applies them all at once.
    void BeginLoad();
    virtual void EndLoad();

    // Hands a key the edit does not use to the host key hook.
    void NotifyHostKey(std::uint16_t& key, TShiftState shift);

    void SetFocus() override;

    // Converts a display value into an edit value (the text edit: a copy).
    Variant MakeEditValue(const Variant&, bool) override { return {}; }

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
    // Where the focus is between the control and its inner edit, and where it goes.
    TcxEditFocus& Focus() { return focus_; }

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

    // Focus leaving, through the form's exit processing, and Enter with ValidateOnEnter.
    void DoExit() override;
    // Validates typed text and posts it, shows the value in its display form and fires OnExit.
    // Skipped while an error is shown; invalid text ends it before OnExit, the focus taken back.
    virtual void LoseFocus();
    // Acts on a verdict of validation or posting: unless valid, the focus taken back with all
    // selected, the beep, then the error raised. Returns only for valid and a handler's refusal.
    void ReportInputError(const TcxInputVerdict& verdict);

    // Writing a value: EditValue by code or the clear shortcut (the model's SetEditValue), the
    // window text by code or the user (WriteWindowText, ApplyDisplayText, StoreDisplayValue),
    // and the inner edit's own text changing (InnerTextChanged). A value written is shown at
    // once; a text written by code makes the value; typed text changes only the text until
    // validation commits it. The conversions between them are the IcxEditValueText slots.
    // The window text written (WM_SETTEXT, SetText); answers whether it was taken.
    virtual bool WriteWindowText(const std::wstring& text) { return ApplyDisplayText(text); }
    // The window text read (WM_GETTEXT, Text); a question.
    virtual std::wstring ReadWindowText() const { return GetDisplayText(); }
    // A display text offered: converted by the kind and stored, or refused (a change of the
    // user's also needs the permission); answers whether it was taken.
    virtual bool ApplyDisplayText(const std::wstring&) { return false; }
    // Shows a display value without making a value of it; no path of the core calls it.
    virtual void ShowDisplayValue(const Variant&) {}
    // The inner edit's text changed (typing, the clipboard, code): marks the span modified while
    // focused and fires OnChange. Must not change the value: typed text waits for validation.
    virtual void InnerTextChanged();
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
    // Invalidates the view (or, inside a focus change, compares its look later).
    void InvalidateView() { view_.Invalidate(); }
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

    // The properties, the inner edit and the repository.
    // Each change the properties announce, and once after creation and loading: passes them on
    // (to the inner edit) and shows the value anew. May write the properties only with their
    // announcements held and dropped, which would otherwise come back here.
    virtual void ApplyPropertiesChange();
    // Once, when the inner edit is set: routes its text change to InnerTextChanged.
    virtual void HookInnerEdit();
    // A question: the item's properties are of this kind's class.
    virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem& item) const;

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

    // The inner edit, set by kinds that have one (before AfterConstruction).
    void SetInnerEdit(IcxCustomInnerEdit* innerEdit);

    // IcxEditValueText: the text is the inner edit's, OnEditing the permission.
    void SetDisplayValue(const Variant& value) override;
    bool EditingPermitted() override;

private:
    friend class TcxEditFocus;
    friend class TcxEditViewSync;

    void HandleClipboardMessage(UINT message);
    void TabToNextControl(bool forward);
    void ClickDefaultButton();
    void Paint();

    // Set before the properties are made: their announcements ask IsDestroying.
    bool autoSize_ = true;
    bool showingError_ = false;
    bool destroying_ = false;
    bool loading_ = false;
    TcxEditRepositoryLink properties_;
    TcxEditValue value_;
    IcxCustomInnerEdit* innerEdit_ = nullptr;
    int pressedButton_ = -1;
    TcxEditFocus focus_{*this};
    TcxEditViewSync view_{*this};
};

} // namespace velkaro
