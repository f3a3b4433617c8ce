#include "editors/cxTextEdit/cxTextEdit.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "editors/cxTextEdit/cxTextEditing.h"
#include "framework/Clipboard.h"
#include "runtime/Exceptions.h"
#include "runtime/ScopedRestore.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace velkaro {

namespace {

UINT HorizontalFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

} // namespace

TcxCustomTextEdit::TcxCustomTextEdit(TControl* parent,
                                     const TcxEditPropertiesFactory& createProperties)
    : TcxCustomEdit(parent, createProperties),
      innerControl_(std::make_unique<TcxCustomInnerTextEdit>(*this)) {
    innerTextEdit_ = innerControl_.get();
    SetInnerEdit(innerControl_.get());
    SetParentColor(false);
    SetBounds(0, 0, 121, 21);
}

TcxCustomTextEdit::~TcxCustomTextEdit() {
    BeginDestroy();
    DestroyHandle();
}

TcxCustomTextEditProperties& TcxCustomTextEdit::Properties() const {
    return static_cast<TcxCustomTextEditProperties&>(TcxCustomEdit::ActiveProperties());
}

void TcxCustomTextEdit::CreateParams(TCreateParams& params) {
    TcxCustomEdit::CreateParams(params);
    params.ClassName = L"TcxCustomTextEdit";
}

void TcxCustomTextEdit::HandleCreated() {
    TcxCustomEdit::HandleCreated();
    ApplyInnerEditStyle();
    PlaceInnerEdit();
    UpdateViewState();
}

// Selection and text.

int TcxCustomTextEdit::SelStart() const {
    return innerTextEdit_->SelStart();
}

int TcxCustomTextEdit::SelLength() const {
    return innerTextEdit_->SelLength();
}

std::wstring TcxCustomTextEdit::SelText() const {
    const TcxTextSelection selection = ClampSelection(GetDisplayText(), {SelStart(), SelLength()});
    return GetDisplayText().substr(static_cast<std::size_t>(selection.Start),
                                   static_cast<std::size_t>(selection.Length));
}

TAccessibleDescription TcxCustomTextEdit::AccessibleDescription() {
    TAccessibleDescription description = TcxCustomEdit::AccessibleDescription();
    description.Role = ROLE_SYSTEM_TEXT;
    if (Properties().EchoMode() == eemPassword) {
        description.Value = std::wstring();
        description.State |= STATE_SYSTEM_PROTECTED;
    } else {
        description.Value = Text();
    }
    if (Properties().ReadOnly()) {
        description.State |= STATE_SYSTEM_READONLY;
    }
    return description;
}

std::wstring TcxCustomTextEdit::GetDisplayText() const {
    return innerTextEdit_->Text();
}

void TcxCustomTextEdit::SetSelectionLength(int value) {
    if (!Properties().LookupOnly()) {
        innerTextEdit_->SetSelLength(value);
    }
}

void TcxCustomTextEdit::SetCaretStart(int value) {
    if (!Properties().LookupOnly()) {
        innerTextEdit_->SetSelStart(value);
    }
}

void TcxCustomTextEdit::SelectAllText() {
    innerTextEdit_->SelectAll();
}

// The value pipeline.

Variant TcxCustomTextEdit::MakeEditValue(const Variant& DisplayValue, bool) {
    return DisplayValue;
}

bool TcxCustomTextEdit::ApplyDisplayText(const std::wstring& text) {
    Variant displayValue(TextBeforeNul(text));
    bool ok = Properties().AcceptDisplayValue(displayValue, InEditForm());
    if (ok && ValueModel().ChangeByUser()) {
        ok = ValueModel().RequestEditing();
    }
    if (ok) {
        StoreDisplayValue(displayValue);
    }
    return ok;
}

void TcxCustomTextEdit::StoreDisplayValue(const Variant& DisplayValue) {
    DataBinding().SetDisplayValue(DisplayValue);
    if (ValueModel().ChangeByUser()) {
        return;
    }
    ResetLookupSelection();
    RefreshValueFromDisplay();
    ValueModel().MarkSetByCode();
}

void TcxCustomTextEdit::ShowDisplayValue(const Variant& DisplayValue) {
    DataBinding().SetDisplayValue(DisplayValue);
}

void TcxCustomTextEdit::CommitDisplayValue(const Variant& DisplayValue) {
    TcxCustomTextEditProperties& properties = Properties();
    if (!properties.LookupOnly()) {
        const std::wstring text = ApplyCharCase(DisplayValue.ToString(), ecUpperCase);
        const auto& items = properties.LookupItems();
        const bool listed = std::any_of(items.begin(), items.end(), [&](const std::wstring& item) {
            return ApplyCharCase(item, ecUpperCase) == text;
        });
        if (!listed && properties.OnNewLookupDisplayText) {
            properties.OnNewLookupDisplayText(this, DisplayValue.ToString());
        }
    }
    TcxCustomEdit::CommitDisplayValue(DisplayValue);
}

void TcxCustomTextEdit::RefreshValueFromDisplay() {
    TcxEditValue& value = ValueModel();
    const Variant old = value.EditValue();
    value.StoreEditValue(MakeEditValue(Variant(GetDisplayText()), InEditForm()));
    if (value.ChangeByUser()) {
        value.MarkModified();
    } else {
        value.MarkSetByCode();
    }
    if (!(old == value.EditValue())) {
        value.FireEditValueChanged();
    }
}

void TcxCustomTextEdit::RefreshDisplayFromValue() {
    TcxCustomTextEditProperties& properties = Properties();
    const Variant value = EditValue();
    const bool inEditForm = InEditForm();
    const bool shown = properties.CanShowValue(value, inEditForm);
    Variant displayValue;
    if (inEditForm || shown) {
        displayValue =
            shown ? properties.MakeDisplayValue(value, inEditForm) : properties.EmptyDisplayValue();
    } else {
        try {
            displayValue =
                Variant(value.Kind() == VariantKind::DateTime ? DateTimeToStr(value.AsDateTime())
                                                              : value.ToString());
        } catch (const EVariantError&) {
            displayValue = Variant(std::wstring());
        }
    }
    {
        const TcxModifiedStateSave saved(ValueModel().State());
        DataBinding().SetDisplayValue(displayValue);
    }
    ResetLookupSelection();
    RefreshView();
}

void TcxCustomTextEdit::InnerTextChanged() {
    TcxCustomEdit::InnerTextChanged();
    if (lookupTyped_ && internalChangeCount_ == 0) {
        lookupTyped_ = false;
        CompleteLookup();
    }
    if (!IsInnerEditShown()) {
        RefreshView();
    }
}

void TcxCustomTextEdit::CompleteLookup() {
    TcxCustomTextEditProperties& properties = Properties();
    const std::wstring typed = GetDisplayText();
    if (!properties.AutoCompleteLookup() || typed.empty() ||
        SelStart() != static_cast<int>(typed.size())) {
        return;
    }
    const std::wstring wanted = ApplyCharCase(typed, ecUpperCase);
    for (const std::wstring& item : properties.LookupItems()) {
        const std::wstring candidate = ApplyCharCase(item, ecUpperCase);
        const bool matches = properties.LookupMatchAnywhere()
                                 ? candidate.find(wanted) != std::wstring::npos
                                 : candidate.starts_with(wanted);
        if (matches && candidate.starts_with(wanted) && item.size() > typed.size()) {
            {
                const auto internal = ScopedValue(internalChangeCount_, internalChangeCount_ + 1);
                const auto byUser = ValueModel().UserChange();
                ApplyDisplayText(typed + item.substr(typed.size()));
            }
            SetCaretStart(static_cast<int>(typed.size()));
            SetSelectionLength(static_cast<int>(item.size() - typed.size()));
            lookupSelection_ = true;
            return;
        }
    }
}

// The view.

bool TcxCustomTextEdit::IsInnerEditShown() const {
    if (Properties().LookupOnly() || InnerEdit() == nullptr) {
        return false;
    }
    return HasInputFocus() || Properties().Alignment().Horz() == taLeftJustify;
}

void TcxCustomTextEdit::RefreshView() {
    paintedText_ = Properties().GetPaintText(Variant(GetDisplayText()));
    InvalidateView();
}

std::optional<TcxEditLook> TcxCustomTextEdit::Look() const {
    TcxEditLook look = EditFrameLook(*this);
    look.InnerEditShown = IsInnerEditShown();
    look.PaintedText = paintedText_;
    look.Font = const_cast<TcxCustomTextEdit*>(this)->Style().Font().Handle();
    look.Horz = Properties().Alignment().Horz();
    look.Vert = Properties().Alignment().Vert();
    return look;
}

void TcxCustomTextEdit::UpdateViewState() {
    ApplyInnerEditStyle();
    TcxCustomEdit::UpdateViewState();
}

void TcxCustomTextEdit::ApplyInnerEditStyle() {
    TcxCustomInnerTextEdit& inner = *innerControl_;
    TFont& font = Style().Font();
    TFont& innerFont = inner.Font();
    // Only a real change reaches the native edit, which resets its margins on a new font.
    if (!innerFont.SameFace(font) || innerFont.Color() != EditViewTextColor(*this)) {
        innerFont.Assign(font);
        innerFont.SetColor(EditViewTextColor(*this));
    }
    inner.SetColor(EditViewBackgroundColor(*this));
}

int TcxCustomTextEdit::ContentHeight() {
    return EditContentHeight(Style().Font().Handle(), EditFrame(*this));
}

RECT TcxCustomTextEdit::InnerEditBounds(int lineHeight) const {
    const RECT content = EditContentRect(*this);
    RECT bounds;
    bounds.left = content.left + 1;
    bounds.right = content.right;
    switch (Properties().Alignment().Vert()) {
    case taBottomJustify:
        bounds.top = content.bottom - lineHeight + 1;
        break;
    case taVCenter:
        bounds.top = content.top + (content.bottom - content.top - lineHeight) / 2 + 1;
        break;
    case taTopJustify:
        bounds.top = content.top + 1;
        break;
    }
    bounds.bottom = bounds.top + lineHeight;
    return bounds;
}

void TcxCustomTextEdit::PositionInnerEdit(int height) {
    const RECT bounds = InnerEditBounds(height);
    TcxCustomInnerTextEdit& inner = *innerControl_;
    if (inner.Left() != bounds.left || inner.Top() != bounds.top ||
        inner.Width() != bounds.right - bounds.left ||
        inner.Height() != bounds.bottom - bounds.top) {
        inner.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top);
    }
}

void TcxCustomTextEdit::PlaceInnerEdit() {
    PositionInnerEdit(EditLineHeight(Style().Font().Handle()));
}

void TcxCustomTextEdit::PaintContent(HDC dc, const RECT&) {
    if (IsInnerEditShown()) {
        return;
    }
    const RECT area = InnerEditBounds(EditLineHeight(Style().Font().Handle()));
    DrawEditText(dc, area, paintedText_, Style().Font().Handle(), EditViewTextColor(*this),
                 HorizontalFlag(Properties().Alignment().Horz()));
}

void TcxCustomTextEdit::SetBounds(int left, int top, int width, int height) {
    TcxCustomEdit::SetBounds(left, top, width, height);
    PlaceInnerEdit();
}

void TcxCustomTextEdit::StyleChanged() {
    ApplyInnerEditStyle();
    TcxCustomEdit::StyleChanged();
    PlaceInnerEdit();
}

void TcxCustomTextEdit::ApplyPropertiesChange() {
    TcxCustomTextEditProperties& properties = Properties();
    IcxInnerTextEdit& inner = *innerTextEdit_;
    inner.SetAlignment(properties.Alignment().Horz(), properties.UseLeftAlignmentOnEditing());
    // The painted text is made anew before the redisplay below, whose change events run
    // handlers that may let the control paint (a dialog's message loop): they see the new look.
    // The redisplay makes it again, and the last refresh once more for the paths that skip it.
    if (!IsInnerEditShown()) {
        RefreshView();
    }
    inner.SetAutoSelect(properties.AutoSelect());
    inner.SetCharCase(properties.CharCase());
    inner.SetEchoMode(properties.EchoMode());
    inner.SetHideSelection(properties.HideSelection());
    inner.SetMaxLength(properties.MaxLength());
    inner.SetOEMConvert(properties.OEMConvert());
    InnerEdit()->SetReadOnly(properties.ReadOnly());
    if (DataBinding().NeedsRangeCheck() && properties.ChecksRange() &&
        properties.MinValue() != properties.MaxValue()) {
        RangeCheckHook();
    }
    // Typed text waits for validation, and a value being posted is already shown.
    if (!ValueModel().IsPosting() && !ValueModel().TextModified()) {
        RefreshDisplayFromValue();
    }
    RefreshView();
    TcxCustomEdit::ApplyPropertiesChange();
    PlaceInnerEdit();
    innerControl_->Invalidate();
}

// Focus.

void TcxCustomTextEdit::LoseFocus() {
    TcxCustomEdit::LoseFocus();
    ResetLookupSelection();
}

void TcxCustomTextEdit::UpdateFocusState(HWND focusWindow) {
    if (!recreatingInner_) {
        TcxCustomEdit::UpdateFocusState(focusWindow);
    }
}

// Keys.

bool TcxCustomTextEdit::IsEditingKey(std::uint16_t key, TShiftState) const {
    const bool stepsThroughItems =
        !Properties().LookupItems().empty() && (key == VK_UP || key == VK_DOWN);
    return IsTextEditingKey(key) || stepsThroughItems;
}

bool TcxCustomTextEdit::IsEditingChar(wchar_t c) const {
    return IsTextEditingChar(c);
}

bool TcxCustomTextEdit::AllowsEditing() const {
    return !Properties().LookupOnly();
}

bool TcxCustomTextEdit::AcceptsChar(wchar_t c) const {
    return TcxCustomEdit::AcceptsChar(c) ||
           (c < 256 && Properties().ValidChars().test(static_cast<std::size_t>(c)));
}

void TcxCustomTextEdit::HandleKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEdit::HandleKeyDown(key, shift);
    // The native edit would copy, cut and paste on these keys by itself, past the rules of the
    // clipboard messages (a password's, a mask's, the permission to edit).
    UINT message = 0;
    switch (ClipboardKeyCommand(key, shift, SelLength() > 0)) {
    case TcxClipboardCommand::Copy:
        message = WM_COPY;
        break;
    case TcxClipboardCommand::Cut:
        message = WM_CUT;
        break;
    case TcxClipboardCommand::Paste:
        message = WM_PASTE;
        break;
    case TcxClipboardCommand::None:
        return;
    }
    key = 0;
    SendMessageW(Handle(), message, 0, 0);
}

void TcxCustomTextEdit::HandleKeyPress(wchar_t& key) {
    TcxCustomEdit::HandleKeyPress(key);
    // A typed character may be completed from the lookup items once it is in the text.
    lookupTyped_ = key >= 32 && !Properties().LookupItems().empty();
}

bool TcxCustomTextEdit::InnerKeyDown(std::uint16_t& key, TShiftState shift) {
    return KeyDown(key, shift);
}

bool TcxCustomTextEdit::InnerKeyPress(wchar_t& key) {
    if (key == L'\t') {
        key = 0;
        return true;
    }
    KeyPress(key);
    if (key == L'\r' && !beepOnEnter_) {
        key = 0;
    }
    return key == 0;
}

bool TcxCustomTextEdit::InnerKeyUp(std::uint16_t& key, TShiftState shift) {
    if (key == VK_TAB) {
        key = 0;
    }
    return KeyUp(key, shift);
}

bool TcxCustomTextEdit::InnerUndoPermitted() {
    const auto byUser = ValueModel().UserChange();
    return ValueModel().RequestEditing();
}

// Clipboard.

bool TcxCustomTextEdit::HidesText() const {
    return Properties().EchoMode() == eemPassword;
}

// A password goes to no clipboard, as with a native password edit: copy and cut do nothing.
void TcxCustomTextEdit::CopyText() {
    if (SelLength() > 0 && !HidesText()) {
        innerTextEdit_->CopyToClipboard();
    }
}

void TcxCustomTextEdit::CutText() {
    if ((ValueModel().ChangeByUser() && Properties().LookupOnly()) || HidesText()) {
        return;
    }
    const auto result = DeleteSelectionText(GetDisplayText(), {SelStart(), SelLength()});
    if (!result) {
        return;
    }
    innerTextEdit_->CopyToClipboard();
    if (ApplyDisplayText(result->Text)) {
        SetCaretStart(result->Caret);
    }
}

void TcxCustomTextEdit::PasteText() {
    std::optional<std::wstring> text = GetClipboardText();
    if (!text) {
        return;
    }
    const TcxPastedText pasted = PastedText(std::move(*text), PasteRoom());
    if (pasted.Refused) {
        if (ActiveProperties().BeepOnError()) {
            EditBeep();
        }
        if (pasted.Text.empty()) {
            return;
        }
    }
    ReplaceSelection(pasted.Text);
}

std::size_t TcxCustomTextEdit::PasteRoom() const {
    return TextPasteRoom(Properties().MaxLength(), GetDisplayText().size(),
                         static_cast<std::size_t>(SelLength()));
}

void TcxCustomTextEdit::ReplaceSelection(const std::wstring& text) {
    const int maxLength = ValueModel().ChangeByUser() ? Properties().MaxLength() : 0;
    const auto result =
        ReplaceSelectionText(GetDisplayText(), {SelStart(), SelLength()}, text, maxLength);
    if (result && ApplyDisplayText(result->Text)) {
        SetCaretStart(result->Caret);
    }
}

void TcxCustomTextEdit::DeleteSelection() {
    const auto result = DeleteSelectionText(GetDisplayText(), {SelStart(), SelLength()});
    if (result && ApplyDisplayText(result->Text)) {
        SetCaretStart(result->Caret);
    }
}

void TcxCustomTextEdit::ClearText() {
    ApplyDisplayText(std::wstring());
}

void TcxCustomTextEdit::CutToClipboard() {
    SendMessageW(HandleNeeded(), WM_CUT, 0, 0);
}

void TcxCustomTextEdit::CopyToClipboard() {
    SendMessageW(HandleNeeded(), WM_COPY, 0, 0);
}

void TcxCustomTextEdit::PasteFromClipboard() {
    SendMessageW(HandleNeeded(), WM_PASTE, 0, 0);
}

void TcxCustomTextEdit::ClearSelection() {
    SendMessageW(HandleNeeded(), WM_CLEAR, 0, 0);
}

// A click on the painted text focuses the inner edit and places its caret there.
// A press whose focus move was refused, or that ran a modal window, is over: it neither tries
// again nor goes on.
LRESULT TcxCustomTextEdit::LeftButtonDown(WPARAM wParam, LPARAM lParam) {
    if (!InEditForm() && CanFocus()) {
        const TInputWatch press;
        if (FocusInnerEditByMouse() && !press.Interrupted()) {
            POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            MapWindowPoints(Handle(), innerControl_->Handle(), &point, 1);
            return SendMessageW(innerControl_->Handle(), WM_LBUTTONDOWN, wParam,
                                MAKELPARAM(point.x, point.y));
        }
        if (press.Interrupted()) {
            return 0;
        }
    }
    return TcxCustomEdit::WndProc(WM_LBUTTONDOWN, wParam, lParam);
}

// Answers whether the inner edit has the focus now.
bool TcxCustomTextEdit::FocusInnerEditByMouse() {
    TcxCustomInnerTextEdit& inner = *innerControl_;
    inner.SetFocusByMouse(true);
    Focus().SetAtOnce();
    inner.SetFocusByMouse(false);
    return inner.HandleAllocated() && FocusedWindow() == inner.Handle();
}

LRESULT TcxCustomTextEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return recreatingInner_ ? DefaultHandler(message, wParam, lParam)
                                : TcxCustomEdit::WndProc(message, wParam, lParam);
    case WM_SIZE:
        PlaceInnerEdit();
        break;
    case WM_LBUTTONDOWN:
        return LeftButtonDown(wParam, lParam);
    default:
        break;
    }
    return TcxCustomEdit::WndProc(message, wParam, lParam);
}

TcxTextEdit::TcxTextEdit(TControl* parent)
    : TcxTextEdit(parent, MakePropertiesFactory<TcxTextEditProperties>()) {}

TcxTextEdit::TcxTextEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties)
    : TcxCustomTextEdit(parent, createProperties) {
    AfterConstruction();
}

TcxTextEditProperties& TcxTextEdit::Properties() const {
    return static_cast<TcxTextEditProperties&>(TcxCustomTextEdit::Properties());
}

void TcxTextEdit::CreateParams(TCreateParams& params) {
    TcxCustomTextEdit::CreateParams(params);
    params.ClassName = L"TcxTextEdit";
}

} // namespace velkaro
