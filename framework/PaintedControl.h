#pragma once
// A control of our own that paints itself whole, through a memory bitmap, and can also paint into
// a context it is given (WM_PRINTCLIENT) so that transparent children can show it behind them.
#include "framework/Control.h"

namespace velkaro {

class TPaintedControl : public TControl {
public:
    using TControl::TControl;

protected:
    // Paints the whole client area.
    virtual void Paint(HDC dc) = 0;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBuffered();
};

} // namespace velkaro
