#pragma once
// The masked edit: a text edit with an edit mask laid over it. Literal characters stay in place
// and the caret skips them, refused characters beep, and the text is tested for completeness
// when the edit validates it. The rules live in the mode of the mask's kind; the control gives
// the mode its text, caret and keys. Without an active mask it is a plain text edit.
#include "editors/cxMaskEdit/cxMaskEditKeys.h"
#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "editors/cxMaskEdit/cxMaskEditProperties.h"
#include "editors/cxTextEdit/cxTextEdit.h"

#include <memory>
#include <string>

namespace velkaro {

class TcxCustomMaskEdit : public TcxCustomTextEdit,
                          public IcxMaskEditTextTest,
                          private IcxMaskEditHost {
public:
    ~TcxCustomMaskEdit() override;

    TcxCustomMaskEditProperties& Properties() const;
    TcxCustomMaskEditProperties& ActiveProperties() const { return Properties(); }

    TcxMaskEditCustomMode& Mode() const { return *mode_; }
    // The edit-value form of what the field shows; the window text reads it.
    const std::wstring& EditValueText() const { return editValueText_; }
    // The control's test of a display text against its mask.
    bool IsTextValid(const std::wstring& text) const override { return mode_->IsTextValid(text); }

    // At the end of loading a masked field rebuilds its display from the loaded text.
    void EndLoad() override;

    // The core's and the text edit's members that the mode reaches as well.
    int SelStart() const override { return TcxCustomTextEdit::SelStart(); }
    int SelLength() const override { return TcxCustomTextEdit::SelLength(); }
    void SetSelStart(int start) override { SetCaretStart(start); }
    void SetSelLength(int length) override { SetSelectionLength(length); }
    void SetEditValue(const Variant& value) override { TcxCustomTextEdit::SetEditValue(value); }
    bool TextModified() const override { return ValueModel().TextModified(); }
    bool IsDestroying() const override { return TcxCustomTextEdit::IsDestroying(); }
    void NotifyHostKey(std::uint16_t& key, TShiftState shift) override {
        TcxCustomTextEdit::NotifyHostKey(key, shift);
    }

protected:
    TcxCustomMaskEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);

    bool IsMasked() const { return Properties().IsMasked(); }

    // The text edit's slots, as the mask changes them.
    void InnerTextChanged() override;
    void HandleKeyDown(std::uint16_t& key, TShiftState shift) override;
    void HandleKeyPress(wchar_t& key) override;
    void HandleKeyUp(std::uint16_t& key, TShiftState shift) override;
    void StoreDisplayValue(const Variant& DisplayValue) override;
    void ApplyPropertiesChange() override;
    void RefreshDisplayFromValue() override;
    void CutText() override;
    Variant MakeEditValue(const Variant& DisplayValue, bool InEditForm) override;
    std::wstring ReadWindowText() const override;
    bool WriteWindowText(const std::wstring& text) override;
    void SetSelectionLength(int value) override;
    void SetCaretStart(int value) override;
    void ReplaceSelection(const std::wstring& text) override;
    std::size_t PasteRoom() const override;
    void GainFocus() override;
    void FocusChanged(HWND focusWindow) override;
    void InnerMouseMessage(UINT message, WPARAM wParam) override;

private:
    // IcxMaskEditHost
    bool HasWindow() const override;
    std::wstring DisplayText() const override { return GetDisplayText(); }
    void SetDisplayText(const std::wstring& text) override;
    bool CaretAtSelectionStart() const override;
    void SelectDirectly(int start, int length) override;
    void SendInternalKeyDown(std::uint16_t key) override;
    void Beep() override;
    void CutSelection() override { CutToClipboard(); }
    bool IsKeyPermitted(std::uint16_t key, TShiftState shift) override {
        return TcxCustomTextEdit::IsKeyPermitted(key, shift);
    }
    bool IsCharPermitted(wchar_t& c) override { return TcxCustomTextEdit::IsCharPermitted(c); }
    bool InternalKey() const override { return internalKey_; }
    bool Selecting() const override { return selecting_; }
    void SetSelecting(bool value) override { selecting_ = value; }

    void UpdateEditValueText();
    void TextShown();
    HWND InnerHandle() const;

    std::unique_ptr<TcxMaskEditCustomMode> mode_;
    std::wstring editValueText_;
    bool internalKey_ = false;
    bool selecting_ = false;
};

class TcxMaskEdit : public TcxCustomMaskEdit {
public:
    explicit TcxMaskEdit(TControl* parent);

    TcxMaskEditProperties& Properties() const;

protected:
    void CreateParams(TCreateParams& params) override;
};

} // namespace velkaro
