#include "framework/Control.h"

#include "framework/AccessibleAnnotation.h"
#include "framework/CommonControls.h"
#include "framework/DeferredWork.h"
#include "framework/Menus.h"
#include "framework/ProgramIcon.h"
#include "runtime/Exceptions.h"
#include "runtime/ScopedRestore.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace velkaro {

namespace {

// The control behind each of our windows. Kept in the process rather than as a window property,
// which would be a round trip to the window system for every message.
std::unordered_map<HWND, TControl*>& ControlsByWindow() {
    static std::unordered_map<HWND, TControl*> controls;
    return controls;
}

// The native window procedure behind each class we registered as an extension of a native class.
std::map<std::wstring, WNDPROC>& BaseProcedures() {
    static std::map<std::wstring, WNDPROC> procedures;
    return procedures;
}

// The child window a notification, an owner-draw request or a colour request concerns; none for
// a menu's command or drawing.
HWND ConcernedChild(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        // Our child windows all have the identifier 0, so only the type tells a menu apart.
        const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    default: // a command from a menu or an accelerator has none
        return reinterpret_cast<HWND>(lParam);
    }
}

// A frame, a caption or scroll bars: anything the system paints outside the client area.
bool HasNonClientArea(HWND window) {
    constexpr LONG_PTR kFrame =
        WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL | WS_POPUP;
    constexpr LONG_PTR kEdges =
        WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
    return (GetWindowLongPtrW(window, GWL_STYLE) & (kFrame | WS_CHILD)) != WS_CHILD ||
           (GetWindowLongPtrW(window, GWL_EXSTYLE) & kEdges) != 0;
}

// Whether the window already has these bounds, in its parent's client coordinates (the screen's
// for a window of its own). Asked of the window itself, which the user may have moved.
bool HasBounds(HWND window, int left, int top, int width, int height) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect.left == left && rect.top == top && rect.right - rect.left == width &&
           rect.bottom - rect.top == height;
}

bool IsFocusMessage(UINT message) {
    return message == WM_SETFOCUS || message == WM_KILLFOCUS;
}

// The description of the control behind a window, read afresh at every query; none once the
// window has outlived its control.
std::optional<TAccessibleDescription> DescriptionOf(HWND window) {
    if (TControl* control = TControl::FromHandle(window)) {
        return control->AccessibleDescription();
    }
    return std::nullopt;
}

// The system's own modal loops that a window's default handling of the message may run: the
// move or size loop and the system menu (a command of the window's menu, by key or by mouse).
bool StartsSystemModalLoop(UINT message, WPARAM wParam) {
    if (message != WM_SYSCOMMAND) {
        return false;
    }
    switch (wParam & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
    case SC_KEYMENU:
    case SC_MOUSEMENU:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control =
            static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ControlsByWindow()[window] = control;
        control->handle_ = window;
    }
    TControl* control = TControl::FromHandle(window);
    if (control == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    std::optional<TFocusMessage> focusMessage;
    if (IsFocusMessage(message)) {
        focusMessage.emplace();
    }
    control->MessageArriving(message, wParam);
    LRESULT result = 0;
    try {
        result = control->WndProc(message, wParam, lParam);
    } catch (...) {
        if (focusMessage) {
            ReportWhenSettled(std::current_exception());
        } else {
            ReportError(std::current_exception());
        }
    }
    if (message == WM_NCDESTROY) {
        ControlsByWindow().erase(window);
        control->handle_ = nullptr;
    }
    return result;
}

// The focus reaches one of our windows with its WM_SETFOCUS and leaves it only with its
// WM_KILLFOCUS (or its end), and each names where the focus is now. A paint validates the
// window.
void TControl::MessageArriving(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_SETFOCUS: {
        FocusArrivedAt(handle_);
        AnnotateAccessible(handle_); // a state written for screen readers tells the focus too
        // The focus moves on from where it went: a held loss is given first.
        const THeldFocusLoss& held = HeldFocusLoss();
        if (held.Holder != nullptr && held.Holder != this && handle_ != held.To) {
            SettleHeldFocusLoss();
        }
        break;
    }
    case WM_KILLFOCUS: {
        const auto to = reinterpret_cast<HWND>(wParam);
        FocusLeftFor(to, FromHandle(to) != nullptr);
        AnnotateAccessible(handle_);
        const THeldFocusLoss& held = HeldFocusLoss();
        if (held.Holder != nullptr && held.Holder != this && to != held.Holder->handle_) {
            SettleHeldFocusLoss();
        }
        break;
    }
    case WM_NCDESTROY:
        ClearAccessibleAnnotation(handle_);
        FocusWindowDestroyed(handle_);
        TakeBackFocusLoss();
        break;
    case WM_NCCREATE:
    case WM_PAINT:
        invalidated_ = false;
        break;
    default:
        break;
    }
}

TControl::TControl(TControl* parent) {
    font_.OnChange = [this] { FontChanged(); };
    SetParentInternal(parent);
}

TControl::~TControl() {
    SetAction(nullptr);
    for (TControl* other : std::vector<TControl*>(freeNotifies_)) {
        RemoveFreeNotification(other);
        other->Notification(this);
    }
    for (TControl* child : std::vector<TControl*>(children_)) {
        child->parent_ = nullptr;
    }
    SetParentInternal(nullptr);
    DestroyHandle();
}

void TControl::SetParentInternal(TControl* parent) {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
        pixelsPerInch_ = parent_->pixelsPerInch_;
        if (parentFont_) {
            InheritFont();
        }
        if (parent_->HandleAllocated()) {
            HandleNeeded();
        }
    }
}

TControl& TControl::Root() {
    TControl* control = this;
    while (control->parent_ != nullptr) {
        control = control->parent_;
    }
    return *control;
}

TForm* TControl::ParentForm() {
    return Root().AsForm();
}

TControlHost* TControl::Host() {
    return dynamic_cast<TControlHost*>(&Root());
}

TControl* TControl::FromHandle(HWND window) {
    const auto found = ControlsByWindow().find(window);
    return found != ControlsByWindow().end() ? found->second : nullptr;
}

HWND TControl::HandleNeeded() {
    if (handle_ == nullptr) {
        if (parent_ != nullptr) {
            parent_->HandleNeeded();
            if (handle_ != nullptr) { // the parent created its children, this one included
                return handle_;
            }
        }
        CreateWnd();
        HandleCreated();
        AnnotateAccessible(handle_);
    }
    return handle_;
}

void TControl::DestroyHandle() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

void TControl::CreateParams(TCreateParams& params) {
    params.ClassName = L"TControl";
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) {
        params.Style |= WS_VISIBLE;
    }
    if (!enabled_) {
        params.Style |= WS_DISABLED;
    }
    if (tabStop_) {
        params.Style |= WS_TABSTOP;
    }
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.ParentWindow = parent_ != nullptr ? parent_->handle_ : nullptr;
}

void TControl::RegisterClassFor(const TCreateParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, params.ClassName.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    WNDPROC baseProcedure = DefWindowProcW;
    if (params.BaseClass != nullptr) {
        if (!GetClassInfoExW(nullptr, params.BaseClass, &windowClass)) {
            throw Exception(L"Cannot find the window class " + std::wstring(params.BaseClass));
        }
        windowClass.cbSize = sizeof(windowClass);
        baseProcedure = windowClass.lpfnWndProc;
        windowClass.style &= ~CS_GLOBALCLASS;
    } else {
        windowClass.style = params.ClassStyle;
        // The system's shared arrow, looked up once: each lookup asks the window server.
        static const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hCursor = arrow;
    }
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = params.ClassName.c_str();
    // Only windows of their own, not controls, show an icon.
    if ((params.Style & WS_CHILD) == 0) {
        windowClass.hIcon = ProgramIcon();
        windowClass.hIconSm = ProgramSmallIcon();
    }
    if (RegisterClassExW(&windowClass) == 0) {
        throw Exception(L"Cannot register the window class " + params.ClassName);
    }
    BaseProcedures()[params.ClassName] = baseProcedure;
}

void TControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    const TCommonControlsScope commonControls(params.CommonControls);
    RegisterClassFor(params);
    defaultProc_ = BaseProcedures()[params.ClassName];
    HWND window = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption_.c_str(),
                                  params.Style, params.X, params.Y, params.Width, params.Height,
                                  params.ParentWindow, nullptr, GetModuleHandleW(nullptr), this);
    if (window == nullptr) {
        throw Exception(L"Cannot create the window " + params.ClassName);
    }
}

void TControl::HandleCreated() {
    ApplyFont();
    for (TControl* child : children_) {
        child->HandleNeeded();
    }
}

LRESULT TControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(defaultProc_ != nullptr ? defaultProc_ : DefWindowProcW, handle_,
                           message, wParam, lParam);
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return ReflectToChild(message, wParam, lParam);
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORBTN:
        return AnswerControlColor(reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
        return PaintNonClientArea(wParam, lParam);
    case WM_ERASEBKGND:
        return EraseBackground(wParam, lParam);
    case WM_SETFOCUS: {
        const TFocusGeneration arrival;
        TellFormOfFocus();
        // A move superseded while its arrival was processed (the control that had the focus
        // took it back): the native window does not hear of an arrival that is over.
        if (arrival.Superseded()) {
            return 0;
        }
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return OfferKey(message, wParam, lParam);
    case WM_CHAR:
        return OfferChar(wParam, lParam);
    case WM_SYSCHAR:
        return OfferAccelerator(wParam, lParam);
    case WM_SYSCOLORCHANGE:
        PassColorChangeToChildren(wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        MouseMoved(wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        PointerLeftWindow();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return HandleMouseButton(message, wParam, lParam);
    case WM_SETCURSOR:
        return AnswerSetCursor(wParam, lParam);
    case WM_GETOBJECT:
        return AnswerGetObject(wParam, lParam);
    case WM_CONTEXTMENU:
        if (EventControl().ContextPopup(lParam)) {
            return 0;
        }
        // A native edit's own menu, or a form's system menu, is a modal loop of the system's.
        return DefaultHandlerInModalLoop(message, wParam, lParam);
    default:
        break;
    }
    if (StartsSystemModalLoop(message, wParam)) {
        return DefaultHandlerInModalLoop(message, wParam, lParam);
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TControl::DefaultHandlerInModalLoop(UINT message, WPARAM wParam, LPARAM lParam) {
    const TModalLoop systemLoop;
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TControl::Repainted(LRESULT result) {
    Invalidate();
    return result;
}

LRESULT TControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
    TControl* control = FromHandle(ConcernedChild(message, lParam));
    if (control != nullptr && control != this) {
        return control->WndProc(CN_BASE + message, wParam, lParam);
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TControl::AnswerControlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(color_));
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

// A control without frame or scroll bars has no area outside its client area to paint; the
// system's handling would still fetch a device context from the window server.
LRESULT TControl::PaintNonClientArea(WPARAM wParam, LPARAM lParam) {
    return HasNonClientArea(handle_) ? DefaultHandler(WM_NCPAINT, wParam, lParam) : 0;
}

// Windows of our own paint their background; native ones know theirs.
LRESULT TControl::EraseBackground(WPARAM wParam, LPARAM lParam) {
    if (defaultProc_ != DefWindowProcW) {
        return DefaultHandler(WM_ERASEBKGND, wParam, lParam);
    }
    PaintBackground(reinterpret_cast<HDC>(wParam));
    return 1;
}

TDeferred& TControl::HeldFocusLossSettlement() {
    static TDeferred settlement([] { SettleHeldFocusLoss(); });
    return settlement;
}

void TControl::HoldFocusLoss(HWND to) {
    if (const TControl* holder = HeldFocusLoss().Holder; holder != nullptr && holder != this) {
        SettleHeldFocusLoss();
    }
    SetHeldFocusLoss({this, to});
    HeldFocusLossSettlement().Schedule();
}

void TControl::SettleHeldFocusLoss() {
    HeldFocusLossSettlement().Cancel();
    const THeldFocusLoss held = HeldFocusLoss();
    SetHeldFocusLoss({});
    if (held.Holder != nullptr) {
        held.Holder->SettleFocusLoss(held.To);
    }
}

bool TControl::TakeBackFocusLoss() {
    if (HeldFocusLoss().Holder != this) {
        return false;
    }
    SetHeldFocusLoss({});
    HeldFocusLossSettlement().Cancel();
    return true;
}

void TControl::TellFormOfFocus() {
    if (TControlHost* host = Host(); host != nullptr && &Root() != this) {
        host->ProcessFocusArrival(*this);
    }
}

// A key the control consumed ends here; one it changed goes on changed.
LRESULT TControl::OfferKey(UINT message, WPARAM wParam, LPARAM lParam) {
    auto key = static_cast<std::uint16_t>(wParam);
    const TShiftState shift = KeyboardShiftState();
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (down ? KeyDown(key, shift) : KeyUp(key, shift)) {
        return 0;
    }
    return DefaultHandler(message, key, lParam);
}

LRESULT TControl::OfferChar(WPARAM wParam, LPARAM lParam) {
    auto key = static_cast<wchar_t>(wParam);
    if (KeyPress(key)) {
        return 0;
    }
    return DefaultHandler(WM_CHAR, key, lParam);
}

LRESULT TControl::OfferAccelerator(WPARAM wParam, LPARAM lParam) {
    if (Host() != nullptr && Root().DialogChar(static_cast<wchar_t>(wParam))) {
        return 0;
    }
    return DefaultHandler(WM_SYSCHAR, wParam, lParam);
}

// Only top-level windows hear of a colour change; children that cache colours need it too.
void TControl::PassColorChangeToChildren(WPARAM wParam, LPARAM lParam) {
    for (TControl* child : std::vector<TControl*>(children_)) {
        if (child->handle_ != nullptr) {
            SendMessageW(child->handle_, WM_SYSCOLORCHANGE, wParam, lParam);
        }
    }
}

void TControl::PointerLeftWindow() {
    leaveTracked_ = false;
    EventControl().MouseLeft();
}

LRESULT TControl::HandleMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    RaiseMouseButton(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const TInputWatch press;
    const LRESULT result = DefaultHandler(message, wParam, lParam);
    // A native button takes the capture after the focus arrival its press caused; when that ran
    // a modal window, the button went up meanwhile and would hold the capture for good.
    if (press.Interrupted() && GetCapture() == handle_) {
        ReleaseCapture();
    }
    // Windows of our own have no native click; a left button released inside is one.
    if (message == WM_LBUTTONUP && defaultProc_ == DefWindowProcW) {
        Click();
    }
    return result;
}

void TControl::RaiseMouseButton(UINT message, POINT point) {
    const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    const bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
    const TMouseEvent& event = down ? OnMouseDown : OnMouseUp;
    if (event) {
        event(this, left ? TMouseButton::mbLeft : TMouseButton::mbRight, KeyboardShiftState(),
              point.x, point.y);
    }
}

LRESULT TControl::AnswerSetCursor(WPARAM wParam, LPARAM lParam) {
    if (cursor_ != nullptr && LOWORD(lParam) == HTCLIENT &&
        reinterpret_cast<HWND>(wParam) == handle_) {
        ::SetCursor(cursor_);
        return TRUE;
    }
    return DefaultHandler(WM_SETCURSOR, wParam, lParam);
}

LRESULT TControl::AnswerGetObject(WPARAM wParam, LPARAM lParam) {
    SetAccessibleDescriber(DescriptionOf);
    AccessibilityRequested();
    if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT object = AnswerAccessibleObject(handle_, wParam); object != 0) {
            return object;
        }
    }
    return DefaultHandler(WM_GETOBJECT, wParam, lParam);
}

void TControl::TrackMouseLeave() {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, handle_, 0};
    leaveTracked_ = TrackMouseEvent(&track) != FALSE;
}

bool TControl::PointerOver() const {
    POINT cursor;
    if (handle_ == nullptr || !GetCursorPos(&cursor)) {
        return false;
    }
    const HWND under = WindowFromPoint(cursor);
    return under != nullptr && (under == handle_ || IsChild(handle_, under));
}

void TControl::MouseMoved(WPARAM wParam, LPARAM lParam) {
    if (!leaveTracked_) {
        TrackMouseLeave();
    }
    TControl& control = EventControl();
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // A captured pointer reports moves from outside too; only one inside enters the control.
    if (const RECT client = ClientRect(); !control.mouseInside_ && PtInRect(&client, point)) {
        control.mouseInside_ = true;
        if (control.OnMouseEnter) {
            control.OnMouseEnter(&control);
        }
    }
    if (control.OnMouseMove) {
        if (&control != this) {
            MapWindowPoints(handle_, control.handle_, &point, 1);
        }
        control.OnMouseMove(&control, MouseShiftState(wParam), point.x, point.y);
    }
}

// One of the control's windows lost the pointer. It may have moved to another of them (onto the
// inner edit or back to the frame), which then watches for the pointer leaving.
void TControl::MouseLeft() {
    if (!mouseInside_) {
        return;
    }
    if (PointerOver()) {
        POINT cursor;
        GetCursorPos(&cursor);
        if (TControl* under = FromHandle(WindowFromPoint(cursor));
            under != nullptr && !under->leaveTracked_) {
            under->TrackMouseLeave();
        }
        return;
    }
    mouseInside_ = false;
    if (OnMouseLeave) {
        OnMouseLeave(this);
    }
}

bool TControl::ContextPopup(LPARAM position) {
    POINT screen = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const bool fromKeyboard = screen.x == -1 && screen.y == -1;
    if (OnContextPopup) {
        TPoint client{-1, -1};
        if (!fromKeyboard) {
            POINT point = screen;
            ScreenToClient(handle_, &point);
            client = {point.x, point.y};
        }
        bool handled = false;
        OnContextPopup(this, client, handled);
        if (handled) {
            return true;
        }
    }
    if (popupMenu_ == nullptr) {
        return false;
    }
    if (fromKeyboard) { // at the window of the control that has the focus
        const HWND focus = FocusedWindow();
        screen = {0, 0};
        ClientToScreen(focus != nullptr && (focus == handle_ || IsChild(handle_, focus)) ? focus
                                                                                         : handle_,
                       &screen);
    }
    popupMenu_->Popup(screen.x, screen.y, GetAncestor(handle_, GA_ROOT));
    return true;
}

void TControl::Changed() {
    if (parent_ != nullptr && parent_->handle_ != nullptr) {
        SendMessageW(parent_->handle_, CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
    }
}

void TControl::SetAction(TControlAction* action) {
    if (action == action_) {
        return;
    }
    if (action_ != nullptr) {
        action_->Unlink(*this);
    }
    action_ = action;
    if (action_ != nullptr) {
        action_->Link(*this);
        ActionChanged();
    }
}

void TControl::FreeNotification(TControl* other) {
    if (other == nullptr || other == this ||
        std::find(freeNotifies_.begin(), freeNotifies_.end(), other) != freeNotifies_.end()) {
        return;
    }
    freeNotifies_.push_back(other);
    other->freeNotifies_.push_back(this);
}

void TControl::RemoveFreeNotification(TControl* other) {
    if (other == nullptr) {
        return;
    }
    std::erase(freeNotifies_, other);
    std::erase(other->freeNotifies_, this);
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    } else if (action_ != nullptr) {
        action_->Execute();
    }
}

bool TControl::PreKeyDown(std::uint16_t key, TShiftState shift) {
    if (!WantsKey(key)) {
        if (TControlHost* host = Host(); host != nullptr && host->DialogKey(key, shift)) {
            return true;
        }
    }
    return false;
}

bool TControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown) {
        OnKeyDown(this, key, shift);
    }
    return key == 0;
}

bool TControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) {
        OnKeyPress(this, key);
    }
    return key == 0;
}

bool TControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp) {
        OnKeyUp(this, key, shift);
    }
    return key == 0;
}

bool TControl::WantsKey(std::uint16_t key) {
    if (handle_ == nullptr) {
        return false;
    }
    const auto code = static_cast<UINT>(SendMessageW(handle_, WM_GETDLGCODE, key, 0));
    switch (key) {
    case VK_TAB:
        return (code & DLGC_WANTTAB) != 0;
    case VK_RETURN:
    case VK_ESCAPE:
        return (code & DLGC_WANTALLKEYS) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return (code & DLGC_WANTARROWS) != 0;
    default:
        return true;
    }
}

bool TControl::HandleDialogKey(std::uint16_t key) {
    for (TControl* child : children_) {
        if (child->CanFocus() && child->HandleDialogKey(key)) {
            return true;
        }
    }
    return false;
}

bool TControl::DialogChar(wchar_t key) {
    for (TControl* child : std::vector<TControl*>(children_)) {
        if (child->visible_ && child->DialogChar(key)) {
            return true;
        }
    }
    return false;
}

void TControl::DoEnter() {
    if (OnEnter) {
        OnEnter(this);
    }
}

void TControl::DoExit() {
    if (OnExit) {
        OnExit(this);
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_ != nullptr && !HasBounds(handle_, left, top, width, height)) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int TControl::ScaleValue(int value) const {
    return MulDiv(value, pixelsPerInch_, kDesignPixelsPerInch);
}

void TControl::SetDesignedBounds(int left, int top, int width, int height) {
    SetBounds(ScaleValue(left), ScaleValue(top), ScaleValue(width), ScaleValue(height));
}

void TControl::SetPixelsPerInch(int pixelsPerInch) {
    pixelsPerInch_ = pixelsPerInch;
    for (TControl* child : children_) {
        child->SetPixelsPerInch(pixelsPerInch);
    }
}

void TControl::ChangeScale(int multiplier, int divisor) {
    ScaleBounds(multiplier, divisor);
    if (!parentFont_ || parent_ == nullptr) { // a form's font is its own
        font_.SetHeight(MulDiv(font_.Height(), multiplier, divisor));
    }
    pixelsPerInch_ = MulDiv(pixelsPerInch_, multiplier, divisor);
    for (TControl* child : std::vector<TControl*>(children_)) {
        child->ChangeScale(multiplier, divisor);
    }
}

void TControl::ScaleBounds(int multiplier, int divisor) {
    const auto scaled = [&](int value) { return MulDiv(value, multiplier, divisor); };
    SetBounds(scaled(left_), scaled(top_), scaled(width_), scaled(height_));
}

RECT TControl::ClientRect() const {
    RECT rect = {0, 0, width_, height_};
    if (handle_ != nullptr) {
        GetClientRect(handle_, &rect);
    }
    return rect;
}

void TControl::SetClientSize(int width, int height) {
    const RECT client = ClientRect();
    SetBounds(left_, top_, width_ + width - (client.right - client.left),
              height_ + height - (client.bottom - client.top));
}

std::wstring TControl::Caption() const {
    if (handle_ == nullptr) {
        return caption_;
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TControl::SetCaption(const std::wstring& text) {
    caption_ = text;
    if (handle_ != nullptr && Caption() != text) {
        SetWindowTextW(handle_, text.c_str());
        if (accessibleName_.empty()) {
            NotifyAccessibleEvent(handle_, EVENT_OBJECT_NAMECHANGE);
        }
    }
}

void TControl::SetAccessibleName(const std::wstring& name) {
    if (name != accessibleName_) {
        accessibleName_ = name;
        NotifyAccessibleEvent(handle_, EVENT_OBJECT_NAMECHANGE);
    }
}

void TControl::SetAccessibleDescription(const std::wstring& text) {
    if (text != accessibleDescription_) {
        accessibleDescription_ = text;
        NotifyAccessibleEvent(handle_, EVENT_OBJECT_DESCRIPTIONCHANGE);
    }
}

TAccessibleDescription TControl::AccessibleDescription() {
    TAccessibleDescription description;
    if (!accessibleName_.empty()) {
        description.Name = accessibleName_;
    }
    if (!accessibleDescription_.empty()) {
        description.Description = accessibleDescription_;
    }
    return description;
}

void TControl::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Invalidate();
    }
}

void TControl::SetParentFont(bool value) {
    parentFont_ = value;
    if (value && parent_ != nullptr) {
        InheritFont();
    }
}

void TControl::InheritFont() {
    const auto inheriting = ScopedValue(inheritingFont_, true);
    font_.Assign(parent_->font_);
}

void TControl::FontChanged() {
    if (!inheritingFont_) {
        parentFont_ = false; // a font of its own
    }
    ApplyFont();
    for (TControl* child : children_) {
        if (child->parentFont_) {
            child->InheritFont();
        }
    }
}

void TControl::ApplyFont() {
    if (handle_ != nullptr) {
        // A window not shown is painted whole when it shows: no repaint asked for now.
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()),
                     IsWindowVisible(handle_));
    }
}

HBRUSH TControl::BackgroundBrush() {
    // Compared by what the colour stands for now: a system colour changes with the scheme.
    const std::uint32_t rgb = ColorToRGB(color_);
    if (brush_.Handle() == nullptr || brushRgb_ != rgb) {
        brush_ = SolidBrush(rgb);
        brushRgb_ = rgb;
    }
    return brush_.Handle();
}

void TControl::PaintBackground(HDC dc) {
    RECT rect;
    GetClientRect(handle_, &rect);
    FillRect(dc, &rect, BackgroundBrush());
}

void TControl::SetEnabled(bool value) {
    enabled_ = value;
    if (handle_ != nullptr) {
        EnableWindow(handle_, value);
    }
}

void TControl::SetVisible(bool value) {
    visible_ = value;
    if (handle_ != nullptr) {
        ShowWindow(handle_, value ? SW_SHOWNA : SW_HIDE);
    }
}

void TControl::SetTabStop(bool value) {
    tabStop_ = value;
    if (handle_ != nullptr) {
        const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

int TControl::TabOrder() const {
    if (parent_ == nullptr) {
        return -1;
    }
    const auto& siblings = parent_->children_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TControl::SetTabOrder(int order) {
    if (parent_ == nullptr) {
        return;
    }
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    order = std::clamp(order, 0, static_cast<int>(siblings.size()));
    siblings.insert(siblings.begin() + order, this);
}

bool TControl::CanFocus() const {
    for (const TControl* control = this; control != nullptr; control = control->parent_) {
        if (!control->visible_ || !control->enabled_) {
            return false;
        }
    }
    return true;
}

bool TControl::Focused() const {
    return handle_ != nullptr && FocusedWindow() == handle_;
}

void TControl::SetFocus() {
    if (TControlHost* host = Host(); host != nullptr && &Root() != this && !Root().Visible()) {
        host->SetActiveControl(this);
        return;
    }
    const TFocusRequest request(*this);
    ::SetFocus(HandleNeeded());
    request.EndIfRefused();
}

TFocusRequest::TFocusRequest(const TControl& target) : target_(target), errors_(ErrorsPutOff()) {}

void TFocusRequest::EndIfRefused() const {
    if (ErrorsPutOff() == errors_) {
        return;
    }
    const HWND window = target_.Handle();
    const HWND focus = FocusedWindow();
    if (window != nullptr && focus != nullptr && (focus == window || IsChild(window, focus))) {
        return;
    }
    throw EAbort();
}

void TControl::Invalidate() {
    // A window not shown is painted whole when it shows, and one marked whole stays so until
    // its paint: marking it again is a round trip for nothing.
    if (handle_ != nullptr && !invalidated_ && IsWindowVisible(handle_)) {
        InvalidateRect(handle_, nullptr, TRUE);
        invalidated_ = true;
    }
}

TShiftState KeyboardShiftState() {
    // The whole state at once: every key asked for alone is a round trip to the window server.
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys)) {
        return 0;
    }
    const auto down = [&keys](int key) { return (keys[key] & 0x80) != 0; };
    TShiftState state = 0;
    if (down(VK_SHIFT)) {
        state |= ssShift;
    }
    if (down(VK_CONTROL)) {
        state |= ssCtrl;
    }
    if (down(VK_MENU)) {
        state |= ssAlt;
    }
    return state;
}

TShiftState MouseShiftState(WPARAM buttons) {
    TShiftState state = KeyboardShiftState();
    if ((buttons & MK_LBUTTON) != 0) {
        state |= ssLeft;
    }
    if ((buttons & MK_RBUTTON) != 0) {
        state |= ssRight;
    }
    if ((buttons & MK_MBUTTON) != 0) {
        state |= ssMiddle;
    }
    return state;
}

} // namespace velkaro
