#include "framework/PaintedControl.h"

#include "framework/Canvas.h"

namespace velkaro {

void TPaintedControl::PaintBuffered() {
    const TPaintDC target(Handle());
    const TBufferedPaint buffer(target.Handle(), ClientRect());
    Paint(buffer.Handle());
}

LRESULT TPaintedControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintBuffered();
        return 0;
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_SETTEXT:
    case WM_ENABLE:
        return Repainted(TControl::WndProc(message, wParam, lParam));
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

} // namespace velkaro
