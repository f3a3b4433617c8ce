#include "app/un_velkaro.h"

namespace velkaro {

Tfr_velkaro* fr_velkaro = nullptr;

Tfr_velkaro::Tfr_velkaro() {
    SetCaption(L"Velkaro 2 - Dorimex\u00AE");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TFormPosition::poDesktopCenter);
    SetClientSize(220, 139);
    SetColor(clBtnFace);
    Font().SetName(L"MS Sans Serif");
    Font().SetHeight(11);
    Font().SetColor(clWindowText);
}

void Tfr_velkaro::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ClassName = L"Tfr_velkaro";
}

} // namespace velkaro
