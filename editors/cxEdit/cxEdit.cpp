#include "editors/cxEdit/cxEdit.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "editors/cxEdit/cxEditConsts.h"
#include "editors/cxEdit/cxEditKeys.h"
#include "framework/AccessibleAnnotation.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/DeferredWork.h"
#include "framework/Form.h"
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
      value_(*this, *this, [this]() -> TcxCustomEditProperties& { return ActiveProperties(); }) {
    (void)kStringTableLoaderInstalled;
    properties_ = createProperties(this);
    SetTabStop(true);
    // Like a native edit, it takes the platform's visual style where one is active.
    LookAndFeel().SetNativeStyle(true);
    value_.ChangeEvents().CanFire = [this] { return !loading_ && !destroying_; };
    AttachPropertiesHook();
}

TcxCustomEdit::~TcxCustomEdit() {
    destroying_ = true;
    if (repositoryItem_ != nullptr) {
        repositoryItem_->RemoveListener(*this);
    }
    innerEdit_ = nullptr;
    if (properties_) {
        properties_->SetDefaultValuesProvider(nullptr);
        DetachPropertiesHook();
    }
}

void TcxCustomEdit::AfterConstruction() {
    properties_->SetDefaultValuesProvider(DataBinding().DefaultValuesProvider());
    DataBinding().Initialize();
    ApplyPropertiesChange();
    DataBinding().UpdateDisplayValue();
}

void TcxCustomEdit::AttachPropertiesHook() {
    properties_->OnPropertiesChanged = [this](TObject*) { ApplyPropertiesChange(); };
}

void TcxCustomEdit::DetachPropertiesHook() {
    properties_->OnPropertiesChanged = nullptr;
}

TcxCustomEditProperties& TcxCustomEdit::ActiveProperties() const {
    return repositoryItem_ != nullptr ? repositoryItem_->Properties() : *properties_;
}

void TcxCustomEdit::SetProperties(const TcxCustomEditProperties& value) {
    if (repositoryItem_ == nullptr) {
        properties_->Assign(value);
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
    DetachPropertiesHook();
}

void TcxCustomEdit::EndLoad() {
    loading_ = false;
    DataBinding().Initialize();
    ApplyAutoSize();
    if (repositoryItem_ == nullptr) {
        AttachPropertiesHook();
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

bool TcxCustomEdit::HasFocusWindow(HWND window) const {
    if (window == nullptr) {
        return false;
    }
    if (HandleAllocated() && window == Handle()) {
        return true;
    }
    return innerEdit_ != nullptr && innerEdit_->Control().HandleAllocated() &&
           window == innerEdit_->Control().Handle();
}

bool TcxCustomEdit::InEditForm() const {
    // Without a window, neither its own nor its inner edit's, it cannot have the focus: asking the
    // system which window has it would cost a round trip for every property set before it shows.
    const bool windowed =
        HandleAllocated() || (innerEdit_ != nullptr && innerEdit_->Control().HandleAllocated());
    return windowed && HasFocusWindow(FocusedWindow());
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
        form != nullptr && form->Visible() && CanFocus() && !DefersInnerFocus()) {
        const TFocusRequest request(*this);
        innerEdit_->SafelySetFocus();
        request.EndIfRefused();
        return;
    }
    TcxContainer::SetFocus();
    PassFocusToInnerEdit();
}

void TcxCustomEdit::SetFocusAtOnce() {
    const auto atOnce = ScopedValue(innerFocusAtOnce_, true);
    SetFocus();
}

// A hidden inner edit takes the focus once the handler's messages are done, if the control
// still has it then: a focus that only passes through (a calculation's through the amount
// field) makes and destroys no caret, a round of some dozen requests to the window server.
bool TcxCustomEdit::DefersInnerFocus() const {
    return !innerFocusAtOnce_ && innerEdit_ != nullptr && !innerEdit_->Control().Visible();
}

// The typing belongs in the inner edit, when there is one to take it.
void TcxCustomEdit::PassFocusToInnerEdit() {
    if (innerEdit_ == nullptr || !innerEdit_->Control().HandleAllocated() || !HandleAllocated() ||
        FocusedWindow() != Handle()) {
        return;
    }
    if (!DefersInnerFocus()) {
        innerEdit_->SafelySetFocus();
    } else {
        pending_.InnerFocus = true;
        viewSync_.Schedule();
    }
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
    const auto changing = ScopedValue(focusChanging_, true);
    if (!showingError_) {
        value_.Enter([this] { TcxContainer::DoEnter(); });
    }
    UpdateViewState();
}

void TcxCustomEdit::LoseFocus() {
    if (destroying_ || showingError_) {
        return;
    }
    const auto changing = ScopedValue(focusChanging_, true);
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
    // A window of the thread that has the focus is inside its active window: only a window
    // that may not have it any more needs the system asked.
    const bool focused = HasFocusWindow(focusWindow) &&
                         (focusWindow == FocusedWindow() || GetActiveWindow() != nullptr);
    if (focused == focusReported_) {
        return;
    }
    focusReported_ = focused;
    const auto changing = ScopedValue(focusChanging_, true);
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
    ShowInnerEditAsViewed();
    ApplyAutoSize();
    InvalidateView();
}

// Inside an event handler the inner edit is shown or hidden when the handler's messages are done,
// before anything is painted: a focus that passes through the control and back moves no window,
// and each move is a round of requests to the window server.
void TcxCustomEdit::ShowInnerEditAsViewed() {
    if (innerEdit_ == nullptr) {
        return;
    }
    if (!HandleAllocated()) {
        ApplyInnerEditShown();
    } else {
        pending_.InnerEditShown = true;
        viewSync_.Schedule();
    }
}

// A focus change inside an event handler repaints a kind that can tell its look only when,
// the handler done, the look differs from the one painted last: a focus that comes and goes
// repaints nothing.
void TcxCustomEdit::InvalidateView() {
    if (focusChanging_ && paintedLook_ && HandleAllocated()) {
        pending_.Look = true;
        viewSync_.Schedule();
    } else {
        Invalidate();
    }
}

// The inner edit shown before it takes the focus: a screen reader hears the focus land on the
// window it then reads.
void TcxCustomEdit::SyncView() {
    if (destroying_) {
        return;
    }
    if (pending_.InnerEditShown) {
        ApplyInnerEditShown();
    }
    if (pending_.InnerFocus) {
        pending_.InnerFocus = false;
        const auto atOnce = ScopedValue(innerFocusAtOnce_, true);
        PassFocusToInnerEdit();
    }
    if (pending_.Look) {
        pending_.Look = false;
        if (Look() != paintedLook_) {
            Invalidate();
        }
    }
}

TcxEditLook TcxCustomEdit::FrameLook() const {
    TcxEditLook look;
    look.Frame = Frame();
    look.Background = ViewBackgroundColor();
    look.Text = ViewTextColor();
    const RECT client = ClientRect();
    look.Width = client.right - client.left;
    look.Height = client.bottom - client.top;
    return look;
}

void TcxCustomEdit::ApplyInnerEditShown() {
    pending_.InnerEditShown = false;
    TControl& inner = innerEdit_->Control();
    const bool shown = IsInnerEditShown();
    if (inner.Visible() != shown) {
        inner.SetVisible(shown);
    }
}

void TcxCustomEdit::PositionInnerEdit(int) {
    if (innerEdit_ != nullptr) {
        const RECT content = ContentRect();
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

TcxEditFrame TcxCustomEdit::Frame() const {
    auto& self = const_cast<TcxCustomEdit&>(*this);
    TcxCustomEditStyle& style = self.Style();
    TcxEditFrame frame;
    frame.BorderStyle = style.BorderStyle();
    frame.BorderColor = style.BorderColor();
    frame.Themed = style.LookAndFeel().NativeStyle() && AreVisualStylesActive();
    frame.Enabled = Enabled();
    frame.ReadOnly = ActiveProperties().ReadOnly();
    frame.Focused = focusReported_;
    frame.PixelsPerInch = PixelsPerInch();
    return frame;
}

RECT TcxCustomEdit::ContentRect() const {
    RECT rect = ClientRect();
    const int border = EditBorderWidth(Frame());
    InflateRect(&rect, -border, -border);
    return rect;
}

TColor TcxCustomEdit::ViewBackgroundColor() const {
    return EditBackgroundColor(const_cast<TcxCustomEdit*>(this)->Style().Color(), Enabled());
}

TColor TcxCustomEdit::ViewTextColor() const {
    return EditTextColor(const_cast<TcxCustomEdit*>(this)->Style().Font().Color(), Enabled());
}

void TcxCustomEdit::PaintViewBackground(HDC dc, const RECT& client) {
    FillSolid(dc, client, ColorToRGB(ViewBackgroundColor()));
}

void TcxCustomEdit::Paint() {
    const TPaintDC target(Handle());
    const RECT client = ClientRect();
    const TBufferedPaint buffer(target.Handle(), client);
    const HDC dc = buffer.Handle();
    PaintViewBackground(dc, client);
    const RECT content = DrawEditFrame(dc, Handle(), client, Frame());
    PaintContent(dc, content);
    paintedLook_ = Look();
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
    return typeid(item.Properties()) == typeid(*properties_);
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* item) {
    if (item == repositoryItem_) {
        return;
    }
    if (item != nullptr && !IsRepositoryItemAcceptable(*item)) {
        throw Exception(cxGetResourceString(cxSEditRepositoryItemNotAcceptable));
    }
    if (repositoryItem_ != nullptr) {
        repositoryItem_->RemoveListener(*this);
    }
    repositoryItem_ = item;
    if (item != nullptr) {
        item->AddListener(*this);
        DetachPropertiesHook();
        ApplyPropertiesChange();
    } else {
        if (!loading_ && !destroying_) {
            AttachPropertiesHook();
        }
        properties_->SetDefaultValuesProvider(DataBinding().DefaultValuesProvider());
    }
}

void TcxCustomEdit::ItemPropertiesChanged(TcxEditRepositoryItem&) {
    ApplyPropertiesChange();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem&) {
    repositoryItem_ = nullptr;
    if (!destroying_) {
        AttachPropertiesHook();
        ApplyPropertiesChange();
    }
}

// Window.

void TcxCustomEdit::CreateParams(TCreateParams& params) {
    TcxContainer::CreateParams(params);
    params.ClassName = L"TcxCustomEdit";
    params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomEdit::HandleCreated() {
    // A former window's view work went with it, and the new one painted nothing yet.
    pending_ = {};
    viewSync_.Cancel();
    paintedLook_.reset();
    TcxContainer::HandleCreated();
    ApplyAutoSize();
    UpdateViewState();
}

LRESULT TcxCustomEdit::AnswerGetText(WPARAM bufferSize, LPARAM buffer) const {
    if (bufferSize < 1 || buffer == 0) {
        return 0;
    }
    const std::wstring text = ReadWindowText();
    const std::size_t count = std::min<std::size_t>(text.size(), bufferSize - 1);
    auto* target = reinterpret_cast<wchar_t*>(buffer);
    text.copy(target, count);
    target[count] = L'\0';
    return static_cast<LRESULT>(count);
}

LRESULT TcxCustomEdit::AnswerGetTextLength() const {
    return static_cast<LRESULT>(ReadWindowText().size());
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

LRESULT TcxCustomEdit::AnswerSetText(LPARAM text) {
    return WriteWindowText(text != 0 ? reinterpret_cast<const wchar_t*>(text) : L"") ? 1 : 0;
}

// Back from the own inner edit nothing changes for the form; from elsewhere the focus is
// processed. Either way the typing belongs in the inner edit.
LRESULT TcxCustomEdit::FocusArrived(WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(wParam);
    const TFocusGeneration arrival;
    const LRESULT result = from != nullptr && HasFocusWindow(from)
                               ? DefaultHandler(WM_SETFOCUS, wParam, lParam)
                               : TcxContainer::WndProc(WM_SETFOCUS, wParam, lParam);
    // Unless a step of the arrival moved the focus on (the control that had it took it back).
    if (!arrival.Superseded()) {
        UpdateFocusState(Handle());
        PassFocusToInnerEdit();
    }
    return result;
}

void TcxCustomEdit::FocusLeaving(HWND to) {
    if (!HasFocusWindow(to)) {
        UpdateFocusState(to);
    }
}

bool TcxCustomEdit::FocusOnClick() {
    if (InEditForm() || !CanFocus()) {
        return true;
    }
    const TInputWatch press;
    SetFocus();
    return !press.Interrupted();
}

LRESULT TcxCustomEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETTEXT:
        return AnswerGetText(wParam, lParam);
    case WM_GETTEXTLENGTH:
        return AnswerGetTextLength();
    case WM_SETTEXT:
        return AnswerSetText(lParam);
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
        return FocusArrived(wParam, lParam);
    case WM_KILLFOCUS:
        FocusLeaving(reinterpret_cast<HWND>(wParam));
        break;
    case WM_LBUTTONDOWN:
        if (!FocusOnClick()) {
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
