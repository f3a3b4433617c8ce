#pragma once
// A high-contrast colour scheme, white on black, as the user sets it, and a look at the colours a
// window shows on screen.
#include <windows.h>

#include <map>
#include <utility>
#include <vector>

namespace velkaro::test {

constexpr COLORREF kSchemeBackground = RGB(0, 0, 0);

// Sets the system's colours to the scheme and gives the previous ones back when done.
class HighContrastScheme {
public:
    HighContrastScheme();
    ~HighContrastScheme();
    HighContrastScheme(const HighContrastScheme&) = delete;
    HighContrastScheme& operator=(const HighContrastScheme&) = delete;

private:
    std::vector<int> indexes_;
    std::vector<COLORREF> previous_;
};

// The contrast ratio of two colours as accessibility guidelines define it (1 to 21).
double ContrastRatio(COLORREF one, COLORREF other);

// The colour a point of the window's client area shows on screen.
COLORREF ColourOnScreen(HWND window, POINT point);
// How often each colour shows in the window's client area on screen, inset by the given pixels
// on each side (to leave a frame out).
std::map<COLORREF, int> ColoursOnScreen(HWND window, int inset = 0);
// The commonest colour (the background) and the commonest of the rest (the text).
std::pair<COLORREF, COLORREF> BackgroundAndText(const std::map<COLORREF, int>& colours);

} // namespace velkaro::test
