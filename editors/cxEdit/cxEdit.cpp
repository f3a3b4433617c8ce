#include "editors/cxEdit/cxEdit.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "editors/cxEdit/cxEditConsts.h"
#include "editors/cxEdit/cxEditKeys.h"
#include "framework/AccessibleAnnotation.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/WindowText.h"
#include "runtime/Exceptions.h"

#include <cassert>
#include <exception>
#include <typeinfo>

namespace velkaro {

namespace {

// The message texts come from the program's string table.
std::wstring LoadEditString(int id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                   reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<std::size_t>(length))
                                         : std::wstring();
}

const bool kStringTableLoaderInstalled = (SetResourceStringLoader(LoadEditString), true);

} // namespace

TcxCustomEdit::TcxCustomEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties)
    : TcxContainer(parent),
      properties_(*this, createProperties, [this] { ApplyPropertiesChange(); }),
      value_(*this, *this, [this]() -> TcxCustomEditProperties& { return ActiveProperties(); }) {
    (void)kStringTableLoaderInstalled;
    SetTabStop(true);
    // Like a native edit, it takes the platform's visual style where one is active.
    LookAndFeel().SetNativeStyle(true);
    value_.ChangeEvents().CanFire = [this] { return !loading_ && !destroying_; };
}

TcxCustomEdit::~TcxCustomEdit() {
    destroying_ = true;
    innerEdit_ = nullptr;
    properties_.Own().SetDefaultValuesProvider(nullptr);
}

void TcxCustomEdit::AfterConstruction() {
    properties_.Own().SetDefaultValuesProvider(DataBinding().DefaultValuesProvider());
    DataBinding().Initialize();
    ApplyPropertiesChange();
    DataBinding().UpdateDisplayValue();
}

TcxCustomEditProperties& TcxCustomEdit::ActiveProperties() const {
    return properties_.InUse();
}

void TcxCustomEdit::SetProperties(const TcxCustomEditProperties& value) {
    if (RepositoryItem() == nullptr) {
        properties_.Own().Assign(value);
    }
}

TcxCustomEditStyle& TcxCustomEdit::Style() {
    return static_cast<TcxCustomEditStyle&>(ContainerStyle());
}

void TcxCustomEdit::SetStyle(const TcxContainerStyle& value) {
    Style().Assign(value);
}

std::unique_ptr<TcxContainerStyle> TcxCustomEdit::CreateStyle() {
    return std::make_unique<TcxCustomEditStyle>(this);
}

void TcxCustomEdit::StyleChanged() {
    ApplyAutoSize();
    UpdateViewState();
}

void TcxCustomEdit::FontChanged() {
    TcxContainer::FontChanged();
    StyleChanged();
}

void TcxCustomEdit::SetInnerEdit(IcxCustomInnerEdit* innerEdit) {
    innerEdit_ = innerEdit;
    SetInnerControl(innerEdit != nullptr ? &innerEdit->Control() : nullptr);
    HookInnerEdit();
}

void TcxCustomEdit::HookInnerEdit() {
    if (innerEdit_ != nullptr) {
        innerEdit_->SetOnChange([this] { InnerTextChanged(); });
    }
}

void TcxCustomEdit::BeginLoad() {
    loading_ = true;
    properties_.DetachOwnHook();
}

void TcxCustomEdit::EndLoad() {
    loading_ = false;
    DataBinding().Initialize();
    ApplyAutoSize();
    if (RepositoryItem() == nullptr) {
        properties_.AttachOwnHook();
    }
    ApplyPropertiesChange();
    StyleChanged();
}

void TcxCustomEdit::SetDisplayValue(const Variant& value) {
    if (innerEdit_ != nullptr) {
        innerEdit_->SetEditValue(value);
    }
}

void TcxCustomEdit::InnerTextChanged() {
    const bool focused = HasInputFocus();
    // Both the control and the native field the user may be in announce the new content.
    NotifyAccessibleEvent(Handle(), EVENT_OBJECT_VALUECHANGE);
    if (innerEdit_ != nullptr && &innerEdit_->Control() != this) {
        NotifyAccessibleEvent(innerEdit_->Control().Handle(), EVENT_OBJECT_VALUECHANGE);
    }
    value_.TextChanged(focused);
}

// Permission, errors.

bool TcxCustomEdit::EditingPermitted() {
    bool canEdit = true;
    if (OnEditing) {
        OnEditing(this, canEdit);
    }
    return canEdit;
}

void TcxCustomEdit::ReportInputError(const TcxInputVerdict& verdict) {
    if (verdict.IsValid()) {
        return;
    }
    if (!InEditForm() && HandleAllocated() && IsWindowVisible(Handle())) {
        {
            const auto showing = ScopedValue(showingError_, true);
            if (innerEdit_ != nullptr) {
                innerEdit_->SafelySetFocus();
            } else {
                ::SetFocus(Handle());
            }
        }
        UpdateFocusState(FocusedWindow());
        SelectAllText();
    }
    if (ActiveProperties().BeepOnError()) {
        EditBeep();
    }
    if (verdict.PostError) {
        std::rethrow_exception(verdict.PostError);
    }
    if (!verdict.ErrorText.empty()) {
        throw Exception(verdict.ErrorText);
    }
}

void TcxCustomEdit::ApplyPropertiesChange() {
    value_.SetInputChecked(false);
    if (innerEdit_ != nullptr) {
        innerEdit_->SetReadOnly(ActiveProperties().ReadOnly());
    }
    UpdateViewState();
}

void TcxCustomEdit::NotifyHostKey(std::uint16_t& key, TShiftState shift) {
    if (HostKeyHook) {
        HostKeyHook(this, key, shift);
    }
}

// Focus.

bool TcxCustomEdit::InEditForm() const {
    // Without a window, neither its own nor its inner edit's, it cannot have the focus: asking the
    // system which window has it would cost a round trip for every property set before it shows.
    const bool windowed =
        HandleAllocated() || (innerEdit_ != nullptr && innerEdit_->Control().HandleAllocated());
    return windowed && focus_.HasWindow(FocusedWindow());
}

bool TcxCustomEdit::HasInputFocus() const {
    if (InEditForm()) {
        return true;
    }
    TForm* form = const_cast<TcxCustomEdit*>(this)->ParentForm();
    if (form == nullptr) {
        return false;
    }
    const TControl* active = form->ActiveControl();
    return active != nullptr &&
           (active == this || (innerEdit_ != nullptr && active == &innerEdit_->Control()));
}

void TcxCustomEdit::SetFocus() {
    if (InEditForm()) {
        return;
    }
    // Straight into a shown inner edit, which takes the typing: by way of the control's own
    // window the focus would change twice, each a round of requests to the window server.
    const TForm* form = ParentForm();
    if (innerEdit_ != nullptr && innerEdit_->Control().HandleAllocated() && HandleAllocated() &&
        form != nullptr && form->Visible() && CanFocus() && !focus_.DefersInner()) {
        const TFocusRequest request(*this);
        innerEdit_->SafelySetFocus();
        request.EndIfRefused();
        return;
    }
    TcxContainer::SetFocus();
    focus_.PassToInner();
}

void TcxCustomEdit::DoEnter() {
    GainFocus();
}

void TcxCustomEdit::DoExit() {
    LoseFocus();
}

void TcxCustomEdit::GainFocus() {
    if (destroying_) {
        return;
    }
    const auto step = focus_.Step();
    if (!showingError_) {
        value_.Enter([this] { TcxContainer::DoEnter(); });
    }
    UpdateViewState();
}

void TcxCustomEdit::LoseFocus() {
    if (destroying_ || showingError_) {
        return;
    }
    const auto step = focus_.Step();
    const TcxInputVerdict verdict = value_.Leave([this] {
        RefreshView();
        UpdateViewState();
    });
    if (!verdict.IsValid()) {
        // Invalid text keeps the focus (taken back by the report): no exit.
        ReportInputError(verdict);
        return;
    }
    // OnExit sees the span's flags as the user left them; only then is the text unmodified.
    TcxContainer::DoExit();
    value_.Left();
}

void TcxCustomEdit::UpdateFocusState(HWND focusWindow) {
    if (destroying_ || showingError_) {
        return;
    }
    if (!focus_.Report(focusWindow)) {
        return;
    }
    const auto step = focus_.Step();
    if (OnFocusChanged) {
        RunFocusStep([this] { OnFocusChanged(this); });
    }
    RefreshView();
    UpdateViewState();
    // A modal form closed with a result other than cancel commits valid typed text silently.
    TForm* form = ParentForm();
    if (form != nullptr && !form->Visible() && form->Modal() && form->ModalResult() != mrNone &&
        form->ModalResult() != mrCancel) {
        value_.CheckInput();
    }
}

void TcxCustomEdit::UpdateViewState() {
    view_.ShowInnerEdit();
    ApplyAutoSize();
    InvalidateView();
}

void TcxCustomEdit::PositionInnerEdit(int) {
    if (innerEdit_ != nullptr) {
        const RECT content = EditContentRect(*this);
        innerEdit_->Control().SetBounds(content.left, content.top, content.right - content.left,
                                        content.bottom - content.top);
    }
}

// Size and look.

void TcxCustomEdit::SetAutoSize(bool value) {
    if (IsInPlace() || autoSize_ == value) {
        return;
    }
    autoSize_ = value;
    ApplyAutoSize();
}

void TcxCustomEdit::ApplyAutoSize() {
    if (!autoSize_ || IsInPlace()) {
        return;
    }
    const int height = ContentHeight();
    const int width = ContentWidth();
    const int newHeight = height > 0 ? height : Height();
    const int newWidth = width > 0 ? width : Width();
    if (newHeight != Height() || newWidth != Width()) {
        SetBounds(Left(), Top(), newWidth, newHeight);
    }
}

void TcxCustomEdit::PaintViewBackground(HDC dc, const RECT& client) {
    FillSolid(dc, client, ColorToRGB(EditViewBackgroundColor(*this)));
}

void TcxCustomEdit::Paint() {
    const TPaintDC target(Handle());
    const RECT client = ClientRect();
    const TBufferedPaint buffer(target.Handle(), client);
    const HDC dc = buffer.Handle();
    PaintViewBackground(dc, client);
    const RECT content = DrawEditFrame(dc, Handle(), client, EditFrame(*this));
    PaintContent(dc, content);
    view_.Painted(Look());
}

// Keys.

bool TcxCustomEdit::IsEditingKey(std::uint16_t, TShiftState) const {
    return false;
}

bool TcxCustomEdit::IsEditingChar(wchar_t) const {
    return false;
}

bool TcxCustomEdit::IsButtonShortCut(std::uint16_t key, TShiftState shift) const {
    const TcxCustomEditProperties& properties = ActiveProperties();
    return properties.Buttons().Count() > 0 && ShortCutOf(key, shift) == properties.ClickKey();
}

bool TcxCustomEdit::AcceptsChar(wchar_t c) const {
    const auto& provider = ActiveProperties().DefaultValuesProvider();
    return provider == nullptr || provider->IsValidChar(c);
}

bool TcxCustomEdit::IsKeyPermitted(std::uint16_t key, TShiftState shift) {
    return DataBinding().Modified() || !IsEditingKey(key, shift) || value_.RequestEditing();
}

bool TcxCustomEdit::IsCharPermitted(wchar_t& c) {
    if (c >= 32 && !AcceptsChar(c)) {
        c = 0;
        return false;
    }
    if (!DataBinding().Modified() && IsEditingChar(c) && !value_.RequestEditing()) {
        c = 0;
        return false;
    }
    return true;
}

bool TcxCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (!IsButtonShortCut(key, shift)) {
        TcxContainer::KeyDown(key, shift);
    }
    if (key != 0) {
        HandleKeyDown(key, shift);
    }
    return key == 0;
}

bool TcxCustomEdit::KeyPress(wchar_t& key) {
    TcxContainer::KeyPress(key);
    if (key != 0) {
        HandleKeyPress(key);
    }
    return key == 0;
}

bool TcxCustomEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    TcxContainer::KeyUp(key, shift);
    if (key != 0) {
        HandleKeyUp(key, shift);
    }
    return key == 0;
}

void TcxCustomEdit::HandleKeyPress(wchar_t& key) {
    IsCharPermitted(key);
}

void TcxCustomEdit::HandleKeyUp(std::uint16_t&, TShiftState) {}

void TcxCustomEdit::HandleKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEditProperties& properties = ActiveProperties();
    const std::uint16_t shortCut = ShortCutOf(key, shift);
    if (properties.ClearKey() != 0 && shortCut == properties.ClearKey()) {
        const auto byUser = value_.UserChange();
        SetEditValue(Variant());
        key = 0;
    }
    if (key != 0 && IsButtonShortCut(key, shift)) {
        ClickDefaultButton();
        key = 0;
    }
    if (key != 0 && !IsKeyPermitted(key, shift)) {
        NotifyHostKey(key, shift);
        key = 0;
    }
    switch (key) {
    case VK_TAB:
        if (InEditForm() && (shift & (ssAlt | ssCtrl)) == 0 && !properties.KeepsTabKey()) {
            NotifyHostKey(key, shift);
            if (key == 0) {
                return;
            }
            key = 0;
            if (!KeepsAllKeys()) {
                TabToNextControl((shift & ssShift) == 0);
            }
        }
        break;
    case VK_RETURN:
        if (properties.ValidateOnEnter()) {
            key = 0;
            ReportInputError(value_.ValidateAndPost());
        }
        break;
    case VK_ESCAPE:
        if (value_.EditingActive()) {
            ReportInputError(value_.RevertToValueAtEnter());
            key = 0;
        }
        break;
    default:
        break;
    }
    if (key != 0 && !properties.KeepsNavigationKeys() && IsNavigationKey(key)) {
        NotifyHostKey(key, shift);
        key = 0;
    }
}

void TcxCustomEdit::TabToNextControl(bool forward) {
    if (TForm* form = ParentForm()) {
        form->SelectNext(this, forward);
    }
    if (HandleAllocated() && FocusedWindow() == Handle() && innerEdit_ != nullptr) {
        innerEdit_->SafelySetFocus();
    }
}

void TcxCustomEdit::ClickDefaultButton() {
    // The character of the same key press is not typed.
    MSG message;
    if (PeekMessageW(&message, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE) &&
        message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
    const TcxCustomEditProperties& properties = ActiveProperties();
    int index = 0;
    for (int i = 0; i < properties.Buttons().Count(); ++i) {
        if (properties.Buttons().Items(i).Default) {
            index = i;
            break;
        }
    }
    if (properties.OnButtonClick) {
        properties.OnButtonClick(this, index);
    }
}

// Repository.

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem& item) const {
    return typeid(item.Properties()) == typeid(properties_.Own());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* item) {
    if (item == RepositoryItem()) {
        return;
    }
    if (item != nullptr && !IsRepositoryItemAcceptable(*item)) {
        throw Exception(cxGetResourceString(cxSEditRepositoryItemNotAcceptable));
    }
    properties_.SetItem(item, !loading_ && !destroying_);
    if (item == nullptr) {
        properties_.Own().SetDefaultValuesProvider(DataBinding().DefaultValuesProvider());
    }
}

// Window.

void TcxCustomEdit::CreateParams(TCreateParams& params) {
    TcxContainer::CreateParams(params);
    params.ClassName = L"TcxCustomEdit";
    params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomEdit::HandleCreated() {
    view_.Reset();
    TcxContainer::HandleCreated();
    ApplyAutoSize();
    UpdateViewState();
}

void TcxCustomEdit::HandleClipboardMessage(UINT message) {
    const auto byUser = value_.UserChange();
    const bool readOnly = ActiveProperties().ReadOnly();
    switch (message) {
    case WM_CUT:
        if (readOnly) {
            CopyText();
        } else {
            CutText();
        }
        break;
    case WM_COPY:
        CopyText();
        break;
    case WM_PASTE:
        if (!readOnly) {
            PasteText();
        }
        break;
    case WM_CLEAR:
        if (!readOnly) {
            DeleteSelection();
        }
        break;
    default:
        break;
    }
}

LRESULT TcxCustomEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETTEXT:
        return AnswerGetText(ReadWindowText(), wParam, lParam);
    case WM_GETTEXTLENGTH:
        return AnswerGetTextLength(ReadWindowText());
    case WM_SETTEXT:
        return AnswerSetText(lParam,
                             [this](const std::wstring& text) { return WriteWindowText(text); });
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
        HandleClipboardMessage(message);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        ApplyAutoSize();
        break;
    case WM_ENABLE:
        UpdateViewState();
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_SETFOCUS:
        return focus_.Arrived(wParam, lParam);
    case WM_KILLFOCUS:
        focus_.Leaving(reinterpret_cast<HWND>(wParam));
        break;
    case WM_LBUTTONDOWN:
        if (!focus_.Click()) {
            return 0; // the press is over: its focus move was refused, or a window ran modal
        }
        break;
    case WM_LBUTTONDBLCLK:
        DblClick();
        break;
    default:
        break;
    }
    return TcxContainer::WndProc(message, wParam, lParam);
}

} // namespace velkaro
