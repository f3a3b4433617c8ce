#include "framework/Canvas.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace velkaro {

TGdiObject<HBRUSH> SolidBrush(COLORREF color) {
    return TGdiObject<HBRUSH>(CreateSolidBrush(color));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    FillRect(dc, &rect, SolidBrush(color).Handle());
}

void DrawTransparentText(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF color,
                         UINT flags) {
    const TSelection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

SIZE TMeasureCanvas::TextRect(const std::wstring& text, int maxWidth, UINT flags) const {
    RECT rect = {0, 0, maxWidth, 0};
    DrawTextW(Handle(), text.c_str(), static_cast<int>(text.size()), &rect, flags | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEXTMETRICW TMeasureCanvas::Metrics() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(Handle(), &metrics);
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

struct TScratchBitmap::TKept {
    explicit TKept(HDC compatible) : dc(compatible) {}

    TMemoryDC dc;
    TGdiObject<HBITMAP> bitmap;
    std::optional<TSelection> selected;
    int width = 0, height = 0;
    bool inUse = false;

    // At least the given size: grown in steps, so that the controls of a window need one or two
    // bitmaps, not one each.
    void Fit(HDC compatible, int neededWidth, int neededHeight) {
        if (bitmap.Handle() != nullptr && neededWidth <= width && neededHeight <= height) {
            return;
        }
        constexpr int kStep = 128;
        const auto grown = [](int size) { return (std::max(size, 1) + kStep - 1) / kStep * kStep; };
        width = std::max(grown(neededWidth), width);
        height = std::max(grown(neededHeight), height);
        // A selected bitmap cannot be deleted: the device's own goes back first.
        selected.reset();
        bitmap.Reset(CreateCompatibleBitmap(compatible, width, height));
        selected.emplace(dc.Handle(), bitmap.Handle());
    }
};

namespace {

// Kept as long as the program runs (the user-interface thread alone paints); one more for each
// paint inside a paint.
std::vector<std::unique_ptr<TScratchBitmap::TKept>>& KeptBitmaps() {
    static auto& kept = *new std::vector<std::unique_ptr<TScratchBitmap::TKept>>;
    return kept;
}

} // namespace

TScratchBitmap::TScratchBitmap(HDC compatible, int width, int height)
    : compatible_(compatible), kept_(nullptr) {
    for (const auto& candidate : KeptBitmaps()) {
        if (!candidate->inUse) {
            kept_ = candidate.get();
            break;
        }
    }
    if (kept_ == nullptr) {
        kept_ = KeptBitmaps().emplace_back(std::make_unique<TKept>(compatible)).get();
    }
    kept_->Fit(compatible, width, height);
    kept_->inUse = true;
    savedState_ = SaveDC(kept_->dc.Handle());
}

TScratchBitmap::~TScratchBitmap() {
    RestoreDC(kept_->dc.Handle(), savedState_);
    kept_->inUse = false;
}

HDC TScratchBitmap::Handle() const {
    return kept_->dc.Handle();
}

void TScratchBitmap::Reserve(int width, int height) {
    kept_->Fit(compatible_, width, height);
}

TBufferedPaint::TBufferedPaint(HDC target, const RECT& area)
    : target_(target), area_(area),
      scratch_(target, area.right - area.left, area.bottom - area.top) {
    SetViewportOrgEx(scratch_.Handle(), -area.left, -area.top, nullptr);
}

TBufferedPaint::~TBufferedPaint() {
    SetViewportOrgEx(scratch_.Handle(), 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           scratch_.Handle(), 0, 0, SRCCOPY);
}

} // namespace velkaro
