#include "framework/Image.h"

#include "framework/ProgramIcon.h"

#include <algorithm>

namespace velkaro {

TImage::TImage(TControl* parent) : TPaintedControl(parent) {
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
}

void TImage::CreateParams(TCreateParams& params) {
    TPaintedControl::CreateParams(params);
    params.ClassName = L"TImage";
}

void TImage::SetSystemIcon(const wchar_t* name) {
    systemIcon_ = name;
    ReloadIcon();
}

void TImage::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TPaintedControl::SetBounds(left, top, width, height);
    if (resized && systemIcon_ != nullptr) {
        ReloadIcon(); // the scale changed: the image drawn at the new size, not stretched
    }
}

void TImage::ReloadIcon() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    icon_ = systemIcon_ != nullptr
                ? LoadIconAtSize(nullptr, systemIcon_, std::min(Width(), Height()))
                : nullptr;
    Invalidate();
}

void TImage::Paint(HDC dc) {
    const RECT rect = ClientRect();
    FillRect(dc, &rect, BackgroundBrush());
    if (icon_ != nullptr) {
        DrawIconEx(dc, 0, 0, icon_, 0, 0, 0, nullptr, DI_NORMAL); // at the icon's own size
    }
}

} // namespace velkaro
