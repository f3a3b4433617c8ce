#pragma once
// The label's drawing settings: shadow effect, 3-D style, rotation, outline pen, glyph fill, word
// wrap, ellipsis and transparency. Each change is announced to the label, which repaints.
#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxLabel/cxLabelLayout.h"
#include "runtime/Color.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velkaro {

// A picture tiled inside the letters: pixels as 0x00BBGGRR values, row by row. A change of its
// contents is reported through OnChange.
class TcxLabelGlyph {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Keeps the pixels that still fit; new ones are black.
    void SetSize(int width, int height);
    TcxLabelRGB Pixel(int x, int y) const;
    void SetPixel(int x, int y, TcxLabelRGB color);
    const std::vector<TcxLabelRGB>& Pixels() const { return pixels_; }
    void Assign(const TcxLabelGlyph& source);

    std::function<void()> OnChange;

private:
    void Changed();

    int width_ = 0;
    int height_ = 0;
    std::vector<TcxLabelRGB> pixels_;
};

class TcxCustomLabelProperties : public TcxCustomEditProperties {
public:
    explicit TcxCustomLabelProperties(IcxEditPropertiesOwner* owner = nullptr);

    TcxLabelEffect LabelEffect() const { return labelEffect_; }
    void SetLabelEffect(TcxLabelEffect value);
    TcxLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TcxLabelStyle value);
    TcxLabelOrientation Orientation() const { return orientation_; }
    void SetOrientation(TcxLabelOrientation value);
    std::uint16_t Depth() const { return depth_; }
    void SetDepth(std::uint16_t value);
    TColor ShadowedColor() const { return shadowedColor_; }
    void SetShadowedColor(TColor value);
    bool ShowEndEllipsis() const { return showEndEllipsis_; }
    void SetShowEndEllipsis(bool value);
    // Degrees, counter-clockwise.
    int Angle() const { return angle_; }
    void SetAngle(int value);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int value);
    // Made empty on first use; changing its contents is a change of the properties.
    TcxLabelGlyph& Glyph();
    bool HasGlyph() const { return glyph_ != nullptr && !glyph_->Empty(); }
    // Nothing frees the glyph; a picture is copied.
    void SetGlyph(const TcxLabelGlyph* value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The caption the value stands for: its text, empty for no value.
    Variant MakeDisplayValue(const Variant& value, bool InEditForm) const override;
    void Assign(const TObject& source) override;

private:
    TcxLabelEffect labelEffect_ = cxleNormal;
    TcxLabelStyle labelStyle_ = cxlsNormal;
    TcxLabelOrientation orientation_ = cxoRightBottom;
    std::uint16_t depth_ = 0;
    TColor shadowedColor_ = clGrayText;
    bool showEndEllipsis_ = false;
    int angle_ = 0;
    int penWidth_ = 1;
    std::unique_ptr<TcxLabelGlyph> glyph_;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

// The published label properties (the registered class).
class TcxLabelProperties : public TcxCustomLabelProperties {
public:
    using TcxCustomLabelProperties::TcxCustomLabelProperties;
};

} // namespace velkaro
