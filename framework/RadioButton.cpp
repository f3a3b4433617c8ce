#include "framework/RadioButton.h"

#include "framework/AccessibleAnnotation.h"
#include "runtime/ScopedRestore.h"

#include <oleacc.h>

#include <algorithm>

namespace velkaro {

TRadioButton::TRadioButton(TControl* parent) : TControl(parent) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TRadioButton";
    params.BaseClass = L"BUTTON";
    params.Style |= ButtonStyle() | BS_NOTIFY;
    if (alignment_ == TLeftRight::taLeftJustify) {
        params.Style |= BS_LEFTTEXT;
    }
    if (wordWrap_) {
        params.Style |= BS_MULTILINE;
    }
}

void TRadioButton::HandleCreated() {
    TControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::RecreateStyle() {
    if (!HandleAllocated()) {
        return;
    }
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(BS_LEFTTEXT | BS_MULTILINE);
    if (alignment_ == TLeftRight::taLeftJustify) {
        style |= BS_LEFTTEXT;
    }
    if (wordWrap_) {
        style |= BS_MULTILINE;
    }
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    Invalidate();
}

void TRadioButton::SetAlignment(TLeftRight alignment) {
    alignment_ = alignment;
    RecreateStyle();
}

void TRadioButton::SetWordWrap(bool value) {
    wordWrap_ = value;
    RecreateStyle();
}

void TRadioButton::SetChecked(bool value) {
    if (value == checked_) {
        return;
    }
    checked_ = value;
    SetTabStop(value);
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
        NotifyAccessibleEvent(Handle(), EVENT_OBJECT_STATECHANGE);
    }
    if (Action() != nullptr) {
        Action()->SetChecked(value);
    }
    if (!value) {
        return;
    }
    if (Parent() != nullptr) {
        for (TControl* sibling : std::vector<TControl*>(Parent()->Controls())) {
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling);
                radio != nullptr && radio != this) {
                radio->SetChecked(false);
            }
        }
    }
    Changed();
    if (!clicksDisabled_) {
        Click();
    }
}

void TRadioButton::ActionChanged() {
    const auto quiet = ScopedValue(clicksDisabled_, true);
    SetChecked(Action()->Checked());
}

TAccessibleDescription TRadioButton::AccessibleDescription() {
    TAccessibleDescription description = TControl::AccessibleDescription();
    description.Role = ROLE_SYSTEM_RADIOBUTTON;
    if (!description.Name) {
        description.Name = Caption();
    }
    if (Checked()) {
        description.State |= STATE_SYSTEM_CHECKED;
    }
    return description;
}

void TRadioButton::DoEnter() {
    TControl::DoEnter();
    if (!checked_) {
        // Arriving on an unchecked button selects it, with one click event.
        clicksDisabled_ = true;
        SetChecked(true);
        clicksDisabled_ = false;
        Click();
    }
}

namespace {

bool IsArrow(std::uint16_t key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

} // namespace

bool TRadioButton::WantsKey(std::uint16_t key) {
    return IsArrow(key) || TControl::WantsKey(key);
}

bool TRadioButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (TControl::KeyDown(key, shift)) {
        return true;
    }
    if (!IsArrow(key) || (shift & (ssAlt | ssCtrl)) != 0) {
        return false;
    }
    FocusNeighbour(key == VK_RIGHT || key == VK_DOWN);
    key = 0;
    return true;
}

void TRadioButton::FocusNeighbour(bool forward) {
    if (Parent() == nullptr) {
        return;
    }
    std::vector<TRadioButton*> group;
    for (TControl* sibling : Parent()->Controls()) {
        if (auto* radio = dynamic_cast<TRadioButton*>(sibling);
            radio != nullptr && (radio == this || radio->CanFocus())) {
            group.push_back(radio);
        }
    }
    const auto count = group.size();
    const auto at =
        static_cast<std::size_t>(std::find(group.begin(), group.end(), this) - group.begin());
    TRadioButton* neighbour = group[(at + (forward ? 1 : count - 1)) % count];
    if (neighbour != this) {
        neighbour->SetFocus();
    }
}

void TRadioButton::NotifyCommand(WORD code) {
    if (code == BN_CLICKED) {
        SetChecked(true);
    } else if (code == BN_DOUBLECLICKED && OnDblClick) {
        OnDblClick(this);
    }
}

// The focus arrival selects the button and reports the click; the press itself adds none. A
// press whose focus move was refused, or whose click ran a modal window, is over.
LRESULT TRadioButton::Pressed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Focused()) {
        const TInputWatch press;
        {
            const auto noClicks = ScopedValue(clicksDisabled_, true);
            SetFocus();
        }
        if (!Focused() || press.Interrupted()) {
            return 0;
        }
    }
    return TControl::WndProc(message, wParam, lParam);
}

LRESULT TRadioButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CN_COMMAND:
        NotifyCommand(HIWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return Pressed(message, wParam, lParam);
    default:
        break;
    }
    return TControl::WndProc(message, wParam, lParam);
}

} // namespace velkaro
