#include "tests/windows/support/RealInput.h"

#include "framework/Application.h"
#include "framework/Canvas.h"

#include <algorithm>

namespace velkaro::test {

namespace {

void Queue(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Send(std::vector<INPUT> inputs) {
    Queue(std::move(inputs));
    Pump();
}

INPUT MouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// What the painter paints on a bitmap of the size compatible with the device context.
TPixels PaintedOn(HDC compatible, SIZE size, const std::function<void(HDC)>& paint) {
    const TMemoryDC memory(compatible);
    const TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(compatible, size.cx, size.cy));
    {
        const TSelection selected(memory.Handle(), bitmap.Handle());
        paint(memory.Handle());
    }
    return TPixels::OfBitmap(memory.Handle(), bitmap.Handle(), size.cx, size.cy);
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

void Pump() {
    // Injected input reaches the queue through the window server; give it a moment.
    for (int round = 0; round < 5; ++round) {
        Sleep(10);
        Application().ProcessMessages();
    }
}

void MovePointer(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK);
    input.mi.dx = MulDiv(point.x, 65535, width);
    input.mi.dy = MulDiv(point.y, 65535, height);
    Send({input});
    SetCursorPos(point.x, point.y); // exact, whatever the rounding of the absolute move
    Pump();
}

void PressLeftButton() {
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
}

void ReleaseLeftButton() {
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void ClickAt(HWND window, int x, int y) {
    MovePointer(window, x, y);
    PressLeftButton();
    ReleaseLeftButton();
}

void RightClickAt(HWND window, int x, int y) {
    MovePointer(window, x, y);
    Send({MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP)});
}

void TypeChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        inputs.push_back(KeyInput(key, false));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        inputs.push_back(KeyInput(*key, true));
    }
    Send(inputs);
}

void TypeCharacters(const std::wstring& text) {
    for (const wchar_t c : text) {
        QueueCharacters(std::wstring(1, c));
        Pump();
    }
}

void QueueClickAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    Queue({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

void QueueCharacters(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = c;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    Queue(inputs);
}

TPixels TPixels::OfBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
    TPixels pixels;
    pixels.width_ = width;
    pixels.height_ = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(width * height));
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS);
    pixels.pixels_.reserve(raw.size());
    for (const std::uint32_t value : raw) { // 0x00RRGGBB to a COLORREF
        pixels.pixels_.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
    }
    return pixels;
}

TPixels TPixels::Shown(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    const TClientDC source(window);
    return PaintedOn(source.Handle(), {client.right, client.bottom}, [&](HDC memory) {
        BitBlt(memory, 0, 0, client.right, client.bottom, source.Handle(), 0, 0, SRCCOPY);
    });
}

TPixels TPixels::Painted(SIZE size, COLORREF underlay, const std::function<void(HDC)>& paint) {
    return PaintedOn(TClientDC().Handle(), size, [&](HDC memory) {
        FillSolid(memory, {0, 0, size.cx, size.cy}, underlay);
        paint(memory);
    });
}

TPixels TPixels::Printed(HWND window, COLORREF underlay) {
    RECT client;
    GetClientRect(window, &client);
    return Painted({client.right, client.bottom}, underlay, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

COLORREF TPixels::At(int x, int y) const {
    return pixels_.at(static_cast<std::size_t>(y * width_ + x));
}

RECT TPixels::Extent(COLORREF background) const {
    RECT extent{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) != background) {
                extent.left = std::min<LONG>(extent.left, x);
                extent.top = std::min<LONG>(extent.top, y);
                extent.right = std::max<LONG>(extent.right, x + 1);
                extent.bottom = std::max<LONG>(extent.bottom, y + 1);
            }
        }
    }
    return extent.right == 0 ? RECT{} : extent;
}

int TPixels::Count(COLORREF colour) const {
    return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), colour));
}

SIZE TextExtent(HFONT font, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(TMeasureCanvas(font).Handle(), text.c_str(),
                          static_cast<int>(text.size()), &size);
    return size;
}

TPixels DrawnText(SIZE size, COLORREF background, HFONT font, const std::wstring& text,
                  std::initializer_list<TTextCopy> copies, UINT flags) {
    return TPixels::Painted(size, background, [&](HDC dc) {
        const TSelection selected(dc, font);
        SetBkMode(dc, TRANSPARENT);
        for (const TTextCopy& copy : copies) {
            SetTextColor(dc, copy.Color);
            RECT rect = (flags & DT_WORDBREAK) != 0
                            ? RECT{copy.X, copy.Y, copy.X + size.cx, copy.Y + size.cy}
                            : RECT{copy.X, copy.Y, size.cx - 1, size.cy};
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
        }
    });
}

} // namespace velkaro::test
