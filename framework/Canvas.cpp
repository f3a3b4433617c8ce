#include "framework/Canvas.h"

namespace velkaro {

TMeasureCanvas::TMeasureCanvas(HFONT font)
    : dc_(CreateCompatibleDC(nullptr)), oldFont_(SelectObject(dc_, font)) {}

TMeasureCanvas::~TMeasureCanvas() {
    SelectObject(dc_, oldFont_);
    DeleteDC(dc_);
}

SIZE TMeasureCanvas::TextRect(const std::wstring& text, int maxWidth, UINT flags) const {
    RECT rect = {0, 0, maxWidth, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, flags | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEXTMETRICW TMeasureCanvas::Metrics() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics;
}

TDialogUnits AverageCharSize(HFONT font, int pixelsPerInch) {
    std::wstring letters;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        letters += letter;
    }
    for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
        letters += letter;
    }
    const TMeasureCanvas canvas(font);
    SIZE size{};
    GetTextExtentPoint32W(canvas.Handle(), letters.c_str(), static_cast<int>(letters.size()),
                          &size);
    return {static_cast<int>(size.cx / 52), static_cast<int>(size.cy), pixelsPerInch};
}

void PaintParentBackground(HWND window, HDC dc) {
    HWND parentWindow = GetParent(window);
    POINT origin = {0, 0};
    MapWindowPoints(window, parentWindow, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parentWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

TBufferedPaint::TBufferedPaint(HDC target, const RECT& area)
    : target_(target), area_(area), memory_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
      oldBitmap_(SelectObject(memory_, bitmap_)) {
    SetViewportOrgEx(memory_, -area.left, -area.top, nullptr);
}

TBufferedPaint::~TBufferedPaint() {
    SetViewportOrgEx(memory_, 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           memory_, 0, 0, SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
}

} // namespace velkaro
