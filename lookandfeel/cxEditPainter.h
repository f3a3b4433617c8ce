#pragma once
// Painting of an edit's frame, background and text, and the metrics behind its automatic height
// and the placement of its inner edit.
#include "framework/Color.h"

#include <windows.h>

#include <string>

namespace velkaro {

enum TcxEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat };

struct TcxEditFrame {
    TcxEditBorderStyle BorderStyle = ebs3D;
    // clNone: the style's own colour for the kind.
    TColor BorderColor = clNone;
    // The platform's visual style, when one is active.
    bool Themed = false;
    bool Enabled = true;
    bool ReadOnly = false;
    bool Focused = false;
    // The scale of the edit: lines and room designed at 96 pixels per inch grow with it.
    int PixelsPerInch = 96;
    friend bool operator==(const TcxEditFrame&, const TcxEditFrame&) = default;
};

// Whether the platform paints with visual styles now.
bool AreVisualStylesActive();

// Pixels the frame takes on each side, at the frame's scale.
int EditBorderWidth(const TcxEditFrame& frame);

// Paints the frame into the outer edge of bounds and answers the area inside it.
RECT DrawEditFrame(HDC dc, HWND window, const RECT& bounds, const TcxEditFrame& frame);

// What is painted inside the frame: disabled edits grey out, read-only ones keep their colours.
TColor EditBackgroundColor(TColor styleColor, bool enabled);
TColor EditTextColor(TColor fontColor, bool enabled);

// The height of one line of text in the font.
int EditLineHeight(HFONT font);
// The height an edit needs for one line in the font inside the frame.
int EditContentHeight(HFONT font, const TcxEditFrame& frame);

// One line of text within the area, aligned by the DrawText flags (DT_LEFT, DT_CENTER,
// DT_RIGHT; the line starts at the area's top).
void DrawEditText(HDC dc, const RECT& area, const std::wstring& text, HFONT font, TColor color,
                  UINT horizontalFlag);

} // namespace velkaro
