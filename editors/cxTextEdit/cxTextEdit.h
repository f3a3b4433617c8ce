#pragma once
// The single-line text edit: the edit core with a native edit window inside that does the
// typing, caret and selection. Its display value is the inner edit's text and its edit value by
// default that same text; the masked and currency edits change only the conversions and keys.
#include "editors/cxEdit/cxEdit.h"
#include "editors/cxTextEdit/cxTextEditProperties.h"
#include "framework/Edit.h"

#include <functional>
#include <optional>
#include <string>

namespace velkaro {

class TcxCustomTextEdit;

// The inner native edit: no border, no tab stop, margins 0 left and 1 right, every key and
// character handed to its control first.
class TcxCustomInnerTextEdit : public TEdit, public IcxCustomInnerEdit, public IcxInnerTextEdit {
public:
    explicit TcxCustomInnerTextEdit(TcxCustomTextEdit& container);

    TcxCustomTextEdit& Container() const { return container_; }

    // IcxCustomInnerEdit
    TControl& Control() override { return *this; }
    Variant EditValue() const override { return Variant(Text()); }
    void SetEditValue(const Variant& value) override;
    void BeginUpdate() override { ++updateCount_; }
    void EndUpdate() override;
    void SafelySetFocus() override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    bool ReadOnly() const override { return TEdit::ReadOnly(); }
    void SetReadOnly(bool value) override { TEdit::SetReadOnly(value); }

    // IcxInnerTextEdit
    std::wstring Text() const override;
    void CopyToClipboard() override;
    int SelStart() const override;
    int SelLength() const override;
    void SetSelStart(int value) override;
    void SetSelLength(int value) override;
    void SelectAll() override;
    void SetSelText(const std::wstring& text) override;
    void SetAlignment(TAlignment value, bool useLeftAlignmentOnEditing) override;
    void SetAutoSelect(bool value) override { autoSelect_ = value; }
    void SetCharCase(TEditCharCase value) override { charCase_ = value; }
    void SetEchoMode(TcxEditEchoMode value) override;
    void SetHideSelection(bool value) override;
    void SetMaxLength(int value) override { TEdit::SetMaxLength(value); }
    void SetOEMConvert(bool value) override;

    void SetBounds(int left, int top, int width, int height) override;
    // Placed and styled by its container, at the container's scale.
    void ChangeScale(int, int) override {}
    // The field the user is in is its control: a screen reader hears the control's name and value.
    TAccessibleDescription AccessibleDescription() override;
    bool AutoSelect() const { return autoSelect_; }
    // The next focus arrives by a mouse click, which places the caret instead of selecting.
    void SetFocusByMouse(bool value) { focusByMouse_ = value; }
    TAlignment Alignment() const { return alignment_; }
    // Gives the native edit a selection held while a key is handled, before something reads
    // the native edit's own (its caret, a key sent to it) and when the key is done.
    void ApplyHeldSelection() const;

    void SetCaption(const std::wstring& text) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void FontChanged() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool KeyDown(std::uint16_t& key, TShiftState shift) override;
    bool KeyPress(wchar_t& key) override;
    bool KeyUp(std::uint16_t& key, TShiftState shift) override;
    // The pointer over it is over its control, whose events and menu it raises.
    TControl& EventControl() override;

private:
    void ApplyMargins();
    void RecreateWindow();
    void RaiseContainerMouseEvents(UINT message, LPARAM lParam);
    bool SelectsAllOnFocus();
    // The handlers of the window procedure.
    void NotifyCommand(WORD code);
    LRESULT AnswerDialogCode(WPARAM wParam, LPARAM lParam);
    LRESULT LeftButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT PointerMoved(WPARAM wParam, LPARAM lParam);
    LRESULT ForwardMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT FocusArrived(WPARAM wParam, LPARAM lParam);
    LRESULT FocusLeft(WPARAM wParam, LPARAM lParam);
    void SettleFocusLoss(HWND to) override;
    void ReapplyStyleBits(DWORD mask, DWORD bits);
    bool UndoPermitted();
    void Select(UINT start, UINT end);
    template <class Handler> bool HoldingSelection(Handler&& handle);

    // A selection as EM_SETSEL takes it: the caret at End.
    struct THeldSelection {
        UINT Start;
        UINT End;
    };

    TcxCustomTextEdit& container_;
    std::function<void()> onChange_;
    int updateCount_ = 0;
    bool autoSelect_ = true;
    bool focusByMouse_ = false;
    TAlignment alignment_ = taLeftJustify;
    TEditCharCase charCase_ = ecNormal;
    TcxEditEchoMode echoMode_ = eemNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    int selectionHolds_ = 0;
    // Not yet given to the native edit; read back as the selection meanwhile. Given when the key
    // is done, or before a modal window a handler of the key opens.
    mutable std::optional<THeldSelection> heldSelection_;
    mutable TDeferred heldSelectionRelease_{[this] { ApplyHeldSelection(); }};
};

class TcxCustomTextEdit : public TcxCustomEdit {
public:
    ~TcxCustomTextEdit() override;

    TcxCustomTextEditProperties& Properties() const;
    TcxCustomTextEditProperties& ActiveProperties() const { return Properties(); }

    // Pass an Enter character no handler took to the native edit (which warns with a sound).
    bool BeepOnEnter() const { return beepOnEnter_; }
    void SetBeepOnEnter(bool value) { beepOnEnter_ = value; }

    // The inner edit's selection and text (what the user sees, committed or not).
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int value) { SetCaretStart(value); }
    void SetSelLength(int value) { SetSelectionLength(value); }
    std::wstring SelText() const;
    void SelectAll() { SelectAllText(); }
    IcxInnerTextEdit* InnerTextEdit() const { return innerTextEdit_; }

    // The clipboard operations as the user would run them (with ChangeByUser set).
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();

    void SetBounds(int left, int top, int width, int height) override;
    // An editable (or read-only) text whose value is what the field shows; a password is not told.
    TAccessibleDescription AccessibleDescription() override;

    TcxNewLookupDisplayTextEvent& OnNewLookupDisplayText() {
        return Properties().OnNewLookupDisplayText;
    }

protected:
    TcxCustomTextEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);

    // The core's slots, as the text edit fills them.
    void PositionInnerEdit(int height) override;
    bool IsEditingKey(std::uint16_t key, TShiftState shift) const override;
    bool IsEditingChar(wchar_t c) const override;
    void InnerTextChanged() override;
    void HandleKeyDown(std::uint16_t& key, TShiftState shift) override;
    void HandleKeyPress(wchar_t& key) override;
    std::wstring GetDisplayText() const override;
    bool AllowsEditing() const override;
    void StoreDisplayValue(const Variant& DisplayValue) override;
    void CommitDisplayValue(const Variant& DisplayValue) override;
    bool IsInnerEditShown() const override;
    bool AcceptsChar(wchar_t c) const override;
    void ApplyPropertiesChange() override;
    bool ApplyDisplayText(const std::wstring& text) override;
    void ShowDisplayValue(const Variant& DisplayValue) override;
    void RefreshDisplayFromValue() override;
    void RefreshValueFromDisplay() override;
    void RefreshView() override;
    void ClearText() override;
    void CopyText() override;
    void CutText() override;
    void PasteText() override;
    void SelectAllText() override;
    void DeleteSelection() override;
    Variant MakeEditValue(const Variant& DisplayValue, bool InEditForm) override;
    void LoseFocus() override;
    void UpdateFocusState(HWND focusWindow) override;

    // The text edit's own slots.
    // Font and colours to the inner edit.
    virtual void ApplyInnerEditStyle();
    // Called when the binding asks for a range check of a numeric kind.
    virtual void RangeCheckHook() {}
    virtual void SetSelectionLength(int value);
    virtual void SetCaretStart(int value);
    virtual void ReplaceSelection(const std::wstring& text);
    // How many characters of a paste the field takes; it refuses the rest with its beep.
    virtual std::size_t PasteRoom() const;
    // Completion against LookupItems: the tail completed for a typed text, if any.
    virtual void CompleteLookup();
    virtual void ResetLookupSelection() { lookupSelection_ = false; }
    // The inner edit's left button and mouse moves, after the native edit has handled them.
    virtual void InnerMouseMessage(UINT /*message*/, WPARAM /*wParam*/) {}

    // The edit echoes stars: its text goes to no clipboard.
    bool HidesText() const;

    // The text painted while the inner edit is hidden.
    const std::wstring& PaintedText() const { return paintedText_; }
    std::optional<TcxEditLook> Look() const override;
    void PaintContent(HDC dc, const RECT& content) override;
    int ContentHeight() override;
    void UpdateViewState() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void StyleChanged() override;
    TcxCustomInnerTextEdit& InnerTextEditControl() const { return *innerControl_; }

private:
    friend class TcxCustomInnerTextEdit;
    // The inner edit's routing of its keys (answers true when the key was consumed).
    bool InnerKeyDown(std::uint16_t& key, TShiftState shift);
    bool InnerKeyPress(wchar_t& key);
    bool InnerKeyUp(std::uint16_t& key, TShiftState shift);
    // The permission for the native edit's undo, asked as for every change of the user's.
    bool InnerUndoPermitted();
    void PlaceInnerEdit();
    RECT InnerEditBounds(int lineHeight) const;
    LRESULT LeftButtonDown(WPARAM wParam, LPARAM lParam);
    bool FocusInnerEditByMouse();

    std::unique_ptr<TcxCustomInnerTextEdit> innerControl_;
    IcxInnerTextEdit* innerTextEdit_ = nullptr;
    bool beepOnEnter_ = true;
    int internalChangeCount_ = 0;
    bool lookupSelection_ = false;
    bool lookupTyped_ = false;
    std::wstring paintedText_;
    // While the inner edit's window is re-created its focus moves are not the user's.
    bool recreatingInner_ = false;
};

class TcxTextEdit : public TcxCustomTextEdit {
public:
    explicit TcxTextEdit(TControl* parent);

    TcxTextEditProperties& Properties() const;

protected:
    TcxTextEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);
    void CreateParams(TCreateParams& params) override;
};

} // namespace velkaro
