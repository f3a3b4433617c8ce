#pragma once
// Drawing helpers shared by the painted controls: text measurement with a font, and painting
// through a memory bitmap so that nothing flickers.
#include "framework/DialogUnits.h"

#include <windows.h>

#include <string>

namespace velkaro {

// A device context compatible with the screen with a font selected, for measuring text.
class TMeasureCanvas {
public:
    explicit TMeasureCanvas(HFONT font);
    ~TMeasureCanvas();
    TMeasureCanvas(const TMeasureCanvas&) = delete;
    TMeasureCanvas& operator=(const TMeasureCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // The size DrawText gives the text with these flags within maxWidth (0: one unbounded line).
    SIZE TextRect(const std::wstring& text, int maxWidth, UINT flags) const;
    TEXTMETRICW Metrics() const;

private:
    HDC dc_;
    HGDIOBJ oldFont_;
};

// The width of "A".."Z" and "a".."z" divided by 52 (integer division), and its height, for a
// dialog at the given scale.
TDialogUnits AverageCharSize(HFONT font, int pixelsPerInch);

// Paints what the window's parent shows behind it into the window's client coordinates of dc,
// so that a transparent control can draw over it.
void PaintParentBackground(HWND window, HDC dc);

// Paints into a memory bitmap of the area and copies it to the target when destroyed. The
// thread's paints share one bitmap, kept and grown as needed: making one compatible with the
// screen costs the window system a lookup of the display every time. A paint inside another
// paint gets a bitmap of its own. Each paint starts from the memory device's default state.
class TBufferedPaint {
public:
    TBufferedPaint(HDC target, const RECT& area);
    ~TBufferedPaint();
    TBufferedPaint(const TBufferedPaint&) = delete;
    TBufferedPaint& operator=(const TBufferedPaint&) = delete;

    HDC Handle() const { return memory_; }

private:
    HDC target_;
    RECT area_;
    HDC memory_ = nullptr;
    int savedState_ = 0;
    // A bitmap of its own, while the shared one is in use.
    HBITMAP ownBitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

} // namespace velkaro
