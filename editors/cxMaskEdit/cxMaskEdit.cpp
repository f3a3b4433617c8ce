#include "editors/cxMaskEdit/cxMaskEdit.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "editors/cxTextEdit/cxTextEditing.h"
#include "runtime/ScopedRestore.h"

#include <windowsx.h>

#include <cstdlib>

namespace velkaro {

namespace {

bool CrossesStandardKind(TcxEditMaskKind from, TcxEditMaskKind to) {
    return (from == emkStandard) != (to == emkStandard);
}

} // namespace

TcxCustomMaskEdit::TcxCustomMaskEdit(TControl* parent,
                                     const TcxEditPropertiesFactory& createProperties)
    : TcxCustomTextEdit(parent, createProperties),
      mode_(std::make_unique<TcxMaskEditStandardMode>(static_cast<IcxMaskEditHost*>(this),
                                                      &Properties())) {}

TcxCustomMaskEdit::~TcxCustomMaskEdit() = default;

TcxCustomMaskEditProperties& TcxCustomMaskEdit::Properties() const {
    return static_cast<TcxCustomMaskEditProperties&>(TcxCustomTextEdit::Properties());
}

void TcxCustomMaskEdit::EndLoad() {
    TcxCustomTextEdit::EndLoad();
    if (IsMasked()) {
        const TcxChangeEventsLock lock(ValueModel());
        StoreDisplayValue(Variant(GetDisplayText()));
    }
}

// The text and its two forms.

void TcxCustomMaskEdit::UpdateEditValueText() {
    editValueText_ = mode_->GetEditValueText(GetDisplayText());
}

void TcxCustomMaskEdit::InnerTextChanged() {
    UpdateEditValueText();
    TcxCustomTextEdit::InnerTextChanged();
}

void TcxCustomMaskEdit::StoreDisplayValue(const Variant& DisplayValue) {
    // A change of the user's (typing, paste, clear) is shown as it is: a paste may run past the
    // mask, and validation then reports it.
    if (!IsMasked() || IsLoading()) {
        TcxCustomTextEdit::StoreDisplayValue(DisplayValue);
    } else if (ValueModel().ChangeByUser()) {
        // A paste of the characters shown ("0" over the blank "0") changes no text but fills
        // the positions: the native edit hears of no change, the field does.
        const std::wstring shown = DisplayValue.ToString();
        const bool sameText = shown == GetDisplayText();
        const bool filled = mode_->InsertionShown(shown);
        TcxCustomTextEdit::StoreDisplayValue(DisplayValue);
        if (sameText && filled) {
            InnerTextChanged();
        }
    } else {
        TcxCustomTextEdit::StoreDisplayValue(
            Variant(mode_->ShowDisplay(DisplayValue.ToString(), InEditForm())));
    }
    TextShown();
}

void TcxCustomMaskEdit::RefreshDisplayFromValue() {
    // The text edit shows the display the properties make of the value; the mode makes the
    // same and remembers which of its blanks the value holds as characters.
    if (IsMasked()) {
        mode_->ShowValue(EditValue().ToString(), InEditForm());
    }
    TcxCustomTextEdit::RefreshDisplayFromValue();
    TextShown();
}

// The text shown may be the one shown before while the mode's knowledge of it changed (the
// value Escape returns to shows the blanks a typed "0" left): the native edit then heard of no
// change.
void TcxCustomMaskEdit::TextShown() {
    if (IsMasked()) {
        UpdateEditValueText();
        mode_->TextSet();
    }
}

Variant TcxCustomMaskEdit::MakeEditValue(const Variant& DisplayValue, bool InEditForm) {
    if (!IsMasked()) {
        return TcxCustomTextEdit::MakeEditValue(DisplayValue, InEditForm);
    }
    return Variant(mode_->GetEditValueText(DisplayValue.ToString()));
}

std::wstring TcxCustomMaskEdit::ReadWindowText() const {
    return IsMasked() ? editValueText_ : TcxCustomTextEdit::ReadWindowText();
}

bool TcxCustomMaskEdit::WriteWindowText(const std::wstring& text) {
    if (!IsMasked() || IsLoading()) {
        return TcxCustomTextEdit::WriteWindowText(text);
    }
    // The text is shown through the mask first; the value is then the edit value of what the
    // mask shows, so that Text reads back what EditValue holds.
    SetEditValue(Variant(TextBeforeNul(text)));
    UpdateEditValueText();
    SetEditValue(Variant(editValueText_));
    return true;
}

// Keys.

void TcxCustomMaskEdit::HandleKeyDown(std::uint16_t& key, TShiftState shift) {
    if (IsMasked()) {
        MaskEditKeyDown(*mode_, key, shift);
    }
    if (key != 0) {
        TcxCustomTextEdit::HandleKeyDown(key, shift);
    }
}

void TcxCustomMaskEdit::HandleKeyPress(wchar_t& key) {
    if (!IsMasked() || MaskEditKeyPress(*mode_, key)) {
        TcxCustomTextEdit::HandleKeyPress(key);
    }
}

void TcxCustomMaskEdit::HandleKeyUp(std::uint16_t& key, TShiftState shift) {
    if (!internalKey_) {
        TcxCustomTextEdit::HandleKeyUp(key, shift);
    }
}

void TcxCustomMaskEdit::SendInternalKeyDown(std::uint16_t key) {
    const HWND inner = InnerHandle();
    if (inner == nullptr) {
        return;
    }
    InnerTextEditControl().ApplyHeldSelection();
    const auto internal = ScopedValue(internalKey_, true);
    SendMessageW(inner, WM_KEYDOWN, key, 1);
}

void TcxCustomMaskEdit::Beep() {
    EditBeep();
}

// Caret and selection.

void TcxCustomMaskEdit::SetSelectionLength(int value) {
    TcxCustomTextEdit::SetSelectionLength(value);
    if (IsMasked()) {
        mode_->EnsureBlockCursor();
    }
}

void TcxCustomMaskEdit::SetCaretStart(int value) {
    TcxCustomTextEdit::SetCaretStart(value);
    if (IsMasked()) {
        mode_->EnsureBlockCursor();
    }
}

void TcxCustomMaskEdit::SelectDirectly(int start, int length) {
    if (IcxInnerTextEdit* inner = InnerTextEdit()) {
        inner->SetSelStart(start);
        inner->SetSelLength(length);
    }
}

// The native edit keeps no record of which end of a selection the caret is at; the caret's
// position on the screen tells.
bool TcxCustomMaskEdit::CaretAtSelectionStart() const {
    const HWND inner = InnerHandle();
    POINT caret{};
    InnerTextEditControl().ApplyHeldSelection();
    if (inner == nullptr || FocusedWindow() != inner || !GetCaretPos(&caret)) {
        return true;
    }
    const LRESULT start = SendMessageW(inner, EM_POSFROMCHAR, SelStart(), 0);
    if (start == -1) {
        return true;
    }
    const int startX = GET_X_LPARAM(start);
    const LRESULT end = SendMessageW(inner, EM_POSFROMCHAR, SelStart() + SelLength(), 0);
    if (end == -1) {
        return caret.x <= startX + 1;
    }
    const int endX = GET_X_LPARAM(end);
    return std::abs(caret.x - startX) < std::abs(caret.x - endX);
}

bool TcxCustomMaskEdit::HasWindow() const {
    return HandleAllocated() && InnerHandle() != nullptr;
}

HWND TcxCustomMaskEdit::InnerHandle() const {
    const TcxCustomInnerTextEdit& inner = InnerTextEditControl();
    return inner.HandleAllocated() ? inner.Handle() : nullptr;
}

void TcxCustomMaskEdit::SetDisplayText(const std::wstring& text) {
    if (text == GetDisplayText()) {
        // A blank typed or deleted where the text looks the same: the native edit hears of no
        // change, but the positions the user filled did change.
        InnerTextChanged();
        return;
    }
    DataBinding().SetDisplayValue(Variant(text));
}

// Clipboard.

void TcxCustomMaskEdit::CutText() {
    if (!IsMasked() || HidesText()) {
        TcxCustomTextEdit::CutText();
        return;
    }
    CopyText();
    mode_->PressDelete();
}

void TcxCustomMaskEdit::ReplaceSelection(const std::wstring& text) {
    if (!IsMasked()) {
        TcxCustomTextEdit::ReplaceSelection(text);
        return;
    }
    MaskEditReplaceSelection(*mode_, text, [this](const std::wstring& inserted) {
        TcxCustomTextEdit::ReplaceSelection(inserted);
    });
}

std::size_t TcxCustomMaskEdit::PasteRoom() const {
    const std::size_t textRoom = TcxCustomTextEdit::PasteRoom();
    return IsMasked() ? MaskEditPasteRoom(*mode_, static_cast<std::size_t>(SelStart()), textRoom)
                      : textRoom;
}

// Focus and mouse.

void TcxCustomMaskEdit::GainFocus() {
    if (IsMasked() && Properties().AutoSelect()) {
        mode_->SelectOnEntry();
    }
    TcxCustomTextEdit::GainFocus();
}

void TcxCustomMaskEdit::UpdateFocusState(HWND focusWindow) {
    TcxCustomTextEdit::UpdateFocusState(focusWindow);
    if (IsMasked() && focusWindow == InnerHandle()) {
        mode_->EnsureBlockCursor();
    }
}

void TcxCustomMaskEdit::InnerMouseMessage(UINT message, WPARAM wParam) {
    TcxCustomTextEdit::InnerMouseMessage(message, wParam);
    if (!IsMasked()) {
        return;
    }
    if (message == WM_LBUTTONDOWN) {
        mode_->EnsureBlockCursor();
    } else if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) != 0) {
        const auto selecting = ScopedValue(selecting_, true);
        mode_->EnsureBlockCursor();
    }
}

// Properties changes: the mode follows the kind, the mask, the case and the echo.

void TcxCustomMaskEdit::ApplyPropertiesChange() {
    TcxCustomMaskEditProperties& properties = Properties();
    mode_->SetProperties(&properties);
    bool kindChanged = false, maskChanged = false, caseChanged = false;
    {
        // The announcements of what follows are held and dropped: the control is already
        // applying everything they would announce.
        properties.HoldChanges();
        const TScopedRestore silence([&properties] { properties.ReleaseChanges(false); });
        const std::wstring mask = properties.EditMask();
        const TcxEditMaskKind oldKind = mode_->GetMaskKind();
        kindChanged = oldKind != properties.MaskKind();
        maskChanged = mode_->MaskText() != mask;
        caseChanged = mode_->AppliedCharCase != properties.CharCase();
        const bool echoChanged = mode_->AppliedEchoMode != properties.EchoMode();

        bool maskCleared = false;
        if (kindChanged) {
            auto mode = MakeMaskEditMode(properties.MaskKind(), this, &properties);
            mode->AppliedCharCase = mode_->AppliedCharCase;
            mode->AppliedEchoMode = mode_->AppliedEchoMode;
            mode_ = std::move(mode);
            // A standard mask means nothing to an expression, nor an expression to a mask.
            if (CrossesStandardKind(oldKind, properties.MaskKind())) {
                properties.SetEditMask(std::wstring());
                maskCleared = true;
            }
            mode_->SetMask(properties.EditMask());
            if (mode_->IsMasked()) {
                mode_->Resynchronize();
            }
        }
        if (maskChanged) {
            properties.SetMaxLength(0);
            mode_->SetMask(mask);
            if (maskCleared) {
                properties.SetEditMask(mask);
            }
            if (mode_->IsMasked()) {
                mode_->Resynchronize();
            } else if (mode_->GetMaskKind() == emkStandard && HasWindow() && SelLength() == 1) {
                SelectDirectly(SelStart(), 0);
            }
        }
        if (caseChanged) {
            if (properties.CharCase() == ecNormal) {
                if (IcxInnerTextEdit* inner = InnerTextEdit()) {
                    inner->SetCharCase(ecNormal);
                }
                mode_->Resynchronize();
            }
            mode_->AppliedCharCase = properties.CharCase();
        }
        const int savedStart = SelStart();
        const int savedLength = SelLength();
        if (mode_->IsMasked() && (!EditValue().IsNull() || IsDestroying())) {
            mode_->ApplyPendingReset();
        }
        TcxCustomTextEdit::ApplyPropertiesChange();
        if (echoChanged) {
            SelectDirectly(savedStart, savedLength);
            mode_->AppliedEchoMode = properties.EchoMode();
        }
    }
    if (kindChanged || maskChanged || caseChanged) {
        UpdateEditValueText();
    }
}

TcxMaskEdit::TcxMaskEdit(TControl* parent)
    : TcxCustomMaskEdit(parent, MakePropertiesFactory<TcxMaskEditProperties>()) {
    AfterConstruction();
}

TcxMaskEditProperties& TcxMaskEdit::Properties() const {
    return static_cast<TcxMaskEditProperties&>(TcxCustomMaskEdit::Properties());
}

void TcxMaskEdit::CreateParams(TCreateParams& params) {
    TcxCustomMaskEdit::CreateParams(params);
    params.ClassName = L"TcxMaskEdit";
}

} // namespace velkaro
