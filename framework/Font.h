#pragma once
// A font description that owns the GDI font made from it; a change tells the owner.
#include "framework/Canvas.h"
#include "framework/Color.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace velkaro {

// The dialog font of the layouts, by the name of its outline version: the bitmap face of the same
// design comes in a few sizes and in the system code page's letters only, so at other scales its
// text snaps to sizes the layout did not measure, and where the code page is not Turkish, ğ, ş and
// ı are missing.
inline constexpr wchar_t kDialogFontName[] = L"Microsoft Sans Serif";

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

class TFont {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& name);
    // Character height in pixels, without internal leading (as point sizes map to).
    int Height() const { return height_; }
    void SetHeight(int height);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void Assign(const TFont& source);
    // The same name, height and style (the colour aside).
    bool SameFace(const TFont& other) const;

    HFONT Handle() const;
    std::function<void()> OnChange;

private:
    void Changed();

    std::wstring name_ = kDialogFontName;
    int height_ = 11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    mutable TGdiObject<HFONT> handle_;
};

} // namespace velkaro
