#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/DeferredWork.h"
#include "runtime/Exceptions.h"

#include <algorithm>

namespace velkaro {

namespace {

// The chain from a control up to its form, the control first.
std::vector<TControl*> Ancestry(TControl* control) {
    std::vector<TControl*> chain;
    for (; control != nullptr; control = control->Parent()) {
        chain.push_back(control);
    }
    return chain;
}

void CollectTabStops(TControl* parent, std::vector<TControl*>& list) {
    for (TControl* child : parent->Controls()) {
        if (child->TabStop()) {
            list.push_back(child);
        }
        CollectTabStops(child, list);
    }
}

} // namespace

TForm::TForm() : TControl(nullptr) {
    visible_ = false;
    Font().SetName(kDialogFontName);
    Font().SetHeight(11);
    SetColor(clBtnFace);
    Application().FormCreated(this);
}

TForm::~TForm() {
    Application().FormDestroyed(this);
    DestroyHandle();
}

void TForm::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TForm";
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
    switch (borderStyle_) {
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case TFormBorderStyle::bsSingle:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER;
        break;
    case TFormBorderStyle::bsNone:
        break;
    }
    params.ParentWindow = Application().Handle();
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TForm::CreateWnd() {
    ScaleTo(OpeningPixelsPerInch());
    ApplyClientSize();
    // Made where it will be shown, so that the window starts on the monitor it was scaled for.
    PlaceOnScreen();
    TControl::CreateWnd();
    const int pixelsPerInch = WindowPixelsPerInch(Handle());
    if (pixelsPerInch != PixelsPerInch()) { // the system placed it on a monitor of another scale
        ScaleTo(pixelsPerInch);
        ApplyClientSize();
    }
}

void TForm::LayOutAtMonitorScale() {
    const int pixelsPerInch = OpeningPixelsPerInch();
    Font().SetHeight(ScaledFontHeight(Font().Height(), pixelsPerInch, PixelsPerInch()));
    SetPixelsPerInch(pixelsPerInch);
}

void TForm::ScaleTo(int pixelsPerInch) {
    if (pixelsPerInch != PixelsPerInch()) {
        ChangeScale(pixelsPerInch, PixelsPerInch());
    }
}

void TForm::ScaleBounds(int multiplier, int divisor) {
    clientWidth_ = MulDiv(clientWidth_, multiplier, divisor);
    clientHeight_ = MulDiv(clientHeight_, multiplier, divisor);
}

void TForm::ApplyClientSize() {
    if (clientWidth_ > 0) {
        SetClientSize(clientWidth_, clientHeight_);
    }
}

void TForm::HandleCreated() {
    ApplyClientSize();
    TControl::HandleCreated();
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    if (!HandleAllocated()) {
        // Estimated from the frame the window will have; corrected when it exists.
        TCreateParams params;
        CreateParams(params);
        RECT rect = {0, 0, width, height};
        AdjustWindowRectEx(&rect, params.Style, FALSE, params.ExStyle);
        SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
        return;
    }
    TControl::SetClientSize(width, height);
}

std::optional<RECT> TForm::OpenerBounds() const {
    const TControl* mainForm = Application().MainForm();
    if (mainForm == this) {
        return std::nullopt;
    }
    // The zero-sized application window stands for the program, not for a place on the screen.
    HWND opener = GetActiveWindow();
    if (opener == nullptr || opener == Application().Handle() ||
        (HandleAllocated() && opener == Handle())) {
        opener = mainForm != nullptr && mainForm->HandleAllocated() ? mainForm->Handle() : nullptr;
    }
    if (opener == nullptr) {
        return std::nullopt;
    }
    // A minimised window is where it will come back to.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (IsIconic(opener) && GetWindowPlacement(opener, &placement)) {
        return placement.rcNormalPosition;
    }
    RECT bounds{};
    GetWindowRect(opener, &bounds);
    return bounds;
}

TMonitor TForm::OpeningMonitor() const {
    const std::optional<RECT> opener = OpenerBounds();
    return MonitorOfWindow(DisplayMonitors(),
                           opener ? std::optional(ScreenRectOf(*opener)) : std::nullopt);
}

RECT TForm::PlacementArea() const {
    if (position_ == TFormPosition::poScreenCenter) {
        return RectOf(OpeningMonitor().WorkArea);
    }
    return {Left(), Top(), Left() + Width(), Top() + Height()};
}

int TForm::OpeningPixelsPerInch() const {
    const RECT area = PlacementArea();
    return MonitorPixelsPerInch({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

void TForm::PlaceOnScreen() {
    if (position_ == TFormPosition::poDesigned) {
        return;
    }
    const RECT placed = RectOf(CentredIn(ScreenRectOf(PlacementArea()), {Width(), Height()}));
    SetBounds(placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top);
}

void TForm::DoShow() {
    if (OnShow) {
        OnShow(this);
    }
}

void TForm::SetVisible(bool value) {
    ShowForm(value);
}

void TForm::ShowForm(bool visible) {
    if (visible == visible_ && HandleAllocated()) {
        return;
    }
    HandleNeeded();
    visible_ = visible;
    if (visible) {
        PlaceOnScreen();
        // A failing show event is reported, and the form still appears: otherwise the program
        // would go on without a window to use or close.
        try {
            DoShow();
        } catch (const std::exception& error) {
            Application().HandleException(error);
        }
        InitializeFocusCues();
        ShowWindow(Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(Handle());
        if (activeControl_ == nullptr) {
            FocusFirstControl();
        }
    } else {
        if (OnHide) {
            OnHide(this);
        }
        ShowWindow(Handle(), SW_HIDE);
    }
}

// As in a native dialog, the focus rectangle is hidden until the keyboard is used, unless the
// operator asked to see it always. Told outright: Wine does not hide it on UIS_INITIALIZE.
void TForm::InitializeFocusCues() {
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    SendMessageW(Handle(), WM_CHANGEUISTATE,
                 MAKEWPARAM(alwaysShown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

void TForm::Close() {
    if (OnClose) {
        OnClose(this);
    }
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    ShowForm(false);
    if (Application().MainForm() == this) {
        Application().Terminate();
    }
}

int TForm::ShowModal() {
    if (modal_ || (visible_ && HandleAllocated())) {
        throw Exception(L"Cannot make a visible window modal");
    }
    const TModalLoop modal;
    TDisabledWindows disabled(Handle());
    modal_ = true;
    modalResult_ = mrNone;
    try {
        ShowForm(true);
        while (modalResult_ == mrNone) {
            Application().HandleMessage();
            if (Application().Terminated()) {
                modalResult_ = mrCancel;
            }
        }
    } catch (...) {
        EndModal(disabled);
        throw;
    }
    EndModal(disabled);
    return modalResult_;
}

// As the system's dialog boxes end: the windows disabled for this one are enabled, and the window
// that was active is activated, before this one is hidden. Hidden first, while ours are still
// disabled, it would hand the activation to the next enabled window: another program's.
void TForm::EndModal(TDisabledWindows& disabled) {
    // Hidden for its controls while still modal, so that they see how it closes as the focus
    // leaves them.
    visible_ = false;
    if (OnHide) {
        OnHide(this);
    }
    disabled.Restore();
    ShowWindow(Handle(), SW_HIDE);
    modal_ = false;
}

void TForm::SetActiveControl(TControl* control) {
    if (control == nullptr || !Visible() || !HandleAllocated()) {
        activeControl_ = control;
        return;
    }
    control->SetFocus();
}

void TForm::ProcessFocusArrival(TControl& arrived) {
    TControl* control = &arrived;
    activeControl_ = control;
    TControl* previous = enteredControl_;
    focusReturned_ = previous == control;
    if (focusReturned_) {
        return;
    }
    // A focus change started by a step of this one (a modal window's closing gives the focus
    // back, an invalid leave takes it back, an enter handler moves it on) has done the rest.
    const TFocusGeneration move;
    const std::vector<TControl*> oldChain = Ancestry(previous);
    const std::vector<TControl*> newChain = Ancestry(control);
    const auto inNew = [&](TControl* c) {
        return std::find(newChain.begin(), newChain.end(), c) != newChain.end();
    };
    const auto inOld = [&](TControl* c) {
        return std::find(oldChain.begin(), oldChain.end(), c) != oldChain.end();
    };
    // Leave the controls that lose the focus, innermost first; then enter, outermost first.
    for (TControl* c : oldChain) {
        if (c == this || inNew(c)) {
            break;
        }
        enteredControl_ = c->Parent();
        RunFocusStep([c] { c->DoExit(); });
        if (move.Superseded()) {
            NoteInputInterrupted(); // the control left refused the move
            return;
        }
    }
    for (auto it = newChain.rbegin(); it != newChain.rend(); ++it) {
        if (*it != this && !inOld(*it)) {
            enteredControl_ = *it;
            RunFocusStep([it] { (*it)->DoEnter(); });
            if (move.Superseded()) {
                return;
            }
        }
    }
    enteredControl_ = control;
}

std::vector<TControl*> TForm::TabList() {
    std::vector<TControl*> list;
    CollectTabStops(this, list);
    return list;
}

void TForm::FocusFirstControl() {
    for (TControl* control : TabList()) {
        if (control->CanFocus()) {
            control->SetFocus();
            return;
        }
    }
}

void TForm::SelectNext(TControl* current, bool forward) {
    const std::vector<TControl*> list = TabList();
    if (list.empty()) {
        return;
    }
    // A control inside a tab stop (an edit's inner edit) stands for that tab stop.
    auto position = list.end();
    for (TControl* c = current; c != nullptr && position == list.end(); c = c->Parent()) {
        position = std::find(list.begin(), list.end(), c);
    }
    auto index = position == list.end() ? (forward ? list.size() - 1 : 0)
                                        : static_cast<std::size_t>(position - list.begin());
    for (std::size_t step = 0; step < list.size(); ++step) {
        index = forward ? (index + 1) % list.size() : (index + list.size() - 1) % list.size();
        if (list[index]->CanFocus()) {
            list[index]->SetFocus();
            return;
        }
    }
}

bool TForm::DialogKey(std::uint16_t key, TShiftState shift) {
    if (key == VK_TAB && (shift & (ssCtrl | ssAlt)) == 0) {
        // The keyboard is in use: the control reached shows that it has the focus.
        SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        SelectNext(activeControl_, (shift & ssShift) == 0);
        return true;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        return HandleDialogKey(key);
    }
    return false;
}

bool TForm::ProposeScaledSize(int pixelsPerInch, SIZE& size) const {
    if (clientWidth_ <= 0) {
        return false;
    }
    // The client size that scaling the layout will give (ScaleBounds), in its frame there.
    const std::optional<SIZE> scaled =
        WindowSizeAt(Handle(),
                     {MulDiv(clientWidth_, pixelsPerInch, PixelsPerInch()),
                      MulDiv(clientHeight_, pixelsPerInch, PixelsPerInch())},
                     pixelsPerInch);
    if (scaled) {
        size = *scaled;
    }
    return scaled.has_value();
}

void TForm::MoveToScale(int pixelsPerInch, const RECT& suggested) {
    ScaleTo(pixelsPerInch);
    // Straight to the suggested place at the size of the scaled layout, in one move: a resize at
    // the old place first could carry the window back over to the monitor it came from.
    const std::optional<SIZE> size =
        clientWidth_ > 0 ? WindowSizeAt(Handle(), {clientWidth_, clientHeight_}, pixelsPerInch)
                         : std::nullopt;
    SetBounds(suggested.left, suggested.top, size ? size->cx : suggested.right - suggested.left,
              size ? size->cy : suggested.bottom - suggested.top);
    ApplyClientSize(); // exact where the frame at this scale could not be measured beforehand
}

// Activating the window (unless it is minimised) puts the focus back on the control that had
// it, or on the first one; only when none can take it does the system place it.
LRESULT TForm::Activated(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != WA_INACTIVE) {
        Application().FormActivated(this);
    }
    if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
        RestoreFocus();
        if (FocusedWindow() != nullptr) {
            return 0;
        }
    }
    return TControl::WndProc(WM_ACTIVATE, wParam, lParam);
}

void TForm::RestoreFocus() {
    if (activeControl_ != nullptr && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
    } else {
        FocusFirstControl();
    }
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case kGetDpiScaledSizeMessage:
        return ProposeScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        MoveToScale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        return Activated(wParam, lParam);
    case WM_SYSCOMMAND:
        // The forms are minimised together, as the taskbar window that stands for them.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Application().Minimize();
            return 0;
        }
        break;
    case WM_SIZE:
        // Minimised or restored otherwise (another program's ShowWindow): the program follows.
        if (wParam == SIZE_MINIMIZED) {
            Application().Minimize();
        } else if (wParam == SIZE_RESTORED) {
            Application().Restore();
        }
        break;
    default:
        break;
    }
    return TControl::WndProc(message, wParam, lParam);
}

} // namespace velkaro
