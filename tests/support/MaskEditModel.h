#pragma once
// A masked edit without a window for the native tests and the fuzzer: the mode's rules drive a
// model of the single-line native edit (anchor and caret, Shift and Ctrl navigation, typing and
// the clipboard messages), taking the road a key takes in the control.
#include "editors/cxMaskEdit/cxMaskEditKeys.h"
#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "tests/support/KeyScript.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace velkaro::test {

struct ModelProperties : IcxMaskEditModeProperties {
    bool beepOnError = true;
    bool ignoreMaskBlank = false;
    bool caseInsensitive = true;
    bool showBlanksUnfocused = false;
    bool normalCharCase = true;

    bool BeepOnError() const override { return beepOnError; }
    bool IgnoreMaskBlank() const override { return ignoreMaskBlank; }
    bool CaseInsensitive() const override { return caseInsensitive; }
    bool ShowBlanksUnfocused() const override { return showBlanksUnfocused; }
    bool UsesNormalCharCase() const override { return normalCharCase; }
};

class MaskEditModel final : public IcxMaskEditHost {
public:
    explicit MaskEditModel(const std::wstring& editMask, TcxEditMaskKind kind = emkStandard)
        : mode_(MakeMaskEditMode(kind, this, &properties)) {
        mode_->SetMask(editMask);
    }

    ModelProperties properties;
    std::wstring clipboard;
    int beeps = 0;
    int hostKeys = 0;
    bool readOnly = false;

    TcxMaskEditCustomMode& Mode() { return *mode_; }

    // Code writes the window text, then the field takes the focus with its text selected.
    void SetTextAndFocus(const std::wstring& text) {
        focused_ = false;
        SetEditValue(Variant(text));
        SetEditValue(Variant(editValueText_));
        focused_ = true;
        RefreshDisplayFromValue();
        textModified_ = false;
        anchor_ = 0;
        caret_ = Length();
        mode_->EnsureBlockCursor();
    }

    // Code writes the edit value while the field has the focus.
    void WriteEditValue(const std::wstring& value) { SetEditValue(Variant(value)); }

    // The native edit places the caret, then the mask shows its block there.
    void Click(int position) {
        anchor_ = caret_ = std::clamp(position, 0, Length());
        mode_->EnsureBlockCursor();
    }

    // A key press as the keyboard produces it: key-down, then its character if it has one.
    void Key(std::uint16_t key, TShiftState shift = 0, wchar_t character = 0) {
        heldShift_ = shift;
        KeyDown(key);
        if (character != 0 && (shift & ssCtrl) == 0) {
            KeyPress(character);
        }
        heldShift_ = 0;
    }
    void Type(wchar_t c) {
        heldShift_ = 0;
        KeyPress(c);
    }
    void Type(const std::wstring& text) {
        for (wchar_t c : text) {
            Type(c);
        }
    }
    void Run(std::wstring_view script) {
        for (const ScriptKey& key : ParseKeyScript(script)) {
            if (key.key == 0) {
                Type(key.character);
            } else {
                Key(key.key, key.shift, key.character);
            }
        }
    }
    void Paste(const std::wstring& text) {
        MaskEditReplaceSelection(*mode_, text, [this](const std::wstring& inserted) {
            ReplaceNativeSelection(inserted, true);
        });
    }
    void Cut() {
        clipboard = Selected();
        mode_->PressDelete();
    }

    std::wstring Text() const { return editValueText_; }
    const std::wstring& Display() const { return display_; }
    int Caret() const { return caret_; }

    // IcxMaskEditHost
    bool HasWindow() const override { return true; }
    bool IsDestroying() const override { return false; }
    std::wstring DisplayText() const override { return display_; }
    void SetDisplayText(const std::wstring& text) override {
        SetNativeText(text);
        if (focused_) {
            textModified_ = true;
        }
    }
    int SelStart() const override { return std::min(anchor_, caret_); }
    int SelLength() const override { return std::max(anchor_, caret_) - SelStart(); }
    bool CaretAtSelectionStart() const override { return caret_ <= anchor_; }
    void SetSelStart(int start) override {
        anchor_ = caret_ = std::clamp(start, 0, Length());
        mode_->EnsureBlockCursor();
    }
    void SetSelLength(int length) override {
        anchor_ = SelStart();
        caret_ = std::clamp(anchor_ + length, anchor_, Length());
        mode_->EnsureBlockCursor();
    }
    void SelectDirectly(int start, int length) override {
        anchor_ = std::clamp(start, 0, Length());
        caret_ = std::clamp(start + length, anchor_, Length());
    }
    void SendInternalKeyDown(std::uint16_t key) override {
        internalKey_ = true;
        KeyDown(key);
        internalKey_ = false;
    }
    void NotifyHostKey(std::uint16_t& /*key*/, TShiftState /*shift*/) override { ++hostKeys; }
    void Beep() override { ++beeps; }
    void CutSelection() override { KeyPress(24); }
    bool IsKeyPermitted(std::uint16_t key, TShiftState /*shift*/) override {
        return !readOnly || (key != kVkBack && key != kVkDelete);
    }
    bool IsCharPermitted(wchar_t& c) override {
        if (readOnly && (c == 8 || c == 22 || c == 24 || c >= 32)) {
            c = 0;
        }
        return c != 0;
    }
    bool InternalKey() const override { return internalKey_; }
    bool Selecting() const override { return selecting_; }
    void SetSelecting(bool value) override { selecting_ = value; }
    bool TextModified() const override { return textModified_; }
    void RefreshDisplayFromValue() override {
        SetNativeText(mode_->ShowValue(editValue_.ToString(), focused_));
        mode_->TextSet();
    }
    void SetEditValue(const Variant& value) override {
        editValue_ = value;
        RefreshDisplayFromValue();
        textModified_ = false;
    }

private:
    int Length() const { return static_cast<int>(display_.size()); }
    std::wstring Selected() const { return display_.substr(SelStart(), SelLength()); }

    void SetNativeText(const std::wstring& text) {
        display_ = text;
        anchor_ = caret_ = 0;
        editValueText_ = mode_->IsMasked() ? mode_->GetEditValueText(display_) : display_;
    }

    void KeyDown(std::uint16_t key) {
        if (mode_->IsMasked()) {
            MaskEditKeyDown(*mode_, key, heldShift_);
        }
        if (key != 0) {
            NativeKeyDown(key);
        }
    }

    void KeyPress(wchar_t c) {
        if (mode_->IsMasked()) {
            MaskEditKeyPress(*mode_, c);
        } else if (!IsCharPermitted(c)) {
            return;
        }
        switch (c) {
        case 0:
        case 13:
        case 3:
            break;
        case 22:
            Paste(clipboard);
            break;
        case 24:
            Cut();
            break;
        case 8:
            if (SelLength() == 0 && caret_ > 0) {
                anchor_ = caret_ - 1;
            }
            ReplaceNativeSelection(L"");
            break;
        default:
            ReplaceNativeSelection(std::wstring(1, c));
            break;
        }
    }

    // The native single-line edit's navigation: Shift extends from the anchor.
    void NativeKeyDown(std::uint16_t key) {
        const bool shift = (heldShift_ & ssShift) != 0;
        const bool ctrl = (heldShift_ & ssCtrl) != 0;
        int target = caret_;
        switch (key) {
        case kVkLeft:
            target = ctrl ? WordLeft() : (!shift && SelLength() > 0 ? SelStart() : caret_ - 1);
            break;
        case kVkRight:
            target = ctrl ? WordRight()
                          : (!shift && SelLength() > 0 ? SelStart() + SelLength() : caret_ + 1);
            break;
        case kVkHome:
            target = 0;
            break;
        case kVkEnd:
            target = Length();
            break;
        case kVkDelete:
            // Shift+Delete cuts a selection inside the native edit, without the clipboard
            // messages.
            if (shift && SelLength() > 0) {
                clipboard = Selected();
            } else if (SelLength() == 0 && caret_ < Length()) {
                caret_ = caret_ + 1;
            }
            ReplaceNativeSelection(L"");
            return;
        default:
            return;
        }
        caret_ = std::clamp(target, 0, Length());
        if (!shift) {
            anchor_ = caret_;
        }
    }

    int WordLeft() const {
        int p = caret_;
        while (p > 0 && display_[p - 1] == L' ') {
            --p;
        }
        while (p > 0 && display_[p - 1] != L' ') {
            --p;
        }
        return p;
    }
    int WordRight() const {
        int p = caret_;
        while (p < Length() && display_[p] != L' ') {
            ++p;
        }
        while (p < Length() && display_[p] == L' ') {
            ++p;
        }
        return p;
    }

    void ReplaceNativeSelection(const std::wstring& inserted, bool pasted = false) {
        const int start = SelStart();
        std::wstring text = display_;
        text.replace(start, SelLength(), inserted);
        if (pasted) {
            mode_->InsertionShown(text);
        }
        SetDisplayText(text);
        anchor_ = caret_ = start + static_cast<int>(inserted.size());
    }

    std::unique_ptr<TcxMaskEditCustomMode> mode_;
    std::wstring display_;
    std::wstring editValueText_;
    Variant editValue_;
    int anchor_ = 0;
    int caret_ = 0;
    TShiftState heldShift_ = 0;
    bool internalKey_ = false;
    bool selecting_ = false;
    bool focused_ = false;
    bool textModified_ = false;
};

} // namespace velkaro::test
