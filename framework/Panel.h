#pragma once
// A panel: a painted area with an outer and an inner bevel and a centred caption.
#include "framework/PaintedControl.h"

namespace velkaro {

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TPaintedControl {
public:
    explicit TPanel(TControl* parent);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;

private:
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

} // namespace velkaro
