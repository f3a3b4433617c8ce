#pragma once
// The base of every window of the program: a form, a standard control or an edit control.
// Properties live in the object and are applied to the window when it exists, so a layout can be
// built before any window is created. Every window class is registered under the control's own
// class name and routed through one virtual window procedure.
#include "framework/Accessibility.h"
#include "framework/Canvas.h"
#include "framework/Color.h"
#include "framework/Dpi.h"
#include "framework/FocusState.h"
#include "framework/Font.h"
#include "runtime/Events.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace velkaro {

class TControl;
class TDeferred;
class TForm;
class TPopupMenu;

// Messages a parent hands back to the child they concern (notifications, owner drawing, colours).
constexpr UINT CN_BASE = WM_APP + 0x3000;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
// Sent to a control's parent when the control's state changed (lParam: the control).
constexpr UINT CM_CHANGED = WM_APP + 0x2000;

struct TCreateParams {
    std::wstring ClassName;             // registered under this name
    const wchar_t* BaseClass = nullptr; // native class it extends (BUTTON, EDIT, ...), or none
    // The base class is the system's common control of version 6, themed where the system shows
    // themes (the dialogs' buttons and edits); the same for every window of the class.
    bool CommonControls = false;
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ExStyle = 0;
    UINT ClassStyle = CS_DBLCLKS;
    HWND ParentWindow = nullptr;
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// What a control asks of the form it sits on; the form implements it.
class TControlHost {
public:
    // One of its controls received the focus: the controls left are left and the controls
    // reached are entered.
    virtual void ProcessFocusArrival(TControl& control) = 0;
    // Tab, Enter and Esc when the focused control does not take them itself.
    virtual bool DialogKey(std::uint16_t key, TShiftState shift) = 0;
    // The control that has, or gets when the form is shown, the keyboard focus.
    virtual void SetActiveControl(TControl* control) = 0;

protected:
    ~TControlHost() = default;
};

// What a click on a control runs when the control has no click handler of its own, and a checked
// state the controls linked to it share; an action implements it.
class TControlAction {
public:
    // Answers whether there was anything to run.
    virtual bool Execute() = 0;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool value) = 0;
    // The control hears of every change of the state (ActionChanged) until it is unlinked.
    virtual void Link(TControl& control) = 0;
    virtual void Unlink(TControl& control) = 0;

protected:
    ~TControlAction() = default;
};

class TControl : public TObject {
public:
    explicit TControl(TControl* parent);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // Tree
    TControl* Parent() const { return parent_; }
    const std::vector<TControl*>& Controls() const { return children_; }
    TForm* ParentForm();
    // The form this control sits on, as the control asks it; none without a form.
    TControlHost* Host();

    // Window
    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    HWND HandleNeeded(); // creates the window (and the parent's) when there is none
    void DestroyHandle();
    // The object behind a window of ours (inner windows answer their owning control).
    static TControl* FromHandle(HWND window);

    // Geometry, in pixels of the parent's client area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT ClientRect() const;
    virtual void SetClientSize(int width, int height);

    // Display scaling. Bounds and fonts are set at the control's scale: as designed, at 96 pixels
    // per inch, unless its form was laid out at its monitor's scale from the start. The form
    // scales itself and its controls to the monitor's when its window is made and when it moves to
    // a monitor of another scale. A control takes its parent's scale.
    int PixelsPerInch() const { return pixelsPerInch_; }
    // A length designed at 96 pixels per inch, at the control's scale.
    int ScaleValue(int value) const;
    // Bounds designed at 96 pixels per inch, at the control's scale.
    void SetDesignedBounds(int left, int top, int width, int height);
    // Multiplies the bounds and own fonts by multiplier / divisor and passes the change on to the
    // children; kinds with more fonts or metrics of their own add them.
    virtual void ChangeScale(int multiplier, int divisor);

    // Text
    std::wstring Caption() const;
    virtual void SetCaption(const std::wstring& text);

    // Screen readers: the name announced for the control when its caption does not say what it
    // is (an edit field's caption is its content); empty leaves the caption or the system's name.
    const std::wstring& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const std::wstring& name);
    // What the control is for, where its name does not say; empty for none.
    void SetAccessibleDescription(const std::wstring& text);
    // Role, name, value and state as assistive technology reads them; kinds add their own.
    virtual TAccessibleDescription AccessibleDescription();

    // Look
    TFont& Font() { return font_; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    // State
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int order);
    HCURSOR Cursor() const { return cursor_; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

    // The menu a right click or the menu key (Shift+F10) shows, after OnContextPopup. Without
    // one the window's own handling runs: a native edit shows its menu, other windows pass the
    // request on to their parent.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    // What a click runs when OnClick is not assigned; the control follows its state.
    TControlAction* Action() const { return action_; }
    void SetAction(TControlAction* action);
    // The linked action's state changed (and when it is linked).
    virtual void ActionChanged() {}

    // Focus
    virtual bool CanFocus() const;
    // The window is of a class of our own, not a native one: it makes no caret.
    bool MakesNoCaret() const { return defaultProc_ == DefWindowProcW; }
    bool Focused() const;
    virtual void SetFocus();

    void Invalidate();

    // Events
    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // Once as the pointer comes over the control and once as it leaves it; the windows inside a
    // control (an edit's inner edit) are part of it.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TContextPopupEvent OnContextPopup;

    // Keyboard routing. Before a typed key is translated, the message loop offers Tab, Enter, Esc
    // and the arrows to the form when the control does not take them itself (PreKeyDown answers
    // true when the form used the key). Then the key travels as messages to the window, so a key a
    // control sends itself takes the same road: key-down, the character, key-up. Each answers
    // true when the key was consumed (set to zero).
    virtual bool PreKeyDown(std::uint16_t key, TShiftState shift);
    virtual bool KeyDown(std::uint16_t& key, TShiftState shift);
    virtual bool KeyPress(wchar_t& key);
    virtual bool KeyUp(std::uint16_t& key, TShiftState shift);
    // Whether the control handles this key itself rather than the dialog (Tab, Enter, Esc, arrows).
    virtual bool WantsKey(std::uint16_t key);

    // Enter and Esc that no focused control took: default and cancel buttons answer them.
    virtual bool HandleDialogKey(std::uint16_t key);
    // A character typed with Alt, offered to every visible control of the form for its
    // accelerator; answers true when one used it.
    virtual bool DialogChar(wchar_t key);

    // Focus entering and leaving this control, as the form tracks it.
    virtual void DoEnter();
    virtual void DoExit();

    // Called by the default window procedure for clicks; descendants add their own sources.
    // Runs OnClick, or the linked action when there is no OnClick.
    virtual void Click();

    // Links two controls so that each hears through Notification when the other is destroyed
    // (a control that keeps a reference to another one clears it then).
    void FreeNotification(TControl* other);
    void RemoveFreeNotification(TControl* other);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // After the window exists: children are created and state is applied.
    virtual void HandleCreated();
    // The form a root control is: the form's own answer.
    virtual TForm* AsForm() { return nullptr; }
    // The form learns that this control has the focus now.
    void TellFormOfFocus();
    // Inside an event handler, a native window losing the focus to a window that makes no caret
    // may put off its native handling of the loss: until another window of ours hears of a
    // focus change, or until it settles it itself, unless the focus comes back first. A native
    // edit's caret is then neither destroyed nor made again for a focus that only passes.
    void HoldFocusLoss(HWND to);
    // Takes back a loss held by this control: true when there was one (the focus came back).
    bool TakeBackFocusLoss();
    // Gives the native window the loss held back, with the window the focus went to.
    virtual void SettleFocusLoss(HWND /*to*/) {}
    // The control whose pointer and context-menu events this window raises: itself, or the
    // control an inner window belongs to.
    virtual TControl& EventControl() { return *this; }
    // The pointer moved over this window (client coordinates in lParam, buttons in wParam).
    void MouseMoved(WPARAM wParam, LPARAM lParam);
    // Raises OnMouseDown or OnMouseUp for a left or right button message at a point of the
    // client area.
    void RaiseMouseButton(UINT message, POINT point);
    // Tells the parent that the control's state changed (CM_CHANGED).
    void Changed();
    // A control linked by FreeNotification is being destroyed.
    virtual void Notification(TControl* /*destroyed*/) {}
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes on the result of handling a message that changed what the control shows, and has
    // it repainted: return Repainted(Base::WndProc(message, wParam, lParam)).
    LRESULT Repainted(LRESULT result);
    virtual void FontChanged();
    virtual void ScaleBounds(int multiplier, int divisor);
    // The scale this control and its children are given bounds and fonts at from now on; nothing
    // is resized.
    void SetPixelsPerInch(int pixelsPerInch);
    virtual void PaintBackground(HDC dc);
    HBRUSH BackgroundBrush();
    void SetParentInternal(TControl* parent);

    bool visible_ = true;

private:
    // The held loss, whoever holds it, given now.
    static void SettleHeldFocusLoss();
    // Gives the held loss when the message is handled, if nothing gave it before.
    static TDeferred& HeldFocusLossSettlement();
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

    // The control at the top of the tree: the form, when the control sits on one.
    TControl& Root();
    // The window's own handling of a message that runs a modal loop of the system's.
    LRESULT DefaultHandlerInModalLoop(UINT message, WPARAM wParam, LPARAM lParam);
    // Bookkeeping on every message before the control handles it.
    void MessageArriving(UINT message, WPARAM wParam);
    void RegisterClassFor(const TCreateParams& params);
    void ApplyFont();
    void InheritFont();
    void TrackMouseLeave();
    void MouseLeft();
    // Whether the window under the pointer is this control's or one inside it.
    bool PointerOver() const;
    // Answers whether the request for a context menu was handled.
    bool ContextPopup(LPARAM position);
    // The handlers of the window procedure; each answers its message.
    LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT AnswerControlColor(HDC dc);
    LRESULT PaintNonClientArea(WPARAM wParam, LPARAM lParam);
    LRESULT EraseBackground(WPARAM wParam, LPARAM lParam);
    LRESULT OfferKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OfferChar(WPARAM wParam, LPARAM lParam);
    LRESULT OfferAccelerator(WPARAM wParam, LPARAM lParam);
    void PassColorChangeToChildren(WPARAM wParam, LPARAM lParam);
    void PointerLeftWindow();
    LRESULT HandleMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT AnswerSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam);

    TControl* parent_ = nullptr;
    std::vector<TControl*> children_;
    std::vector<TControl*> freeNotifies_;
    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int pixelsPerInch_ = kDesignPixelsPerInch;
    std::wstring caption_;
    std::wstring accessibleName_;
    std::wstring accessibleDescription_;
    TFont font_;
    TColor color_ = clBtnFace;
    bool parentFont_ = true;
    bool inheritingFont_ = false;
    bool enabled_ = true;
    bool tabStop_ = false;
    bool mouseInside_ = false;
    bool leaveTracked_ = false;
    bool invalidated_ = false; // marked whole for painting, not painted since
    TPopupMenu* popupMenu_ = nullptr;
    TControlAction* action_ = nullptr;
    HCURSOR cursor_ = nullptr;
    TGdiObject<HBRUSH> brush_;
    std::uint32_t brushRgb_ = 0;
};

// A focus move that code asks for (SetFocus, and so the form's active control and its tab
// order). When the control that had the focus refused to let it go, having raised an error,
// the code that asked ends there: the request raises a silent abort once the move is settled,
// and the error itself is reported once, as every error of a focus move is.
class TFocusRequest {
public:
    explicit TFocusRequest(const TControl& target);
    // Raises EAbort when the move raised an error and the focus is not on the target.
    void EndIfRefused() const;

private:
    const TControl& target_;
    unsigned errors_;
};

// The keyboard state as shift flags.
TShiftState KeyboardShiftState();
// The keyboard state and the buttons a mouse message reports (its wParam) as shift flags.
TShiftState MouseShiftState(WPARAM buttons);

} // namespace velkaro
