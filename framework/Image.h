#pragma once
// An image control that shows one of the system's icons, loaded at the control's size so that it
// is drawn sharp at every scale.
#include "framework/PaintedControl.h"

namespace velkaro {

class TImage : public TPaintedControl {
public:
    explicit TImage(TControl* parent);
    ~TImage() override;

    // The system icon's name (IDI_HAND and the like), or none.
    const wchar_t* SystemIcon() const { return systemIcon_; }
    void SetSystemIcon(const wchar_t* name);
    // The icon shown, at the control's size.
    HICON Icon() const { return icon_; }
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;

private:
    void ReloadIcon();

    const wchar_t* systemIcon_ = nullptr;
    HICON icon_ = nullptr;
};

} // namespace velkaro
