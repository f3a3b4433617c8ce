#pragma once
// A top-level window: border, client size, centring, show events, the focused control, keyboard
// navigation and modal showing.
#include "framework/Control.h"
#include "framework/Monitors.h"

namespace velkaro {

enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10
};

enum class TFormBorderStyle { bsDialog, bsSingle, bsNone };
// poScreenCenter: centred on the work area of one monitor, that of the window the form is opened
// from (the primary for the main form), so that it opens whole on one screen.
enum class TFormPosition { poDesigned, poScreenCenter };

class TForm : public TControl {
public:
    TForm();
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    TFormPosition Position() const { return position_; }
    void SetPosition(TFormPosition position) { position_ = position; }
    void SetClientSize(int width, int height) override;
    void SetVisible(bool value) override;

    // Builds the form at the scale of the monitor it will open on instead of at 96 pixels per
    // inch: its font, given at its current scale, is brought there by its point size, and the
    // bounds and fonts given to it and its controls from here on are that monitor's pixels. A
    // layout measured with the fonts the controls really get then shows as measured, and nothing
    // is scaled again unless the window lands on a monitor of another scale.
    void LayOutAtMonitorScale();

    // The control that has, or gets on activation, the keyboard focus.
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);

    void Close();
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }

    // Moves the focus to the next (or previous) tab stop after the given control.
    void SelectNext(TControl* current, bool forward);
    // Tab, Enter and Esc when the focused control does not take them itself.
    virtual bool DialogKey(std::uint16_t key, TShiftState shift);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnClose;

    // Called by a control of this form that received the focus.
    void FocusChanged(TControl* control);
    // Whether the last focus arrival gave the focus back to the control that had it when the
    // window was left (the window was re-activated), rather than moving it within the window.
    bool FocusReturned() const { return focusReturned_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void HandleCreated() override;
    // A form keeps its place and its frame is the system's: only the client size scales.
    void ScaleBounds(int multiplier, int divisor) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void DoShow();
    void ShowForm(bool visible);
    // The monitor the form opens on: that of the window it is opened from (the program's active
    // form, else its main form); the primary for the main form itself and when there is none.
    TMonitor OpeningMonitor() const;

private:
    // Scales the layout. The form's own client size is only recorded: the window is resized by
    // the caller, in the one move it makes.
    void ScaleTo(int pixelsPerInch);
    // Gives the window the recorded client size (estimates its bounds when it has no window).
    void ApplyClientSize();
    // The window is about to move to a monitor of another scale: proposes its size there (the
    // system suggests the new bounds from it). False where it leaves the system's proposal.
    bool ProposeScaledSize(int pixelsPerInch, SIZE& size) const;
    // The window moved to a monitor of another scale; the system suggests its new bounds.
    void MoveToScale(int pixelsPerInch, const RECT& suggested);
    LRESULT Activated(WPARAM wParam, LPARAM lParam);
    void RestoreFocus();
    // The area the form is centred in, or its own bounds when it keeps its place.
    RECT PlacementArea() const;
    // The bounds of the window the form is opened from, if there is one.
    std::optional<RECT> OpenerBounds() const;
    // The scale of the monitor the form opens on: the one holding the centre of its area.
    int OpeningPixelsPerInch() const;
    void PlaceOnScreen();
    void InitializeFocusCues();
    void FocusFirstControl();
    std::vector<TControl*> TabList();

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsDialog;
    TFormPosition position_ = TFormPosition::poScreenCenter;
    TControl* activeControl_ = nullptr;
    // The innermost control whose enter processing has run and whose exit has not.
    TControl* enteredControl_ = nullptr;
    int clientWidth_ = 0, clientHeight_ = 0;
    // Counts the focus moves processed, so that a move can tell that another superseded it.
    unsigned focusMoves_ = 0;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool focusReturned_ = false;
};

} // namespace velkaro
