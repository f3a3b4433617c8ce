#include "editors/cxLabel/cxLabel.h"

#include "editors/cxEdit/cxEditBeep.h"
#include "framework/Accelerator.h"
#include "framework/AccessibleAnnotation.h"
#include "framework/Canvas.h"

#include <algorithm>

namespace velkaro {

namespace {

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

UINT MeasureDrawFlags(const TcxLabelMeasureFlags& flags) {
    UINT result = DT_CALCRECT;
    result |= flags.Horz == taRightJustify ? DT_RIGHT : flags.Horz == taCenter ? DT_CENTER : 0;
    result |= flags.Vert == taBottomJustify ? DT_BOTTOM : flags.Vert == taVCenter ? DT_VCENTER : 0;
    if (flags.WordBreak) {
        result |= DT_WORDBREAK;
    }
    if (flags.EndEllipsis) {
        result |= DT_END_ELLIPSIS;
    }
    return result;
}

// A device-independent bitmap of the glyph's pixels, for the painter to tile.
TGdiObject<HBITMAP> GlyphBitmap(const TcxLabelGlyph& glyph) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = glyph.Width();
    info.bmiHeader.biHeight = -glyph.Height(); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap.Handle() == nullptr) {
        return bitmap;
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (const TcxLabelRGB color : glyph.Pixels()) { // 0x00BBGGRR to 0x00RRGGBB
        *pixels++ = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    }
    return bitmap;
}

} // namespace

bool IsSameLabelCaption(std::wstring_view current, std::wstring_view text) {
    return std::ranges::equal(current, text,
                              [](wchar_t a, wchar_t b) { return AsciiLower(a) == AsciiLower(b); });
}

// ---------------------------------------------------------------- layout

TcxLabelPaintValues TcxCustomLabelViewData::Calculate(const RECT& textArea) const {
    TcxCustomLabelProperties& properties = label_.Properties();
    TcxCustomEditStyle& style = label_.Style();
    TcxLabelPaintValues values;
    values.TextArea = textArea;
    values.Text = label_.Caption();
    values.Font = style.Font().Handle();
    values.TextColor = style.Font().Color();
    values.Background = style.Color();
    values.ShadowedColor = properties.ShadowedColor();
    values.Effect = properties.LabelEffect();
    values.Style = properties.LabelStyle();
    values.Orientation = properties.Orientation();
    values.Depth = properties.Depth();
    values.ShowEndEllipsis = properties.ShowEndEllipsis();
    values.Angle = properties.Angle();
    values.PenWidth = properties.PenWidth();
    values.WordWrap = properties.WordWrap();
    values.Transparent = properties.Transparent();
    values.Horz = properties.Alignment().Horz();
    values.Vert = properties.Alignment().Vert();
    values.Enabled = label_.Enabled();
    return values;
}

TcxLabelMeasureFlags TcxCustomLabelViewData::MeasureFlags() const {
    TcxCustomLabelProperties& properties = label_.Properties();
    return LabelMeasureFlags(properties.Alignment().Horz(), properties.Alignment().Vert(),
                             properties.WordWrap(), properties.Angle(),
                             properties.ShowEndEllipsis(), label_.AutoSize());
}

SIZE TcxCustomLabelViewData::ContentSize(int textAreaWidth) const {
    const TcxLabelMeasureFlags flags = MeasureFlags();
    // An empty caption still takes one line.
    const std::wstring caption = label_.Caption().empty() ? L" " : label_.Caption();
    const TMeasureCanvas canvas(label_.Style().Font().Handle());
    RECT rect{0, 0, flags.WordBreak ? std::max(textAreaWidth, 1) : 0, 0};
    DrawTextW(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &rect,
              MeasureDrawFlags(flags));
    TcxCustomLabelProperties& properties = label_.Properties();
    const TcxLabelPoint size = LabelContentSize(properties.Orientation(), properties.Depth(),
                                                rect.right - rect.left, rect.bottom - rect.top);
    return {flags.WordBreak ? textAreaWidth : size.X, size.Y};
}

void TcxCustomLabelViewInfo::Calculate(const TcxCustomLabelViewData& data, const RECT& textArea) {
    values_ = data.Calculate(textArea);
}

void TcxCustomLabelViewInfo::Paint(HDC dc, const TcxLabelGlyph* glyph) const {
    TcxLabelPaintValues values = values_;
    const TGdiObject<HBITMAP> glyphBitmap =
        glyph != nullptr ? GlyphBitmap(*glyph) : TGdiObject<HBITMAP>();
    values.Glyph = glyphBitmap.Handle();
    PaintLabel(dc, values);
}

// ---------------------------------------------------------------- the control

TcxCustomLabel::TcxCustomLabel(TControl* parent, const TcxEditPropertiesFactory& createProperties)
    : TcxCustomEdit(parent, createProperties) {
    SetParentColor(true);
    SetTabStop(false);
}

TcxCustomLabelProperties& TcxCustomLabel::Properties() const {
    return static_cast<TcxCustomLabelProperties&>(TcxCustomEdit::Properties());
}

void TcxCustomLabel::SetCaption(const std::wstring& text) {
    captionAssigned_ = true;
    if (IsSameLabelCaption(caption_, text)) {
        return;
    }
    SetEditValue(Variant(text));
}

bool TcxCustomLabel::WriteWindowText(const std::wstring& text) {
    SetCaption(text);
    return true;
}

void TcxCustomLabel::SetName(const std::wstring& name) {
    name_ = name;
    if (!captionAssigned_) {
        SetCaption(name);
        captionAssigned_ = false;
    }
}

TAccessibleDescription TcxCustomLabel::AccessibleDescription() {
    return DescribeStaticText(TcxCustomEdit::AccessibleDescription(), caption_);
}

// The caption is what the label shows, in its display form wherever the focus is.
void TcxCustomLabel::RefreshDisplayFromValue() {
    std::wstring caption = Properties().MakeDisplayValue(EditValue(), false).ToString();
    const bool renamed = caption != caption_ && AccessibleName().empty();
    caption_ = std::move(caption);
    if (renamed) {
        NotifyAccessibleEvent(Handle(), EVENT_OBJECT_NAMECHANGE);
    }
    Properties().AnnounceChange();
}

void TcxCustomLabel::ApplyPropertiesChange() {
    viewInfo_.ClearText();
    TcxCustomEdit::ApplyPropertiesChange();
}

void TcxCustomLabel::SetFocusControl(TControl* control) {
    if (control == this || control == focusControl_) {
        return;
    }
    if (focusControl_ != nullptr) {
        RemoveFreeNotification(focusControl_);
    }
    focusControl_ = control;
    if (focusControl_ != nullptr) {
        FreeNotification(focusControl_);
    }
}

void TcxCustomLabel::Notification(TControl* destroyed) {
    TcxCustomEdit::Notification(destroyed);
    if (destroyed == focusControl_) {
        focusControl_ = nullptr;
    }
}

bool TcxCustomLabel::CanFocus() const {
    return IsInPlace() && TcxCustomEdit::CanFocus();
}

bool TcxCustomLabel::DialogChar(wchar_t key) {
    if (!IsAccelerator(key, caption_)) {
        return TcxCustomEdit::DialogChar(key);
    }
    if (focusControl_ != nullptr && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
    } else {
        EditBeep();
    }
    return true;
}

int TcxCustomLabel::ContentHeight() {
    const int border = EditBorderWidth(EditFrame(*this));
    return viewData_.ContentSize(Width() - 2 * border).cy + 2 * border;
}

int TcxCustomLabel::ContentWidth() {
    const int border = EditBorderWidth(EditFrame(*this));
    return viewData_.ContentSize(Width() - 2 * border).cx + 2 * border;
}

bool TcxCustomLabel::ShowsParentBackground() const {
    return Properties().Transparent() && !IsDestroying() && HandleAllocated() &&
           GetParent(Handle()) != nullptr;
}

void TcxCustomLabel::PaintViewBackground(HDC dc, const RECT& client) {
    if (ShowsParentBackground()) {
        PaintParentBackground(Handle(), dc);
    } else {
        TcxCustomEdit::PaintViewBackground(dc, client);
    }
}

void TcxCustomLabel::PaintContent(HDC dc, const RECT& content) {
    viewInfo_.Calculate(viewData_, content);
    TcxCustomLabelProperties& properties = Properties();
    viewInfo_.Paint(dc, properties.HasGlyph() ? &properties.Glyph() : nullptr);
}

std::unique_ptr<TcxContainerStyle> TcxCustomLabel::CreateStyle() {
    return std::make_unique<TcxLabelEditStyle>(this);
}

void TcxCustomLabel::CreateParams(TCreateParams& params) {
    TcxCustomEdit::CreateParams(params);
    params.ClassName = L"TcxCustomLabel";
    params.ClassStyle &= ~static_cast<UINT>(CS_DBLCLKS);
}

LRESULT TcxCustomLabel::EraseBackground(WPARAM wParam, LPARAM lParam) {
    if (!ShowsParentBackground()) {
        return TcxCustomEdit::WndProc(WM_ERASEBKGND, wParam, lParam);
    }
    PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
    return 1;
}

LRESULT TcxCustomLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return EraseBackground(wParam, lParam);
    case WM_MOVE:
    case WM_SIZE:
        return Repainted(TcxCustomEdit::WndProc(message, wParam, lParam));
    default:
        break;
    }
    return TcxCustomEdit::WndProc(message, wParam, lParam);
}

TcxLabel::TcxLabel(TControl* parent)
    : TcxCustomLabel(parent, MakePropertiesFactory<TcxLabelProperties>()) {
    AfterConstruction();
    // The size of a new label; automatic sizing follows its first change.
    SetBounds(Left(), Top(), 121, 21);
}

TcxLabelProperties& TcxLabel::Properties() const {
    return static_cast<TcxLabelProperties&>(TcxCustomLabel::Properties());
}

void TcxLabel::CreateParams(TCreateParams& params) {
    TcxCustomLabel::CreateParams(params);
    params.ClassName = L"TcxLabel";
}

} // namespace velkaro
