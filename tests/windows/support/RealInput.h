#pragma once
// Input as the user gives it: the system's pointer and keyboard (SendInput), not posted messages,
// and a look at the pixels a window shows.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace velkaro::test {

// Processes the messages the injected input produced.
void Pump();
// Moves the pointer to a point of the window's client area.
void MovePointer(HWND window, int x, int y);
void PressLeftButton();
void ReleaseLeftButton();
void ClickAt(HWND window, int x, int y);
void RightClickAt(HWND window, int x, int y);
// Presses the keys in order and releases them in reverse: {VK_MENU, 'K'} is Alt+K.
void TypeChord(std::initializer_list<WORD> keys);
// Types the characters themselves, as an input method does, whatever the keyboard layout.
void TypeCharacters(const std::wstring& text);
// The same input given while a handler runs: queued for the thread, nothing processed here.
void QueueClickAt(HWND window, int x, int y);
void QueueCharacters(const std::wstring& text);

// The client area's pixels, as the screen shows them or as the window prints them.
class TPixels {
public:
    // What the window shows now, after painting whatever was pending.
    static TPixels Shown(HWND window);
    // What the window paints with WM_PRINTCLIENT over a bitmap filled with the given colour.
    static TPixels Printed(HWND window, COLORREF underlay);
    static TPixels OfBitmap(HDC dc, HBITMAP bitmap, int width, int height);
    // What the painter paints on a bitmap of the size filled with the colour.
    static TPixels Painted(SIZE size, COLORREF underlay, const std::function<void(HDC)>& paint);

    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    // The bounding box of the pixels that differ from the colour (empty when none do).
    RECT Extent(COLORREF background) const;
    int Count(COLORREF colour) const;
    bool operator==(const TPixels&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// The size of the text on one line in the font.
SIZE TextExtent(HFONT font, const std::wstring& text);

// One copy of a text as DrawText draws it at (X, Y) in a colour.
struct TTextCopy {
    int X, Y;
    COLORREF Color;
};
// The copies drawn in order over the background, as a label is expected to look: a wrapped copy
// is given the whole size from its position, a single line ends a pixel short of the right edge.
TPixels DrawnText(SIZE size, COLORREF background, HFONT font, const std::wstring& text,
                  std::initializer_list<TTextCopy> copies, UINT flags);

} // namespace velkaro::test
