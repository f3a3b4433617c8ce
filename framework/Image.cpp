#include "framework/Image.h"

namespace velkaro {

TImage::TImage(TControl* parent) : TPaintedControl(parent) {
    SetBounds(0, 0, 105, 105);
}

void TImage::CreateParams(TCreateParams& params) {
    TPaintedControl::CreateParams(params);
    params.ClassName = L"TImage";
}

void TImage::SetIcon(HICON icon) {
    icon_ = icon;
    Invalidate();
}

void TImage::Paint(HDC dc) {
    const RECT rect = ClientRect();
    FillRect(dc, &rect, BackgroundBrush());
    if (icon_ != nullptr) {
        DrawIconEx(dc, 0, 0, icon_, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    }
}

} // namespace velkaro
