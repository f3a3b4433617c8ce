#include "framework/Canvas.h"

#include <algorithm>

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

namespace {

struct TSharedPaintBuffer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    int width = 0, height = 0;
    bool inUse = false;
};

TSharedPaintBuffer& SharedPaintBuffer() {
    static TSharedPaintBuffer& buffer = *new TSharedPaintBuffer; // lives as long as the thread
    return buffer;
}

// The shared buffer, at least of the given size; grown to the largest size asked for so far.
HDC TakeSharedPaintBuffer(HDC target, int width, int height) {
    TSharedPaintBuffer& buffer = SharedPaintBuffer();
    if (buffer.dc == nullptr) {
        buffer.dc = CreateCompatibleDC(target);
    }
    if (width > buffer.width || height > buffer.height) {
        // Grown in steps, so that the controls of a window need one or two bitmaps, not one each.
        constexpr int kStep = 128;
        const auto grown = [](int size) { return (size + kStep - 1) / kStep * kStep; };
        buffer.width = std::max(grown(width), buffer.width);
        buffer.height = std::max(grown(height), buffer.height);
        const HBITMAP bitmap = CreateCompatibleBitmap(target, buffer.width, buffer.height);
        const HGDIOBJ old = SelectObject(buffer.dc, bitmap);
        if (buffer.bitmap == nullptr) {
            buffer.oldBitmap = old;
        } else {
            DeleteObject(buffer.bitmap);
        }
        buffer.bitmap = bitmap;
    }
    buffer.inUse = true;
    return buffer.dc;
}

} // namespace

TBufferedPaint::TBufferedPaint(HDC target, const RECT& area) : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!SharedPaintBuffer().inUse) {
        memory_ = TakeSharedPaintBuffer(target, width, height);
        savedState_ = SaveDC(memory_);
    } else {
        memory_ = CreateCompatibleDC(target);
        ownBitmap_ = CreateCompatibleBitmap(target, width, height);
        oldBitmap_ = SelectObject(memory_, ownBitmap_);
    }
    SetViewportOrgEx(memory_, -area.left, -area.top, nullptr);
}

TBufferedPaint::~TBufferedPaint() {
    SetViewportOrgEx(memory_, 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           memory_, 0, 0, SRCCOPY);
    if (ownBitmap_ == nullptr) {
        RestoreDC(memory_, savedState_);
        SharedPaintBuffer().inUse = false;
        return;
    }
    SelectObject(memory_, oldBitmap_);
    DeleteObject(ownBitmap_);
    DeleteDC(memory_);
}

} // namespace velkaro
