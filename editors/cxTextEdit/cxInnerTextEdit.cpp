#include "editors/cxTextEdit/cxTextEdit.h"

#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "framework/DeferredWork.h"
#include "framework/Form.h"
#include "runtime/ScopedRestore.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace velkaro {

namespace {

DWORD AlignmentStyle(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return ES_RIGHT;
    case taCenter:
        return ES_CENTER;
    case taLeftJustify:
        break;
    }
    return ES_LEFT;
}

} // namespace

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TcxCustomTextEdit& container)
    : TEdit(&container), container_(container) {
    SetTabStop(false);
    SetColor(clWindow);
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    params.ClassName = L"TcxCustomInnerTextEdit";
    // The main window's edits: the plain class, so that a start loads no common controls.
    params.CommonControls = false;
    params.Style &= ~static_cast<DWORD>(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_TABSTOP |
                                        ES_CENTER | ES_RIGHT);
    params.Style |= ES_AUTOHSCROLL | AlignmentStyle(alignment_);
    if (!hideSelection_) {
        params.Style |= ES_NOHIDESEL;
    }
    if (oemConvert_) {
        params.Style |= ES_OEMCONVERT;
    }
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

void TcxCustomInnerTextEdit::HandleCreated() {
    TEdit::HandleCreated();
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, echoMode_ == eemPassword ? L'*' : 0, 0);
    ApplyMargins();
}

void TcxCustomInnerTextEdit::FontChanged() {
    // The container places the inner edit; a font of its own does not resize it.
    TControl::FontChanged();
    ApplyMargins();
}

void TcxCustomInnerTextEdit::ApplyMargins() {
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 1));
    }
}

void TcxCustomInnerTextEdit::SetBounds(int left, int top, int width, int height) {
    if (updateCount_ > 0) {
        return;
    }
    TEdit::SetBounds(left, top, width, height);
}

void TcxCustomInnerTextEdit::EndUpdate() {
    if (updateCount_ > 0) {
        --updateCount_;
    }
}

void TcxCustomInnerTextEdit::SafelySetFocus() {
    // Hidden while the control is unfocused, it can still take the focus when the control can:
    // shown first, so that the focus never lands on a window a screen reader cannot show.
    if (!container_.CanFocus()) {
        return;
    }
    const bool shownForTheFocus = !Visible();
    if (shownForTheFocus) {
        SetVisible(true);
    }
    ::SetFocus(HandleNeeded());
    // The move was refused (the control that had the focus took it back): shown as the view
    // says again.
    if (shownForTheFocus && FocusedWindow() != Handle()) {
        container_.UpdateViewState();
    }
}

void TcxCustomInnerTextEdit::SetEditValue(const Variant& value) {
    const std::wstring text = ApplyCharCase(value.ToString(), charCase_);
    if (text == Text()) {
        return;
    }
    SetText(text);
    // Without a window there is no change notification to carry the change.
    if (!HandleAllocated() && onChange_) {
        onChange_();
    }
}

TAccessibleDescription TcxCustomInnerTextEdit::AccessibleDescription() {
    return container_.AccessibleDescription();
}

TControl& TcxCustomInnerTextEdit::EventControl() {
    return container_;
}

std::wstring TcxCustomInnerTextEdit::Text() const {
    return TEdit::Text();
}

// The native edit places the caret anew for a new text: the selection set before goes first.
void TcxCustomInnerTextEdit::SetCaption(const std::wstring& text) {
    ApplyHeldSelection();
    TEdit::SetCaption(text);
}

void TcxCustomInnerTextEdit::CopyToClipboard() {
    const std::wstring text = Text();
    const auto start = static_cast<std::size_t>(SelStart());
    SetClipboardText(text.substr(start, static_cast<std::size_t>(SelLength())));
}

int TcxCustomInnerTextEdit::SelStart() const {
    if (heldSelection_) {
        return static_cast<int>(std::min(heldSelection_->Start, heldSelection_->End));
    }
    if (!HandleAllocated()) {
        return 0;
    }
    DWORD start = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int TcxCustomInnerTextEdit::SelLength() const {
    if (heldSelection_) {
        return static_cast<int>(std::max(heldSelection_->Start, heldSelection_->End) -
                                std::min(heldSelection_->Start, heldSelection_->End));
    }
    if (!HandleAllocated()) {
        return 0;
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TcxCustomInnerTextEdit::SetSelStart(int value) {
    Select(static_cast<UINT>(value), static_cast<UINT>(value));
}

void TcxCustomInnerTextEdit::SetSelLength(int value) {
    if (HandleAllocated()) {
        const int start = SelStart();
        Select(static_cast<UINT>(start), static_cast<UINT>(start + value));
    }
}

// As EM_SETSEL: the caret at the end, both ends within the text, a start of -1 keeping the
// caret where it is.
void TcxCustomInnerTextEdit::Select(UINT start, UINT end) {
    if (!HandleAllocated()) {
        return;
    }
    if (selectionHolds_ == 0 || start == static_cast<UINT>(-1)) {
        ApplyHeldSelection();
        SendMessageW(Handle(), EM_SETSEL, start, static_cast<LPARAM>(end));
        return;
    }
    const auto length = static_cast<UINT>(GetWindowTextLengthW(Handle()));
    heldSelection_ = THeldSelection{std::min(start, length), std::min(end, length)};
    heldSelectionRelease_.Schedule();
}

void TcxCustomInnerTextEdit::ApplyHeldSelection() const {
    heldSelectionRelease_.Cancel();
    if (const std::optional<THeldSelection> held = std::exchange(heldSelection_, std::nullopt);
        held && HandleAllocated()) {
        SendMessageW(Handle(), EM_SETSEL, held->Start, static_cast<LPARAM>(held->End));
    }
}

void TcxCustomInnerTextEdit::SelectAll() {
    if (HandleAllocated()) {
        ApplyHeldSelection();
        SendMessageW(Handle(), EM_SETSEL, 0, -1);
    }
}

void TcxCustomInnerTextEdit::SetSelText(const std::wstring& text) {
    if (HandleAllocated()) {
        ApplyHeldSelection();
        const std::wstring converted = ApplyCharCase(text, charCase_);
        SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(converted.c_str()));
    }
}

void TcxCustomInnerTextEdit::SetAlignment(TAlignment value, bool useLeftAlignmentOnEditing) {
    const TAlignment alignment = useLeftAlignmentOnEditing ? taLeftJustify : value;
    if (alignment != alignment_) {
        alignment_ = alignment;
        RecreateWindow();
    }
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode value) {
    if (echoMode_ != value) {
        echoMode_ = value;
        if (HandleAllocated()) {
            SendMessageW(Handle(), EM_SETPASSWORDCHAR, value == eemPassword ? L'*' : 0, 0);
            InvalidateRect(Handle(), nullptr, TRUE);
        }
    }
}

void TcxCustomInnerTextEdit::SetHideSelection(bool value) {
    if (hideSelection_ != value) {
        hideSelection_ = value;
        RecreateWindow();
    }
}

void TcxCustomInnerTextEdit::SetOEMConvert(bool value) {
    if (oemConvert_ != value) {
        oemConvert_ = value;
        ReapplyStyleBits(ES_OEMCONVERT, value ? ES_OEMCONVERT : 0);
    }
}

void TcxCustomInnerTextEdit::ReapplyStyleBits(DWORD mask, DWORD bits) {
    if (HandleAllocated()) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
        SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | bits));
    }
}

// Styles the native edit reads only when it is created take a new window; the text, selection
// and focus carry over.
void TcxCustomInnerTextEdit::RecreateWindow() {
    if (!HandleAllocated()) {
        return;
    }
    const std::wstring text = Text();
    const int start = SelStart();
    const int length = SelLength();
    const bool focused = FocusedWindow() == Handle();
    {
        // The text carried over is no change of the user's, nor are the focus moves the
        // control's.
        const auto unhooked = ScopedValue(onChange_, nullptr);
        const auto recreating = ScopedValue(container_.recreatingInner_, true);
        DestroyHandle();
        SetText(text);
        HandleNeeded();
    }
    SetSelStart(start);
    SetSelLength(length);
    if (focused) {
        ::SetFocus(Handle());
    }
}

// The control's events for a button message of the inner edit, at the point in the control's
// client area.
void TcxCustomInnerTextEdit::RaiseContainerMouseEvents(UINT message, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) {
        container_.DblClick();
        return;
    }
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(Handle(), container_.Handle(), &point, 1);
    container_.RaiseMouseButton(message, point);
    if (message == WM_LBUTTONUP) {
        container_.Click();
    }
}

// Only an undo that would change something asks for the permission.
bool TcxCustomInnerTextEdit::UndoPermitted() {
    return SendMessageW(Handle(), EM_CANUNDO, 0, 0) == 0 || container_.InnerUndoPermitted();
}

// While its control handles a key, the selection it sets is held and given to the native edit
// once, when the key is done: a digit typed into a mask moves it up to four times, and each move
// is a caret placed and a repaint asked of the window server.
template <class Handler> bool TcxCustomInnerTextEdit::HoldingSelection(Handler&& handle) {
    ++selectionHolds_;
    const TScopedRestore released([this] {
        if (--selectionHolds_ == 0) {
            ApplyHeldSelection();
        }
    });
    return handle();
}

bool TcxCustomInnerTextEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    return HoldingSelection([&] { return container_.InnerKeyDown(key, shift); });
}

// The case is converted here, by the rules of the user's locale, rather than by the native
// edit's case styles, whose rules are the invariant ones ("i" becomes "I" in Turkish too).
bool TcxCustomInnerTextEdit::KeyPress(wchar_t& key) {
    if (HoldingSelection([&] { return container_.InnerKeyPress(key); })) {
        return true;
    }
    if (const std::wstring converted = ApplyCharCase(std::wstring(1, key), charCase_);
        converted.size() == 1) {
        key = converted[0];
    }
    return false;
}

bool TcxCustomInnerTextEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    return HoldingSelection([&] { return container_.InnerKeyUp(key, shift); });
}

void TcxCustomInnerTextEdit::NotifyCommand(WORD code) {
    if (code == EN_CHANGE && onChange_) {
        onChange_();
    }
}

LRESULT TcxCustomInnerTextEdit::AnswerDialogCode(WPARAM wParam, LPARAM lParam) {
    LRESULT code = DefaultHandler(WM_GETDLGCODE, wParam, lParam) | DLGC_WANTCHARS;
    if (GetKeyState(VK_CONTROL) >= 0) {
        code |= DLGC_WANTTAB;
    }
    // Escape belongs to the edit while typed text can be abandoned; then a cancel button can
    // have it.
    if (wParam == VK_ESCAPE && container_.ValueModel().TextModified()) {
        code |= DLGC_WANTALLKEYS;
    }
    return code;
}

// A click that brings the focus places the caret rather than selecting everything.
LRESULT TcxCustomInnerTextEdit::LeftButtonDown(WPARAM wParam, LPARAM lParam) {
    focusByMouse_ = FocusedWindow() != Handle();
    const LRESULT result = TEdit::WndProc(WM_LBUTTONDOWN, wParam, lParam);
    focusByMouse_ = false;
    container_.InnerMouseMessage(WM_LBUTTONDOWN, wParam);
    RaiseContainerMouseEvents(WM_LBUTTONDOWN, lParam);
    return result;
}

// The native selection first, then the kind's reaction to it, then the control's events.
LRESULT TcxCustomInnerTextEdit::PointerMoved(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultHandler(WM_MOUSEMOVE, wParam, lParam);
    container_.InnerMouseMessage(WM_MOUSEMOVE, wParam);
    MouseMoved(wParam, lParam);
    return result;
}

LRESULT TcxCustomInnerTextEdit::ForwardMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    RaiseContainerMouseEvents(message, lParam);
    return result;
}

LRESULT TcxCustomInnerTextEdit::FocusArrived(WPARAM wParam, LPARAM lParam) {
    const TFocusGeneration arrival;
    LRESULT result = 0;
    if (TakeBackFocusLoss()) {
        // The native edit never heard that it lost the focus: its caret is still there.
        TellFormOfFocus();
    } else {
        result = TEdit::WndProc(WM_SETFOCUS, wParam, lParam);
    }
    // A step of the arrival moved the focus on (the control that had it took it back).
    if (arrival.Superseded()) {
        return result;
    }
    container_.UpdateFocusState(Handle());
    if (SelectsAllOnFocus()) {
        SelectAll();
    }
    return result;
}

// Not for a click, which places the caret; nor when the window's re-activation gives the focus
// back where it was, and the operator's caret and selection with it.
bool TcxCustomInnerTextEdit::SelectsAllOnFocus() {
    const TForm* form = ParentForm();
    return autoSelect_ && !focusByMouse_ && !(form != nullptr && form->FocusReturned());
}

// Inside a handler, a focus that goes to a window without a caret may come back before the
// handler is done (a calculation's pass through the amount field): the native edit hears of the
// loss only once the focus moves on or the handler's messages are done.
LRESULT TcxCustomInnerTextEdit::FocusLeft(WPARAM wParam, LPARAM lParam) {
    const auto to = reinterpret_cast<HWND>(wParam);
    const TControl* receiver = FromHandle(to);
    LRESULT result = 0;
    if (receiver != nullptr && receiver->MakesNoCaret()) {
        HoldFocusLoss(to);
    } else {
        result = TEdit::WndProc(WM_KILLFOCUS, wParam, lParam);
    }
    container_.Focus().Leaving(to);
    return result;
}

void TcxCustomInnerTextEdit::SettleFocusLoss(HWND to) {
    DefaultHandler(WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
}

LRESULT TcxCustomInnerTextEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CN_COMMAND:
        NotifyCommand(HIWORD(wParam));
        return 0;
    case WM_GETDLGCODE:
        return AnswerDialogCode(wParam, lParam);
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
        return SendMessageW(container_.Handle(), message, wParam, lParam);
    // Undo (Ctrl+Z, the menu's command, the messages) is a change of the user's like any other;
    // Alt+Backspace, which the native edit undoes without a message, is refused as a key-down.
    case WM_UNDO:
    case EM_UNDO:
        return UndoPermitted() ? TEdit::WndProc(message, wParam, lParam) : FALSE;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        return 0;
    case WM_SIZE:
        ApplyMargins();
        break;
    case WM_LBUTTONDOWN:
        return LeftButtonDown(wParam, lParam);
    case WM_MOUSEMOVE:
        return PointerMoved(wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return ForwardMouseButton(message, wParam, lParam);
    case WM_SETFOCUS:
        return FocusArrived(wParam, lParam);
    case WM_KILLFOCUS:
        return FocusLeft(wParam, lParam);
    default:
        break;
    }
    return TEdit::WndProc(message, wParam, lParam);
}

} // namespace velkaro
