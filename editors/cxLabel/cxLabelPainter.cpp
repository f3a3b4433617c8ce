#include "editors/cxLabel/cxLabelPainter.h"

#include "framework/Canvas.h"

#include <algorithm>

namespace velkaro {

namespace {

// The font with the rotation's escapement, or none when the text is drawn unrotated.
TGdiObject<HFONT> RotatedFont(HFONT font, int angle) {
    if (angle == 0) {
        return {};
    }
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    description.lfEscapement = description.lfOrientation = LabelEscapement(angle);
    return TGdiObject<HFONT>(CreateFontIndirectW(&description));
}

int FontPoints(HDC dc, HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return -MulDiv(description.lfHeight, 72, GetDeviceCaps(dc, LOGPIXELSY));
}

UINT VerticalFlag(TcxEditVertAlignment vert) {
    switch (vert) {
    case taBottomJustify:
        return DT_BOTTOM;
    case taVCenter:
        return DT_VCENTER;
    case taTopJustify:
        break;
    }
    return DT_TOP;
}

// Draws the text once with its top-left at a point of the work bitmap.
class TTextCopier {
public:
    TTextCopier(HDC dc, const TcxLabelPaintValues& values, int angle, SIZE area)
        : dc_(dc), values_(values), angle_(angle), area_(area) {}

    void Draw(TcxLabelPoint at, TcxLabelRGB color) const {
        SetTextColor(dc_, color);
        const std::wstring& text = values_.Text;
        const int length = static_cast<int>(text.size());
        if (angle_ != 0) {
            TextOutW(dc_, at.X, at.Y, text.c_str(), length);
            return;
        }
        UINT flags =
            (values_.Horz == taRightJustify ? DT_RIGHT : DT_LEFT) | VerticalFlag(values_.Vert);
        if (values_.WordWrap) {
            flags |= DT_WORDBREAK;
        }
        if (values_.ShowEndEllipsis) {
            flags |= DT_END_ELLIPSIS;
        }
        RECT rect = values_.WordWrap ? RECT{at.X, at.Y, at.X + area_.cx, at.Y + area_.cy}
                                     : RECT{at.X + 1, at.Y, area_.cx - 1, area_.cy};
        DrawTextW(dc_, text.c_str(), length, &rect, flags);
    }

    // The text's letters as the current path.
    void Outline(TcxLabelPoint at) const {
        BeginPath(dc_);
        Draw(at, 0);
        EndPath(dc_);
    }

private:
    HDC dc_;
    const TcxLabelPaintValues& values_;
    int angle_;
    SIZE area_;
};

TcxLabelPoint operator+(TcxLabelPoint a, TcxLabelPoint b) {
    return {a.X + b.X, a.Y + b.Y};
}

void TileGlyph(HDC dc, HBITMAP glyph, int fromX, SIZE area) {
    BITMAP info{};
    GetObjectW(glyph, sizeof(info), &info);
    if (info.bmWidth <= 0 || info.bmHeight <= 0) {
        return;
    }
    const TMemoryDC source(dc);
    const TSelection selected(source.Handle(), glyph);
    for (int y = 0; y < area.cy; y += info.bmHeight) {
        for (int x = fromX; x < area.cx; x += info.bmWidth) {
            BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Handle(), 0, 0, SRCCOPY);
        }
    }
}

} // namespace

bool IsTrueTypeFont(HFONT font) {
    return (TMeasureCanvas(font).Metrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

void PaintLabel(HDC canvas, const TcxLabelPaintValues& values) {
    const RECT& area = values.TextArea;
    const SIZE size{std::max<LONG>(area.right - area.left, 0),
                    std::max<LONG>(area.bottom - area.top, 0)};
    if (size.cx == 0 || size.cy == 0) {
        return;
    }
    TScratchBitmap work(canvas, size.cx, size.cy);
    const HDC dc = work.Handle();

    int angle = LabelAngle(values.Angle);
    const bool trueType = IsTrueTypeFont(values.Font);
    if (!trueType) {
        angle = 0;
    }
    const TGdiObject<HFONT> rotated = RotatedFont(values.Font, angle);
    const TSelection font(dc, rotated.Handle() != nullptr ? rotated.Handle() : values.Font);
    const bool glyphFill = values.Glyph != nullptr && trueType;

    SIZE text{};
    GetTextExtentPoint32W(dc, values.Text.c_str(), static_cast<int>(values.Text.size()), &text);
    const TcxLabelPoint centring = LabelCentringOffset(values.Orientation, values.Depth);
    const TcxLabelPoint origin =
        LabelTextOrigin({(centring.X + size.cx) / 2, (size.cy + centring.Y) / 2}, text.cx, text.cy,
                        angle, values.WordWrap, values.Horz);
    const TcxLabelPoint shadowOffset = LabelShadowOffset(values.Orientation, values.Depth);
    const int shift = LabelCopyShift(angle, values.WordWrap, values.Horz, origin.X, shadowOffset.X);

    // An opaque picture is widened by the shift so that its right edge is background too.
    const int bitmapWidth = size.cx + (values.Transparent ? 0 : shift);
    work.Reserve(bitmapWidth, size.cy);
    const COLORREF background = ColorToRGB(values.Background);
    if (values.Transparent) {
        BitBlt(dc, 0, 0, size.cx, size.cy, canvas, area.left, area.top, SRCCOPY);
    } else {
        FillSolid(dc, {0, 0, bitmapWidth, size.cy}, background);
    }
    SetBkMode(dc, TRANSPARENT);

    const TTextCopier copier(dc, values, angle, size);
    if (values.Depth != 0) {
        for (const TcxLabelTextCopy& copy : LabelShadowCopies(
                 values.Effect, shadowOffset, ColorToRGB(values.ShadowedColor), background)) {
            copier.Draw(origin + copy.Offset, copy.Color);
        }
    }

    const COLORREF textColor = ColorToRGB(values.Enabled ? values.TextColor : clBtnShadow);
    if (values.Style == cxlsOutLine && trueType) {
        copier.Outline(origin);
        const TGdiObject<HPEN> pen(CreatePen(PS_SOLID, values.PenWidth, textColor));
        const TSelection selectedPen(dc, pen.Handle());
        StrokePath(dc);
    } else {
        const TcxLabelStyleColors colors{textColor, ColorToRGB(clBtnHighlight),
                                         ColorToRGB(clBtnShadow)};
        for (const TcxLabelTextCopy& copy :
             LabelStyleCopies(values.Style, glyphFill, FontPoints(dc, values.Font) > 11, colors)) {
            copier.Draw(origin + copy.Offset, copy.Color);
        }
    }

    if (glyphFill) {
        copier.Outline(origin + LabelGlyphOffset(values.Style));
        SelectClipPath(dc, RGN_COPY);
        TileGlyph(dc, values.Glyph, origin.X, {bitmapWidth, size.cy});
        SelectClipRgn(dc, nullptr);
    }

    // A transparent picture leaves the strip the shift uncovers showing what lies behind.
    BitBlt(canvas, area.left, area.top, size.cx - (values.Transparent ? shift : 0), size.cy, dc,
           shift, 0, SRCCOPY);
}

} // namespace velkaro
