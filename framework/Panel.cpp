#include "framework/Panel.h"

#include "framework/Canvas.h"

namespace velkaro {

namespace {

void FillWith(HDC dc, const RECT& rect, TColor color) {
    SetBkColor(dc, ColorToRGB(color));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// One pixel of bevel along the edges of the rectangle, which then shrinks inside it.
void DrawBevel(HDC dc, RECT& rect, TBevelCut bevel) {
    if (bevel == TBevelCut::bvNone) {
        return;
    }
    const TColor light = SystemColor(COLOR_BTNHIGHLIGHT);
    const TColor shadow = SystemColor(COLOR_BTNSHADOW);
    const TColor topLeft = bevel == TBevelCut::bvRaised ? light : shadow;
    const TColor bottomRight = bevel == TBevelCut::bvRaised ? shadow : light;
    FillWith(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillWith(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillWith(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillWith(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    InflateRect(&rect, -1, -1);
}

} // namespace

TPanel::TPanel(TControl* parent) : TPaintedControl(parent) {
    SetBounds(0, 0, 185, 41);
}

void TPanel::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TPanel";
    params.Style |= WS_CLIPCHILDREN;
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    bevelInner_ = bevel;
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}

void TPanel::Paint(HDC dc) {
    RECT rect = ClientRect();
    DrawBevel(dc, rect, bevelOuter_);
    DrawBevel(dc, rect, bevelInner_);
    FillWith(dc, rect, Color());
    DrawTransparentText(dc, Caption(), rect, Font().Handle(), ColorToRGB(Font().Color()),
                        DT_EXPANDTABS | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace velkaro
