#pragma once
// The framework's radio button: a system button window whose check state, sibling rule and click
// events are ours. All radio buttons with the same parent form one group.
#include "framework/Control.h"

namespace velkaro {

enum class TLeftRight { taLeftJustify, taRightJustify };

class TRadioButton : public TControl {
public:
    explicit TRadioButton(TControl* parent);

    virtual bool Checked() const { return checked_; }
    // Checking unchecks the siblings, tells the parent (CM_CHANGED) and fires OnClick (unless
    // clicks are disabled); unchecking never does either. A checked button is the group's tab
    // stop, and a linked action's checked state follows the button's.
    virtual void SetChecked(bool value);
    // Takes the linked action's checked state, without a click.
    void ActionChanged() override;

    // Which side of the mark the caption is on: right-justify puts it to the mark's right.
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    TNotifyEvent OnDblClick;

    // A radio button named by its caption, checked or not.
    TAccessibleDescription AccessibleDescription() override;

    void DoEnter() override;

    // The group is one stop for Tab (its checked button); within it the arrows move the focus to
    // the next or previous button, round from the last to the first, and the focus arrival checks
    // it as a click does.
    bool WantsKey(std::uint16_t key) override;
    bool KeyDown(std::uint16_t& key, TShiftState shift) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual DWORD ButtonStyle() const { return BS_RADIOBUTTON; }

private:
    void RecreateStyle();
    void FocusNeighbour(bool forward);
    // The handlers of the window procedure.
    void NotifyCommand(WORD code);
    LRESULT Pressed(UINT message, WPARAM wParam, LPARAM lParam);

    bool checked_ = false;
    bool clicksDisabled_ = false;
    bool wordWrap_ = false;
    TLeftRight alignment_ = TLeftRight::taRightJustify;
};

} // namespace velkaro
