#include "framework/Label.h"

#include "framework/Canvas.h"

namespace velkaro {

TLabel::TLabel(TControl* parent) : TPaintedControl(parent) {
    SetBounds(0, 0, 65, 17);
}

TAccessibleDescription TLabel::AccessibleDescription() {
    return DescribeStaticText(TPaintedControl::AccessibleDescription(), Caption());
}

void TLabel::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.ClassName = L"TLabel";
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    wordWrap_ = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

UINT TLabel::DrawFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_) {
        flags |= DT_WORDBREAK;
    }
    switch (alignment_) {
    case TAlignment::taLeftJustify:
        flags |= DT_LEFT;
        break;
    case TAlignment::taRightJustify:
        flags |= DT_RIGHT;
        break;
    case TAlignment::taCenter:
        flags |= DT_CENTER;
        break;
    }
    return flags;
}

SIZE TLabel::TextSize(int maxWidth) {
    // An empty caption still takes one line.
    const std::wstring caption = Caption();
    const TMeasureCanvas canvas(Font().Handle());
    return canvas.TextRect(caption.empty() ? L" " : caption, maxWidth, DrawFlags());
}

void TLabel::FontChanged() {
    TPaintedControl::FontChanged();
    Invalidate();
}

void TLabel::Paint(HDC dc) {
    RECT rect = ClientRect();
    if (transparent_ && GetParent(Handle()) != nullptr) {
        PaintParentBackground(Handle(), dc);
    } else {
        FillRect(dc, &rect, BackgroundBrush());
    }
    DrawTransparentText(dc, Caption(), rect, Font().Handle(),
                        ColorToRGB(Enabled() ? Font().Color() : clGrayText), DrawFlags());
}

} // namespace velkaro
