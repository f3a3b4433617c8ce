#include "framework/Edit.h"

#include "framework/Canvas.h"

namespace velkaro {

TEdit::TEdit(TControl* parent) : TControl(parent) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 0);
    AdjustHeight();
}

void TEdit::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TEdit";
    params.BaseClass = L"EDIT";
    params.CommonControls = true;
    params.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::HandleCreated() {
    TControl::HandleCreated();
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetMaxLength(int length) {
    maxLength_ = length;
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
    }
}

void TEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETREADONLY, value, 0);
    }
}

void TEdit::SelectAll() {
    SendMessageW(HandleNeeded(), EM_SETSEL, 0, -1);
}

void TEdit::ChangeScale(int multiplier, int divisor) {
    TControl::ChangeScale(multiplier, divisor);
    AdjustHeight();
}

void TEdit::FontChanged() {
    TControl::FontChanged();
    AdjustHeight();
}

// The text height plus room for the sunken border and space above and below, designed at 96
// pixels per inch.
void TEdit::AdjustHeight() {
    const TMeasureCanvas canvas(Font().Handle());
    SetBounds(Left(), Top(), Width(),
              static_cast<int>(canvas.Metrics().tmHeight) +
                  ScaleValue(8 * GetSystemMetrics(SM_CYBORDER)));
}

} // namespace velkaro
