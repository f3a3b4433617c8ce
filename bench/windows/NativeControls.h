#pragma once
// Native counterparts of the main window's controls at their places, for the benchmarks'
// baselines.
#include <windows.h>

namespace velkaro::bench {

struct NativeControl {
    const wchar_t* ClassName;
    const wchar_t* Text;
    DWORD Style;
    RECT Bounds; // left, top, width, height
};

// The start field, the minutes and words labels, the tariff buttons and the amount field.
enum NativeControlIndex { ncStart, ncMinutes, ncWords, ncTariff1, ncTariff2, ncAmount, ncCount };

constexpr NativeControl kNativeControls[ncCount] = {
    {L"EDIT", L"00:00", ES_CENTER | WS_BORDER | WS_TABSTOP, {76, 0, 65, 32}},
    {L"STATIC", L"", SS_CENTER, {60, 36, 97, 17}},
    {L"STATIC", L"", SS_CENTER, {0, 88, 217, 49}},
    {L"BUTTON", L"1.000.000", BS_AUTORADIOBUTTON | WS_TABSTOP, {4, 4, 69, 25}},
    {L"BUTTON", L"1.500.000", BS_AUTORADIOBUTTON, {144, 4, 69, 25}},
    {L"EDIT", L"0 TL", ES_CENTER | ES_READONLY | WS_BORDER, {16, 56, 189, 28}},
};

inline HWND CreateNativeControl(const NativeControl& control, HWND parent) {
    return CreateWindowExW(0, control.ClassName, control.Text,
                           WS_CHILD | WS_VISIBLE | control.Style, control.Bounds.left,
                           control.Bounds.top, control.Bounds.right, control.Bounds.bottom, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace velkaro::bench
