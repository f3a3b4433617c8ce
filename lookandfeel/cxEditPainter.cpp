#include "lookandfeel/cxEditPainter.h"

#include "framework/Canvas.h"
#include "lookandfeel/ThemeLibrary.h"

#include <vssym32.h>

namespace velkaro {

namespace {

void FrameWith(HDC dc, RECT& rect, TColor color) {
    FrameRect(dc, &rect, SolidBrush(ColorToRGB(color)).Handle());
    InflateRect(&rect, -1, -1);
}

TColor OrDefault(TColor color, TColor fallback) {
    return color == clNone ? fallback : color;
}

constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);

// The theme draws the frame of an edit that can be typed into, and only the frame: what lies
// inside, and the read-only and disabled states altogether, are painted from the system's
// colours, so that text and background always come from one scheme (a high-contrast one too,
// which a theme's fixed fills ignore).
bool ThemePaintsFrame(const TcxEditFrame& frame) {
    return frame.Themed && frame.Enabled && !frame.ReadOnly;
}

// The themed edit frame; false when the theme does not draw one.
bool DrawThemedFrame(HDC dc, HWND window, const RECT& bounds, const TcxEditFrame& frame) {
    const TThemeLibrary& themes = ThemeLibrary();
    const HTHEME theme = themes.Loaded() ? themes.OpenThemeData(window, L"EDIT") : nullptr;
    if (theme == nullptr) {
        return false;
    }
    const int border = EditBorderWidth(frame);
    const TSavedDC saved(dc);
    ExcludeClipRect(dc, bounds.left + border, bounds.top + border, bounds.right - border,
                    bounds.bottom - border);
    const HRESULT result = themes.DrawThemeBackground(
        theme, dc, EP_EDITTEXT, frame.Focused ? ETS_FOCUSED : ETS_NORMAL, &bounds, nullptr);
    themes.CloseThemeData(theme);
    return SUCCEEDED(result);
}

// Where a theme is in use, the frame of a read-only or disabled edit looks like the theme's flat
// one, from the system's colours: a line, and the background inside it.
bool DrawSchemeFrame(HDC dc, const RECT& bounds, const TcxEditFrame& frame) {
    RECT rect = bounds;
    FrameWith(dc, rect, OrDefault(frame.BorderColor, clBtnShadow));
    return true;
}

TColor InnermostLineColor(const TcxEditFrame& frame) {
    switch (frame.BorderStyle) {
    case ebsFlat:
        return clBtnFace;
    case ebsUltraFlat:
        return OrDefault(frame.BorderColor, frame.Focused ? clHighlight : clBtnShadow);
    default:
        return OrDefault(frame.BorderColor, clWindowFrame);
    }
}

// The frame's lines at 96 pixels per inch.
int DesignedBorderWidth(const TcxEditFrame& frame) {
    if (frame.Themed && frame.BorderStyle != ebsNone) {
        return 2;
    }
    switch (frame.BorderStyle) {
    case ebsNone:
        return 0;
    case ebsSingle:
    case ebsUltraFlat:
        return 1;
    case ebsThick:
    case ebsFlat:
    case ebs3D:
        return 2;
    }
    return 0;
}

} // namespace

bool AreVisualStylesActive() {
    const TThemeLibrary& themes = ThemeLibrary();
    return themes.Loaded() && themes.IsThemeActive() && themes.IsAppThemed();
}

int EditBorderWidth(const TcxEditFrame& frame) {
    return MulDiv(DesignedBorderWidth(frame), frame.PixelsPerInch, 96);
}

RECT DrawEditFrame(HDC dc, HWND window, const RECT& bounds, const TcxEditFrame& frame) {
    RECT rect = bounds;
    if (frame.BorderStyle == ebsNone) {
        return rect;
    }
    if (frame.Themed && (ThemePaintsFrame(frame) ? DrawThemedFrame(dc, window, bounds, frame)
                                                 : DrawSchemeFrame(dc, bounds, frame))) {
        InflateRect(&rect, -EditBorderWidth(frame), -EditBorderWidth(frame));
        return rect;
    }
    switch (frame.BorderStyle) {
    case ebs3D:
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        break;
    case ebsFlat:
        FrameWith(dc, rect, OrDefault(frame.BorderColor, clBtnShadow));
        FrameWith(dc, rect, InnermostLineColor(frame));
        break;
    case ebsThick:
        FrameWith(dc, rect, InnermostLineColor(frame));
        FrameWith(dc, rect, InnermostLineColor(frame));
        break;
    case ebsUltraFlat:
    case ebsSingle:
        FrameWith(dc, rect, InnermostLineColor(frame));
        break;
    case ebsNone:
        break;
    }
    // A larger scale repeats the innermost line until the frame is as wide as it measures.
    while (rect.left - bounds.left < EditBorderWidth(frame) && rect.left < rect.right) {
        if (frame.BorderStyle == ebs3D) {
            DrawEdge(dc, &rect, BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
        } else {
            FrameWith(dc, rect, InnermostLineColor(frame));
        }
    }
    return rect;
}

TColor EditBackgroundColor(TColor styleColor, bool enabled) {
    return enabled ? styleColor : clBtnFace;
}

TColor EditTextColor(TColor fontColor, bool enabled) {
    return enabled ? fontColor : clGrayText;
}

int EditLineHeight(HFONT font) {
    return static_cast<int>(TMeasureCanvas(font).Metrics().tmHeight);
}

// A line, a pixel of room above and below it and the inner edit's pixel of offset on each side,
// as a native one-line edit of the same font measures.
int EditContentHeight(HFONT font, const TcxEditFrame& frame) {
    return EditLineHeight(font) + MulDiv(4, frame.PixelsPerInch, 96) + 2 * EditBorderWidth(frame);
}

void DrawEditText(HDC dc, const RECT& area, const std::wstring& text, HFONT font, TColor color,
                  UINT horizontalFlag) {
    DrawTransparentText(dc, text, area, font, ColorToRGB(color),
                        horizontalFlag | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

} // namespace velkaro
