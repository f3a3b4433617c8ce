#include "editors/cxLabel/cxLabelProperties.h"

#include "editors/cxEdit/cxEditRegisteredProperties.h"

#include <algorithm>

namespace velkaro {

namespace {

const TcxEditPropertiesRegistration kLabelPropertiesRegistration(L"TcxLabelProperties",
                                                                 L"Label|Represents a Label");

} // namespace

void TcxLabelGlyph::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) {
        return;
    }
    std::vector<TcxLabelRGB> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
    for (int y = 0; y < std::min(height, height_); ++y) {
        for (int x = 0; x < std::min(width, width_); ++x) {
            pixels[static_cast<std::size_t>(y * width + x)] = Pixel(x, y);
        }
    }
    width_ = width;
    height_ = height;
    pixels_ = std::move(pixels);
    Changed();
}

TcxLabelRGB TcxLabelGlyph::Pixel(int x, int y) const {
    return pixels_.at(static_cast<std::size_t>(y * width_ + x));
}

void TcxLabelGlyph::SetPixel(int x, int y, TcxLabelRGB color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    TcxLabelRGB& pixel = pixels_[static_cast<std::size_t>(y * width_ + x)];
    if (pixel != color) {
        pixel = color;
        Changed();
    }
}

void TcxLabelGlyph::Assign(const TcxLabelGlyph& source) {
    if (&source == this) {
        return;
    }
    width_ = source.width_;
    height_ = source.height_;
    pixels_ = source.pixels_;
    Changed();
}

void TcxLabelGlyph::Changed() {
    if (OnChange) {
        OnChange();
    }
}

TcxCustomLabelProperties::TcxCustomLabelProperties(IcxEditPropertiesOwner* owner)
    : TcxCustomEditProperties(owner) {}

void TcxCustomLabelProperties::SetLabelEffect(TcxLabelEffect value) {
    Change(labelEffect_, value);
}

void TcxCustomLabelProperties::SetLabelStyle(TcxLabelStyle value) {
    Change(labelStyle_, value);
}

void TcxCustomLabelProperties::SetOrientation(TcxLabelOrientation value) {
    Change(orientation_, value);
}

void TcxCustomLabelProperties::SetDepth(std::uint16_t value) {
    Change(depth_, value);
}

void TcxCustomLabelProperties::SetShadowedColor(TColor value) {
    Change(shadowedColor_, value);
}

void TcxCustomLabelProperties::SetShowEndEllipsis(bool value) {
    Change(showEndEllipsis_, value);
}

void TcxCustomLabelProperties::SetAngle(int value) {
    Change(angle_, value);
}

void TcxCustomLabelProperties::SetPenWidth(int value) {
    Change(penWidth_, value);
}

void TcxCustomLabelProperties::SetWordWrap(bool value) {
    Change(wordWrap_, value);
}

void TcxCustomLabelProperties::SetTransparent(bool value) {
    Change(transparent_, value);
}

TcxLabelGlyph& TcxCustomLabelProperties::Glyph() {
    if (glyph_ == nullptr) {
        glyph_ = std::make_unique<TcxLabelGlyph>();
        glyph_->OnChange = [this] { AnnounceChange(); };
    }
    return *glyph_;
}

void TcxCustomLabelProperties::SetGlyph(const TcxLabelGlyph* value) {
    if (value == nullptr) {
        if (glyph_ != nullptr) {
            glyph_.reset();
            AnnounceChange();
        }
        return;
    }
    Glyph().Assign(*value);
}

Variant TcxCustomLabelProperties::MakeDisplayValue(const Variant& value, bool) const {
    return Variant(value.ToString());
}

void TcxCustomLabelProperties::Assign(const TObject& source) {
    const auto* label = dynamic_cast<const TcxCustomLabelProperties*>(&source);
    if (label == this) {
        return;
    }
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomEditProperties::Assign(source);
    if (label == nullptr) {
        return;
    }
    SetLabelEffect(label->labelEffect_);
    SetLabelStyle(label->labelStyle_);
    SetOrientation(label->orientation_);
    SetDepth(label->depth_);
    SetShadowedColor(label->shadowedColor_);
    SetShowEndEllipsis(label->showEndEllipsis_);
    SetAngle(label->angle_);
    SetPenWidth(label->penWidth_);
    SetGlyph(label->glyph_.get());
    SetWordWrap(label->wordWrap_);
    SetTransparent(label->transparent_);
}

} // namespace velkaro
