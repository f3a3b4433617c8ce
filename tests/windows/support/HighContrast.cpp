#include "tests/windows/support/HighContrast.h"

#include <algorithm>
#include <cmath>

namespace velkaro::test {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

double Luminance(COLORREF colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) +
           0.0722 * channel(GetBValue(colour));
}

} // namespace

HighContrastScheme::HighContrastScheme() {
    const std::pair<int, COLORREF> scheme[] = {
        {COLOR_WINDOW, kSchemeBackground},
        {COLOR_WINDOWTEXT, kWhite},
        {COLOR_BTNFACE, kSchemeBackground},
        {COLOR_BTNTEXT, kWhite},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_BTNHIGHLIGHT, kWhite},
        {COLOR_3DDKSHADOW, kWhite},
        {COLOR_3DLIGHT, RGB(192, 192, 192)},
        {COLOR_GRAYTEXT, RGB(63, 242, 63)},
        {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
        {COLOR_HIGHLIGHTTEXT, kSchemeBackground},
        {COLOR_WINDOWFRAME, kWhite},
    };
    std::vector<COLORREF> colours;
    for (const auto& [index, colour] : scheme) {
        indexes_.push_back(index);
        previous_.push_back(GetSysColor(index));
        colours.push_back(colour);
    }
    SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), colours.data());
}

HighContrastScheme::~HighContrastScheme() {
    SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), previous_.data());
}

double ContrastRatio(COLORREF one, COLORREF other) {
    const double lighter = std::max(Luminance(one), Luminance(other));
    const double darker = std::min(Luminance(one), Luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

COLORREF ColourOnScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::map<COLORREF, int> ColoursOnScreen(HWND window, int inset) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    std::map<COLORREF, int> counts;
    for (int y = inset; y < client.bottom - inset; ++y) {
        for (int x = inset; x < client.right - inset; ++x) {
            ++counts[GetPixel(screen, origin.x + x, origin.y + y)];
        }
    }
    ReleaseDC(nullptr, screen);
    return counts;
}

std::pair<COLORREF, COLORREF> BackgroundAndText(const std::map<COLORREF, int>& colours) {
    std::vector<std::pair<int, COLORREF>> ranked;
    for (const auto& [colour, count] : colours) {
        ranked.emplace_back(count, colour);
    }
    std::sort(ranked.rbegin(), ranked.rend());
    if (ranked.empty()) {
        return {};
    }
    return {ranked.front().second, ranked.size() > 1 ? ranked[1].second : ranked[0].second};
}

} // namespace velkaro::test
