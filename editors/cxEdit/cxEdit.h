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
#include "runtime/ScopedRestore.h"

#include <cstdint>
#include <functional>
#include <memory>
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

    // The overridable slots, in the order the kinds rely on.
    virtual void PositionInnerEdit(int height);
    virtual void EndPosting() { posting_ = false; }
    virtual void BeginPosting() { posting_ = true; }
    virtual bool IsEditingKey(std::uint16_t key, TShiftState shift) const;
    virtual bool IsEditingChar(wchar_t c) const;
    virtual bool CanChangeValue();
    virtual void InnerTextChanged();
    virtual void HandleKeyDown(std::uint16_t& key, TShiftState shift);
    virtual void HandleKeyPress(wchar_t& key);
    virtual void HandleKeyUp(std::uint16_t& key, TShiftState shift);
    virtual std::wstring GetDisplayText() const { return {}; }
    virtual void ReportInputError(const std::wstring& errorText);
    virtual void HookInnerEdit();
    virtual bool AllowsEditing() const { return true; }
    virtual void StoreDisplayValue(const Variant&) {}
    virtual void AssignEditValue(const Variant& value);
    virtual void CommitDisplayValue(const Variant& DisplayValue);
    virtual bool IsInnerEditShown() const { return false; }
    virtual bool IsButtonShortCut(std::uint16_t key, TShiftState shift) const;
    virtual bool IsEditValueStored() const { return !editValue_.IsNull(); }
    virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem& item) const;
    virtual bool AcceptsChar(wchar_t c) const;
    virtual void ApplyPropertiesChange();
    virtual void RevertToValueAtEnter();
    virtual bool ApplyDisplayText(const std::wstring&) { return false; }
    virtual void ShowDisplayValue(const Variant&) {}
    virtual void RefreshDisplayFromValue() {}
    virtual void RefreshValueFromDisplay() {}
    virtual void RefreshView() {}
    virtual bool IsKeyPermitted(std::uint16_t key, TShiftState shift);
    virtual bool IsCharPermitted(wchar_t& c);
    virtual void ClearText() {}
    virtual void CopyText() {}
    virtual void CutText() {}
    virtual bool KeepsAllKeys() const { return false; }
    virtual void PasteText() {}
    virtual void SelectAllText() {}
    // What the window-text messages read and write.
    virtual std::wstring ReadWindowText() const { return GetDisplayText(); }
    virtual bool WriteWindowText(const std::wstring& text) { return ApplyDisplayText(text); }
    // The delete-selection part of the clear message.
    virtual void DeleteSelection() {}

    // Gaining and losing the focus (through the form's enter and exit processing).
    void DoEnter() override;
    void DoExit() override;
    virtual void GainFocus();
    virtual void LoseFocus();
    // Called for every focus change of the control or its inner edit; focusWindow is the
    // window that has, or is about to get, the focus.
    virtual void FocusChanged(HWND focusWindow);
    // Focus, colours, the inner edit's visibility and the automatic height.
    virtual void UpdateViewState();
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
