#include "framework/Buttons.h"

#include "framework/Canvas.h"
#include "framework/Form.h"

namespace velkaro {

TButton::TButton(TControl* parent) : TControl(parent) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TButton";
    params.BaseClass = L"BUTTON";
    params.CommonControls = true;
    params.Style |= ButtonStyle();
}

DWORD TButton::ButtonStyle() const {
    return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    default_ = value;
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
    }
}

void TButton::Click() {
    if (TForm* form = ParentForm(); form != nullptr && modalResult_ != mrNone) {
        form->SetModalResult(modalResult_);
    }
    TControl::Click();
}

// Enter belongs to the focused button, or to the default button while no button has the focus.
bool TButton::AnswersEnter() const {
    if (const auto* focused = dynamic_cast<const TButton*>(FromHandle(FocusedWindow()))) {
        return focused == this;
    }
    return default_;
}

bool TButton::HandleDialogKey(std::uint16_t key) {
    if (!CanFocus() || KeyboardShiftState() != 0) {
        return false;
    }
    if ((key == VK_RETURN && AnswersEnter()) || (key == VK_ESCAPE && cancel_)) {
        Click();
        return true;
    }
    return false;
}

LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CN_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            Click();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        // A quick second click is another click, not a double click.
        return TControl::WndProc(WM_LBUTTONDOWN, wParam, lParam);
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

void TBitBtn::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.ClassName = L"TBitBtn";
}

LRESULT TBitBtn::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CN_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: // the dark frame follows the focus
        return Repainted(TButton::WndProc(message, wParam, lParam));
    default:
        return TButton::WndProc(message, wParam, lParam);
    }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const TBufferedPaint buffer(item.hDC, item.rcItem);
    HDC dc = buffer.Handle();
    RECT rect = item.rcItem;
    if (focused || Default()) {
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT textRect = rect;
    if (pushed) {
        OffsetRect(&textRect, 1, 1);
    }
    DrawTransparentText(dc, Caption(), textRect, Font().Handle(),
                        ColorToRGB(disabled ? clGrayText : Font().Color()),
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(dc, &rect);
    }
}

} // namespace velkaro
