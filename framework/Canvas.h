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

// A memory device holding a bitmap of at least the given size, compatible with the given device:
// taken from the thread's few kept bitmaps (grown as needed) and given back when destroyed, since
// making a bitmap compatible with the screen asks the window server every time. The device starts
// in its default state; the bitmap holds whatever was drawn into it before.
class TScratchBitmap {
public:
    TScratchBitmap(HDC compatible, int width, int height);
    ~TScratchBitmap();
    TScratchBitmap(const TScratchBitmap&) = delete;
    TScratchBitmap& operator=(const TScratchBitmap&) = delete;

    HDC Handle() const;
    // At least this size from here on; what was drawn may be lost if it has to grow.
    void Reserve(int width, int height);

    struct TKept; // one kept bitmap and its device

private:
    HDC compatible_;
    TKept* kept_;
    int savedState_;
};

// Paints into a memory bitmap of the area and copies it to the target when destroyed.
class TBufferedPaint {
public:
    TBufferedPaint(HDC target, const RECT& area);
    ~TBufferedPaint();
    TBufferedPaint(const TBufferedPaint&) = delete;
    TBufferedPaint& operator=(const TBufferedPaint&) = delete;

    HDC Handle() const { return scratch_.Handle(); }

private:
    HDC target_;
    RECT area_;
    TScratchBitmap scratch_;
};

} // namespace velkaro
