#pragma once
// An image control that shows one icon at its full size.
#include "framework/PaintedControl.h"

namespace velkaro {

class TImage : public TPaintedControl {
public:
    explicit TImage(TControl* parent);

    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;

private:
    HICON icon_ = nullptr;
};

} // namespace velkaro
