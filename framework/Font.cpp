#include "framework/Font.h"

namespace velkaro {

TFont::TFont() = default;

void TFont::SetName(const std::wstring& name) {
    if (name != name_) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style) {
    if (style != style_) {
        style_ = style;
        Changed();
    }
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::Assign(const TFont& source) {
    if (&source == this) {
        return;
    }
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    Changed();
}

bool TFont::SameFace(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_;
}

HFONT TFont::Handle() const {
    if (handle_.Handle() == nullptr) {
        LOGFONTW font = {};
        font.lfHeight = -height_; // negative: character height, not cell height
        font.lfWeight = (style_ & fsBold) != 0 ? FW_BOLD : FW_NORMAL;
        font.lfItalic = (style_ & fsItalic) != 0;
        font.lfUnderline = (style_ & fsUnderline) != 0;
        font.lfStrikeOut = (style_ & fsStrikeOut) != 0;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfQuality = DEFAULT_QUALITY;
        name_.copy(font.lfFaceName, LF_FACESIZE - 1);
        handle_.Reset(CreateFontIndirectW(&font));
    }
    return handle_.Handle();
}

void TFont::Changed() {
    handle_.Reset();
    if (OnChange) {
        OnChange();
    }
}

} // namespace velkaro
