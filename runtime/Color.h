#pragma once
// Colours are RGB values or, with the top bit set, one of the system's colour indexes, so that a
// control follows the user's colour scheme.
#include <cstdint>

namespace velkaro {

using TColor = std::int32_t;

constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColor(int index) {
    return kSystemColorFlag | index;
}
constexpr TColor RGBColor(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clNone = 0x1FFFFFFF;
// System colour indexes as the platform numbers them.
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);

} // namespace velkaro
