#pragma once
// Paints a label's text with its shadow, 3-D style, rotation and glyph fill, through one work
// bitmap the size of the text area that is copied to the canvas in a single transfer.
#include "editors/cxLabel/cxLabelLayout.h"
#include "framework/Color.h"

#include <windows.h>

#include <string>

namespace velkaro {

struct TcxLabelPaintValues {
    RECT TextArea{};
    std::wstring Text;
    HFONT Font = nullptr;
    TColor TextColor = clWindowText;
    TColor Background = clBtnFace;
    TColor ShadowedColor = clGrayText;
    TcxLabelEffect Effect = cxleNormal;
    TcxLabelStyle Style = cxlsNormal;
    TcxLabelOrientation Orientation = cxoRightBottom;
    int Depth = 0;
    bool ShowEndEllipsis = false;
    int Angle = 0;
    int PenWidth = 1;
    HBITMAP Glyph = nullptr; // tiled inside the letters of a TrueType font
    bool WordWrap = false;
    bool Transparent = false; // keep what the canvas already shows under the text area
    TAlignment Horz = taLeftJustify;
    TcxEditVertAlignment Vert = taTopJustify;
    bool Enabled = true;
};

void PaintLabel(HDC canvas, const TcxLabelPaintValues& values);

// Whether the font is a TrueType font (only those rotate, outline and take a glyph fill).
bool IsTrueTypeFont(HFONT font);

} // namespace velkaro
