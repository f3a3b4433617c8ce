#pragma once
// Drawing helpers shared by the painted controls: owners of GDI objects and device contexts, so
// that whatever is created is freed and whatever is selected is put back on every way out of a
// scope; text measurement with a font; and painting through a memory bitmap so that nothing
// flickers.
#include "framework/DialogUnits.h"

#include <windows.h>

#include <string>
#include <utility>

namespace velkaro {

// A GDI object (brush, pen, font, bitmap), deleted with its owner; the owner may hold none.
template <class THandle> class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(THandle object) : object_(object) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        Reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    THandle Handle() const { return object_; }
    // Deletes the object held and takes another (or none).
    void Reset(THandle object = nullptr) {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
        object_ = object;
    }

private:
    THandle object_ = nullptr;
};

// A brush of one colour.
TGdiObject<HBRUSH> SolidBrush(COLORREF color);
// Fills the rectangle with one colour through a brush made for it.
void FillSolid(HDC dc, const RECT& rect, COLORREF color);

// An object selected into a device context for a scope; the one it replaced goes back.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~TSelection() { SelectObject(dc_, old_); }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context compatible with another one (with the screen for none).
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
    ~TMemoryDC() { DeleteDC(dc_); }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HDC dc_;
};

// The device context of a window's client area, or of the whole screen for no window.
class TClientDC {
public:
    explicit TClientDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~TClientDC() { ReleaseDC(window_, dc_); }
    TClientDC(const TClientDC&) = delete;
    TClientDC& operator=(const TClientDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The device context that paints a window's invalid area, for one WM_PAINT.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~TPaintDC() { EndPaint(window_, &paint_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A device context's clipping, selections and modes as they were, restored after a scope.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(dc_, saved_); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Draws text over what is already there, in a colour and a font, with DrawText's flags.
void DrawTransparentText(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF color,
                         UINT flags);

// A device context compatible with the screen with a font selected, for measuring text.
class TMeasureCanvas {
public:
    explicit TMeasureCanvas(HFONT font) : font_(dc_.Handle(), font) {}

    HDC Handle() const { return dc_.Handle(); }
    // The size DrawText gives the text with these flags within maxWidth (0: one unbounded line).
    SIZE TextRect(const std::wstring& text, int maxWidth, UINT flags) const;
    TEXTMETRICW Metrics() const;

private:
    TMemoryDC dc_;
    TSelection font_;
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
