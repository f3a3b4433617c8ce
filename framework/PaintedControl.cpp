#include "framework/PaintedControl.h"

#include "framework/Canvas.h"

namespace velkaro {

LRESULT TPaintedControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        const TPaintDC target(Handle());
        const TBufferedPaint buffer(target.Handle(), ClientRect());
        Paint(buffer.Handle());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_SETTEXT:
    case WM_ENABLE: {
        const LRESULT result = TControl::WndProc(message, wParam, lParam);
        Invalidate();
        return result;
    }
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}

} // namespace velkaro
