#pragma once
// The behaviour of a masked edit that depends on the mask kind: one mode object per kind, acting
// on the control only through IcxMaskEditHost, so that the rules run without any window.
#include "editors/cxMaskEdit/cxRegularExpression.h"
#include "editors/cxStandardMask/cxStandardMask.h"
#include "editors/cxTextEdit/cxTextEditProperties.h"
#include "runtime/Events.h"
#include "runtime/Exceptions.h"
#include "runtime/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace velkaro {

enum TcxEditMaskKind { emkStandard = 0, emkRegExpr = 1, emkRegExprEx = 2 };

// A regular-expression mask that does not compile.
class EcxMaskEditError : public Exception {
public:
    using Exception::Exception;
};

// A mask made only of NULs, tabs, line breaks, form feeds and spaces counts as no mask.
bool IsActiveEditMask(std::wstring_view maskText);

// What a mode reads of the properties object.
class IcxMaskEditModeProperties {
public:
    virtual bool BeepOnError() const = 0;
    virtual bool IgnoreMaskBlank() const = 0;
    virtual bool CaseInsensitive() const = 0;
    // Unfocused fields show blank characters instead of spaces.
    virtual bool ShowBlanksUnfocused() const = 0;
    // With a case conversion of its own the edit value keeps the typed case.
    virtual bool UsesNormalCharCase() const = 0;

protected:
    ~IcxMaskEditModeProperties() = default;
};

// What a mode needs of the control. Positions are 0-based; the caret is the selection start.
class IcxMaskEditHost {
public:
    virtual bool HasWindow() const = 0;
    virtual bool IsDestroying() const = 0;

    // The text the field shows; writing it is a change of the user's, the same characters too
    // (the blanks entered changed).
    virtual std::wstring DisplayText() const = 0;
    virtual void SetDisplayText(const std::wstring& text) = 0;

    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    // Whether the end that moves with Shift+arrow lies at the selection start.
    virtual bool CaretAtSelectionStart() const = 0;
    // The control's own setters: each change ends with the mode's EnsureBlockCursor.
    virtual void SetSelStart(int start) = 0;
    virtual void SetSelLength(int length) = 0;
    // Sets the inner edit's selection directly (anchor at start, caret after it).
    virtual void SelectDirectly(int start, int length) = 0;

    // Sends the control a key-down of its own; it reaches the inner edit untouched by the mask.
    virtual void SendInternalKeyDown(std::uint16_t key) = 0;
    // Hands a key the edit does not use to the host key hook.
    virtual void NotifyHostKey(std::uint16_t& key, TShiftState shift) = 0;
    virtual void Beep() = 0;
    // Cuts the selection as the clipboard's cut command does.
    virtual void CutSelection() = 0;
    // The core's permissions: a read-only edit refuses editing keys and characters.
    virtual bool IsKeyPermitted(std::uint16_t key, TShiftState shift) = 0;
    virtual bool IsCharPermitted(wchar_t& c) = 0;
    // Set while the control sends itself a key.
    virtual bool InternalKey() const = 0;

    // Whether Shift was held at the last key-down (forced on during a mouse drag).
    virtual bool Selecting() const = 0;
    virtual void SetSelecting(bool value) = 0;

    // The user changed the display since the value was last committed.
    virtual bool TextModified() const = 0;
    // Rebuilds the display from the edit value by the display conversion.
    virtual void RefreshDisplayFromValue() = 0;
    virtual void SetEditValue(const Variant& value) = 0;

protected:
    ~IcxMaskEditHost() = default;
};

// A control that tests its texts with its own mode, which knows the blanks the user entered.
class IcxMaskEditTextTest {
public:
    virtual bool IsTextValid(const std::wstring& text) const = 0;

protected:
    ~IcxMaskEditTextTest() = default;
};

class TcxMaskEditCustomMode {
public:
    // Without an edit the mode only converts values (the properties' cached mode).
    TcxMaskEditCustomMode(IcxMaskEditHost* edit, const IcxMaskEditModeProperties* properties);
    virtual ~TcxMaskEditCustomMode() = default;
    TcxMaskEditCustomMode(const TcxMaskEditCustomMode&) = delete;
    TcxMaskEditCustomMode& operator=(const TcxMaskEditCustomMode&) = delete;

    virtual TcxEditMaskKind GetMaskKind() const = 0;
    virtual void AfterInsert() {}
    virtual void SetMask(const std::wstring& text);
    virtual std::wstring GetEmptyEditValue() const { return {}; }
    virtual std::wstring FormatText(const std::wstring& text) const { return text; }
    virtual void SelectOnEntry() {}
    virtual bool IsCursorBegin() const;
    virtual bool IsCursorEnd() const;
    virtual bool IsTextValid(const std::wstring& text) const = 0;
    virtual void EnsureBlockCursor() {}
    virtual void BeforeInsert() {}
    // The text about to replace the selection that BeforeInsert set.
    virtual void Inserting(const std::wstring& /*text*/) {}
    // The text edit took the replacement and is about to show the display; answers whether
    // what the mode knows of the display changed where its characters did not.
    virtual bool InsertionShown(const std::wstring& /*display*/) { return false; }
    // Each Press answers true when the key goes on to the text edit.
    virtual bool PressBackspace() { return true; }
    virtual bool PressDelete() { return true; }
    virtual bool PressEnd() { return true; }
    virtual bool PressHome() { return true; }
    virtual bool PressLeft() { return true; }
    virtual bool PressRight() { return true; }
    virtual bool PressChar(wchar_t& /*c*/) { return true; }
    virtual void TextSet() { EnsureBlockCursor(); }
    virtual void Resynchronize();
    void ApplyPendingReset();
    virtual std::wstring GetEditValueText(const std::wstring& text) const { return text; }

    // The display conversion of a value's text.
    virtual std::wstring MakeDisplayText(const std::wstring& valueText, bool inEditForm) const;
    // The display the control is about to show for its value, or for a display text shown
    // anew; the mode remembers what it knows of it.
    virtual std::wstring ShowValue(const std::wstring& valueText, bool inEditForm) {
        return MakeDisplayText(valueText, inEditForm);
    }
    virtual std::wstring ShowDisplay(const std::wstring& text, bool inEditForm) {
        return MakeDisplayText(text, inEditForm);
    }

    const std::wstring& MaskText() const { return maskText_; }
    bool IsMasked() const { return IsActiveEditMask(maskText_); }
    IcxMaskEditHost* Edit() const { return edit_; }
    const IcxMaskEditModeProperties* Properties() const { return properties_; }
    void SetProperties(const IcxMaskEditModeProperties* properties) { properties_ = properties; }
    int InsertLength = 0;
    // The case and echo settings the control last applied.
    TEditCharCase AppliedCharCase = ecNormal;
    TcxEditEchoMode AppliedEchoMode = eemNormal;

protected:
    bool HasLiveEdit() const { return edit_ != nullptr && !edit_->IsDestroying(); }
    void BeepOnError() const;
    // The display shows blank characters rather than the edit value's spaces.
    bool ShowsBlanks(bool inEditForm) const;

private:
    IcxMaskEditHost* edit_;
    const IcxMaskEditModeProperties* properties_;
    std::wstring maskText_;
    bool resetPending_ = false;
};

class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
public:
    using TcxMaskEditCustomMode::TcxMaskEditCustomMode;

    TcxEditMaskKind GetMaskKind() const override { return emkStandard; }
    void AfterInsert() override;
    void SetMask(const std::wstring& text) override;
    std::wstring GetEmptyEditValue() const override { return Mask.EmptyEditValue(); }
    std::wstring FormatText(const std::wstring& text) const override;
    bool IsCursorBegin() const override;
    bool IsTextValid(const std::wstring& text) const override;
    void EnsureBlockCursor() override;
    void BeforeInsert() override;
    bool PressBackspace() override;
    bool PressDelete() override;
    bool PressEnd() override;
    bool PressHome() override;
    bool PressLeft() override;
    bool PressRight() override;
    bool PressChar(wchar_t& c) override;
    void Inserting(const std::wstring& text) override;
    bool InsertionShown(const std::wstring& display) override;
    std::wstring GetEditValueText(const std::wstring& text) const override;
    std::wstring MakeDisplayText(const std::wstring& valueText, bool inEditForm) const override;
    std::wstring ShowValue(const std::wstring& valueText, bool inEditForm) override;
    std::wstring ShowDisplay(const std::wstring& text, bool inEditForm) override;

    TcxStandardMask Mask;
    int SavedSelStart = 0;

private:
    // Only positions inside the mask can be literals: a paste may make the text longer.
    bool IsLiteral(int position) const;
    int FirstNonLiteral() const;
    // The entered blanks the field knows of for a text, one per character.
    TcxEnteredBlanks EnteredIn(const std::wstring& text) const;
    // An edit value holds a space where a position is unfilled: its blank characters were
    // entered.
    TcxEnteredBlanks EnteredInValue(const std::wstring& valueText) const;
    // The display of a text whose entered blanks are known; they become the display's.
    std::wstring Displayed(const std::wstring& text, TcxEnteredBlanks& entered,
                           bool inEditForm) const;
    std::wstring EditValueText(const std::wstring& text, TcxEnteredBlanks& entered) const;
    // The display, remembered with its entered blanks.
    std::wstring Show(const std::wstring& text, TcxEnteredBlanks entered, bool inEditForm);
    // Shows the text, a change of the user's whenever a character or an entered blank differs.
    void ShowEdited(const std::wstring& text, const TcxEnteredBlanks& entered);
    void Remember(const std::wstring& text, const TcxEnteredBlanks& entered);

    // The blanks of the text the field shows that were entered as characters (a "0" typed where
    // the blank is "0"): the text cannot tell, the field sees every change it makes. A text it
    // did not make (the clear message deletes characters behind the mask) has none.
    std::wstring enteredText_;
    TcxEnteredBlanks entered_;
    // The display a paste under way makes, with its entered blanks: taken only when the text
    // edit takes the paste.
    std::optional<std::pair<std::wstring, TcxEnteredBlanks>> insertion_;
};

// Free typing as in the text edit; validation asks for a full match of the expression.
class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
public:
    using TcxMaskEditCustomMode::TcxMaskEditCustomMode;

    TcxEditMaskKind GetMaskKind() const override { return emkRegExpr; }
    // Raises EcxMaskEditError, keeping the old expression, when the text does not compile.
    void SetMask(const std::wstring& text) override;
    bool IsTextValid(const std::wstring& text) const override;

private:
    std::optional<TcxRegularExpression> expression_;
    std::optional<TcxRegularExpression> caseless_;
};

class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
public:
    using TcxMaskEditRegExprMode::TcxMaskEditRegExprMode;

    TcxEditMaskKind GetMaskKind() const override { return emkRegExprEx; }
};

// A new mode of the kind.
std::unique_ptr<TcxMaskEditCustomMode>
MakeMaskEditMode(TcxEditMaskKind kind, IcxMaskEditHost* edit,
                 const IcxMaskEditModeProperties* properties);

} // namespace velkaro
