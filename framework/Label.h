#pragma once
// The plain framework label: a painted caption with alignment, word wrap and an optional
// transparent background that shows whatever its parent paints behind it.
#include "framework/PaintedControl.h"
#include "runtime/Alignment.h"

namespace velkaro {

class TLabel : public TPaintedControl {
public:
    explicit TLabel(TControl* parent);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The size of the caption laid out within maxWidth (wrapped when WordWrap is on).
    SIZE TextSize(int maxWidth);

    // Static text named by its caption.
    TAccessibleDescription AccessibleDescription() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;
    void FontChanged() override;

private:
    UINT DrawFlags() const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

} // namespace velkaro
