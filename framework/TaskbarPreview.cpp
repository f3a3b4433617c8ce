#include "framework/TaskbarPreview.h"

#include "framework/Canvas.h"
#include "framework/SystemLibrary.h"

#include <dwmapi.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace velkaro {

namespace {

// The window manager's library is missing from systems without it: looked up, not linked.
template <class Function> Function DwmFunction(const char* name) {
    return SystemFunction<Function>(L"dwmapi.dll", name);
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE FittedSize(SIZE size, SIZE maxSize) {
    if (size.cx <= maxSize.cx && size.cy <= maxSize.cy) {
        return size;
    }
    // Whichever side meets its limit first sets the scale.
    if (static_cast<std::int64_t>(size.cx) * maxSize.cy >
        static_cast<std::int64_t>(size.cy) * maxSize.cx) {
        return {maxSize.cx, std::max<LONG>(1, MulDiv(size.cy, maxSize.cx, size.cx))};
    }
    return {std::max<LONG>(1, MulDiv(size.cx, maxSize.cy, size.cy)), maxSize.cy};
}

// A top-down 32-bit DIB section, its pixels reachable.
TGdiObject<HBITMAP> TopDownBitmap(SIZE size, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    TGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

// The window, then its shown children over it from the bottom of their order up, each at its
// place: what printing a window with its children gives on Windows, done here so that it holds
// where the system prints no children.
void Print(HWND window, HDC dc, POINT origin) {
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
    RECT frame{};
    GetWindowRect(window, &frame);
    const HWND top = GetWindow(window, GW_CHILD);
    for (HWND child = top != nullptr ? GetWindow(top, GW_HWNDLAST) : nullptr; child != nullptr;
         child = GetWindow(child, GW_HWNDPREV)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0) {
            RECT place{};
            GetWindowRect(child, &place);
            Print(child, dc,
                  {origin.x + place.left - frame.left, origin.y + place.top - frame.top});
        }
    }
}

} // namespace

TGdiObject<HBITMAP> WindowImage(HWND window, SIZE maxSize) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const SIZE size = SizeOf(frame);
    if (size.cx <= 0 || size.cy <= 0 || maxSize.cx <= 0 || maxSize.cy <= 0) {
        return {};
    }
    const TGdiObject<HBITMAP> whole(CreateCompatibleBitmap(TClientDC().Handle(), size.cx, size.cy));
    const SIZE fitted = FittedSize(size, maxSize);
    std::uint32_t* pixels = nullptr;
    TGdiObject<HBITMAP> image = TopDownBitmap(fitted, pixels);
    if (whole.Handle() == nullptr || image.Handle() == nullptr) {
        return {};
    }
    {
        const TMemoryDC source;
        const TSelection sourceSelected(source.Handle(), whole.Handle());
        Print(window, source.Handle(), {0, 0});
        SetViewportOrgEx(source.Handle(), 0, 0, nullptr);
        const TMemoryDC target;
        const TSelection targetSelected(target.Handle(), image.Handle());
        SetStretchBltMode(target.Handle(), HALFTONE);
        SetBrushOrgEx(target.Handle(), 0, 0, nullptr);
        StretchBlt(target.Handle(), 0, 0, fitted.cx, fitted.cy, source.Handle(), 0, 0, size.cx,
                   size.cy, SRCCOPY);
    }
    GdiFlush();
    // Drawing leaves the alpha at zero, which the window manager takes for transparent.
    std::for_each(pixels, pixels + static_cast<std::size_t>(fitted.cx) * fitted.cy,
                  [](std::uint32_t& pixel) { pixel |= 0xFF000000u; });
    return image;
}

void UseIconicPictures(HWND button) {
    using SetAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const auto setAttribute = DwmFunction<SetAttributeFunction>("DwmSetWindowAttribute");
    if (setAttribute == nullptr) {
        return;
    }
    const BOOL on = TRUE;
    setAttribute(button, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof(on));
    setAttribute(button, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof(on));
}

void InvalidateIconicPictures(HWND button) {
    using InvalidateFunction = HRESULT(WINAPI*)(HWND);
    static const auto invalidate = DwmFunction<InvalidateFunction>("DwmInvalidateIconicBitmaps");
    if (invalidate != nullptr) {
        invalidate(button);
    }
}

TGdiObject<HBITMAP> RequestedPicture(HWND shown, UINT message, LPARAM lParam) {
    switch (message) {
    case WM_DWMSENDICONICTHUMBNAIL:
        return WindowImage(shown, {HIWORD(lParam), LOWORD(lParam)});
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP:
        return WindowImage(shown, {SHRT_MAX, SHRT_MAX}); // never enlarged: its own size
    default:
        return {};
    }
}

void HandOverPicture(HWND button, HWND shown, UINT message, HBITMAP picture) {
    if (message == WM_DWMSENDICONICTHUMBNAIL) {
        using SetThumbnailFunction = HRESULT(WINAPI*)(HWND, HBITMAP, DWORD);
        static const auto setThumbnail = DwmFunction<SetThumbnailFunction>("DwmSetIconicThumbnail");
        if (setThumbnail != nullptr) {
            setThumbnail(button, picture, 0);
        }
        return;
    }
    using SetLivePreviewFunction = HRESULT(WINAPI*)(HWND, HBITMAP, POINT*, DWORD);
    static const auto setLivePreview =
        DwmFunction<SetLivePreviewFunction>("DwmSetIconicLivePreviewBitmap");
    if (setLivePreview == nullptr) {
        return;
    }
    // Placed from the button's window, where that stands when it is not minimised.
    WINDOWPLACEMENT buttonPlacement{};
    buttonPlacement.length = sizeof(buttonPlacement);
    RECT from{};
    if (IsIconic(button) && GetWindowPlacement(button, &buttonPlacement)) {
        from = buttonPlacement.rcNormalPosition;
    } else {
        GetWindowRect(button, &from);
    }
    RECT place{};
    GetWindowRect(shown, &place);
    POINT offset{place.left - from.left, place.top - from.top};
    setLivePreview(button, picture, &offset, 0);
}

} // namespace velkaro
