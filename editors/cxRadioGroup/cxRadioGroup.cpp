#define OEMRESOURCE // the system's check-box bitmap sheet gives the mark size
#include "editors/cxRadioGroup/cxRadioGroup.h"

#include "framework/Accelerator.h"
#include "framework/Canvas.h"
#include "lookandfeel/ThemeLibrary.h"
#include "runtime/Exceptions.h"

#include <vssym32.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace velkaro {

namespace {

// Colour slots of the mark pattern.
enum TMarkSlot : std::uint8_t {
    msNone,       // outside the circle: transparent
    msOuterUpper, // outer ring, upper-left half
    msOuterLower, // outer ring, lower-right half
    msInnerUpper, // inner ring, upper-left half
    msInnerLower, // inner ring, lower-right half
    msInterior,   // the well
    msDot,        // the check
    kMarkSlotCount
};

using TMarkPalette = std::array<TColor, kMarkSlotCount>;

// Each part of the index owns its own slots, so every image differs from the others: the state
// gives the upper-left outer ring and the well, focus the lower-right outer ring, the kind the
// inner ring and checked the dot.
TMarkPalette MarkPalette(bool focused, TcxLookAndFeelKind kind, bool checked,
                         TcxRadioButtonState state) {
    static constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
    static constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
    TMarkPalette palette{};
    switch (state) {
    case TcxRadioButtonState::disabled:
        palette[msOuterUpper] = clBtnShadow;
        palette[msInterior] = clBtnFace;
        break;
    case TcxRadioButtonState::hot:
        palette[msOuterUpper] = clHighlight;
        palette[msInterior] = clWindow;
        break;
    case TcxRadioButtonState::normal:
        palette[msOuterUpper] = clBtnShadow;
        palette[msInterior] = clWindow;
        break;
    case TcxRadioButtonState::pressed:
        palette[msOuterUpper] = cl3DDkShadow;
        palette[msInterior] = clBtnFace;
        break;
    }
    palette[msOuterLower] = focused ? clHighlight : clBtnHighlight;
    switch (kind) {
    case TcxLookAndFeelKind::lfFlat:
        palette[msInnerUpper] = clBtnShadow;
        palette[msInnerLower] = clBtnFace;
        break;
    case TcxLookAndFeelKind::lfStandard:
        palette[msInnerUpper] = cl3DDkShadow;
        palette[msInnerLower] = cl3DLight;
        break;
    case TcxLookAndFeelKind::lfUltraFlat:
        palette[msInnerUpper] = palette[msInnerLower] = clBtnShadow;
        break;
    }
    const TColor dot = state == TcxRadioButtonState::disabled ? clBtnShadow : clBtnText;
    palette[msDot] = checked ? dot : palette[msInterior];
    return palette;
}

// One system check-box image (the sheet holds 4 columns and 3 rows of them), at the given scale.
SIZE CheckBoxImageSize(int pixelsPerInch) {
    const TGdiObject<HBITMAP> sheet(LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECKBOXES)));
    BITMAP info{};
    if (sheet.Handle() == nullptr || GetObjectW(sheet.Handle(), sizeof(info), &info) == 0 ||
        info.bmWidth < 4 || info.bmHeight < 3) {
        info.bmWidth = 4 * 13;
        info.bmHeight = 3 * 13;
    }
    // Systems differ in whether the sheet follows the screen's scale; the classic mark is the
    // least.
    const auto designed = [](int size) {
        return std::max(MulDiv(size, kDesignPixelsPerInch, SystemPixelsPerInch()), 13);
    };
    return {MulDiv(designed(info.bmWidth / 4), pixelsPerInch, kDesignPixelsPerInch),
            MulDiv(designed(info.bmHeight / 3), pixelsPerInch, kDesignPixelsPerInch)};
}

// A circle of two one-pixel rings around a well with a dot in the middle.
std::vector<std::uint8_t> MarkPattern(SIZE size) {
    std::vector<std::uint8_t> pattern(static_cast<std::size_t>(size.cx * size.cy), msNone);
    // A circle as wide as the image is high (or the reverse), on whole pixels so that it is
    // symmetric.
    const int diameter = std::min(size.cx, size.cy);
    const double centreX = (size.cx - diameter) / 2 + (diameter - 1) / 2.0;
    const double centreY = (size.cy - diameter) / 2 + (diameter - 1) / 2.0;
    const double outer = diameter / 2.0;
    const double dot = diameter / 5.0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const double dx = x - centreX;
            const double dy = y - centreY;
            const double distance = std::sqrt(dx * dx + dy * dy);
            const bool upper = dx + dy < 0;
            std::uint8_t slot = msNone;
            if (distance <= dot) {
                slot = msDot;
            } else if (distance <= outer - 2) {
                slot = msInterior;
            } else if (distance <= outer - 1) {
                slot = upper ? msInnerUpper : msInnerLower;
            } else if (distance <= outer) {
                slot = upper ? msOuterUpper : msOuterLower;
            }
            pattern[static_cast<std::size_t>(y * size.cx + x)] = slot;
        }
    }
    return pattern;
}

// The pixel of a 32-bit device-independent bitmap for a colour.
std::uint32_t DibPixel(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

} // namespace

TcxRadioButtonState RadioButtonState(const TcxRadioButtonPointer& pointer) {
    if (!pointer.Enabled) {
        return TcxRadioButtonState::disabled;
    }
    if (pointer.Captured) {
        return pointer.Inside ? TcxRadioButtonState::pressed : TcxRadioButtonState::hot;
    }
    return pointer.Inside && !pointer.ButtonsHeld ? TcxRadioButtonState::hot
                                                  : TcxRadioButtonState::normal;
}

// ---------------------------------------------------------------- image cache

int TcxRadioButtonImageList::ImageIndex(bool focused, TcxLookAndFeelKind kind, bool checked,
                                        TcxRadioButtonState state) {
    return (focused ? 1 : 0) * 24 + static_cast<int>(kind) * 8 + (checked ? 1 : 0) * 4 +
           static_cast<int>(state);
}

TcxRadioButtonImageList::TcxRadioButtonImageList(int pixelsPerInch)
    : size_(CheckBoxImageSize(pixelsPerInch)), pattern_(MarkPattern(size_)) {
    // One sheet: the images side by side in the first row, their transparent parts black; the
    // mask below the first, white where the mark is transparent and black where it is drawn.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size_.cx * kImageCount;
    info.bmiHeader.biHeight = -2 * size_.cy; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    sheet_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (sheet_.Handle() == nullptr || dc_.Handle() == nullptr) {
        throw Exception(L"Cannot create the radio button images");
    }
    pixels_ = static_cast<std::uint32_t*>(bits);
    selected_.emplace(dc_.Handle(), sheet_.Handle());
    for (int y = 0; y < size_.cy; ++y) {
        for (int x = 0; x < size_.cx; ++x) {
            const bool transparent = pattern_[static_cast<std::size_t>(y * size_.cx + x)] == msNone;
            Pixel(0, size_.cy + y, x) = transparent ? DibPixel(RGB(255, 255, 255)) : 0;
        }
    }
}

std::uint32_t& TcxRadioButtonImageList::Pixel(int index, int y, int x) {
    const auto row = static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.cx * kImageCount);
    return pixels_[row + static_cast<std::size_t>(index * size_.cx + x)];
}

void TcxRadioButtonImageList::Reset() {
    built_.fill(false);
}

void TcxRadioButtonImageList::Build(int index) {
    const TMarkPalette palette =
        MarkPalette(index / 24 != 0, static_cast<TcxLookAndFeelKind>(index / 8 % 3),
                    index / 4 % 2 != 0, static_cast<TcxRadioButtonState>(index % 4));
    std::array<std::uint32_t, kMarkSlotCount> colours{};
    for (std::size_t slot = 0; slot < colours.size(); ++slot) {
        colours[slot] = slot == msNone ? 0 : DibPixel(ColorToRGB(palette[slot]));
    }
    for (int y = 0; y < size_.cy; ++y) {
        for (int x = 0; x < size_.cx; ++x) {
            Pixel(index, y, x) = colours[pattern_[static_cast<std::size_t>(y * size_.cx + x)]];
        }
    }
    GdiFlush(); // the sheet was written directly
    built_[static_cast<std::size_t>(index)] = true;
}

void TcxRadioButtonImageList::Draw(HDC dc, int x, int y, int index, COLORREF background) {
    if (!Built(index)) {
        Build(index);
    }
    FillSolid(dc, {x, y, x + size_.cx, y + size_.cy}, background);
    BitBlt(dc, x, y, size_.cx, size_.cy, dc_.Handle(), 0, size_.cy, SRCAND);
    BitBlt(dc, x, y, size_.cx, size_.cy, dc_.Handle(), index * size_.cx, 0, SRCPAINT);
}

// ---------------------------------------------------------------- colour change receiver

namespace {

// One cache per scale that marks have been drawn at.
std::map<int, std::unique_ptr<TcxRadioButtonImageList>>& RadioButtonImageLists() {
    static std::map<int, std::unique_ptr<TcxRadioButtonImageList>> lists;
    return lists;
}

} // namespace

bool TcxRadioButtonColorChangeEventReceiver::BroadcastReceived(UINT message, WPARAM, LPARAM) {
    if (message == WM_SYSCOLORCHANGE) {
        for (auto& [scale, list] : RadioButtonImageLists()) {
            list->Reset();
        }
    }
    return false;
}

TcxRadioButtonImageList& RadioButtonImageList(int pixelsPerInch) {
    auto& list = RadioButtonImageLists()[pixelsPerInch];
    if (!list) {
        list = std::make_unique<TcxRadioButtonImageList>(pixelsPerInch);
    }
    return *list;
}

TcxRadioButtonColorChangeEventReceiver& RadioButtonColorChangeEventReceiver() {
    static const std::unique_ptr<TcxRadioButtonColorChangeEventReceiver> receiver =
        std::make_unique<TcxRadioButtonColorChangeEventReceiver>();
    return *receiver;
}

// ---------------------------------------------------------------- the button

TcxRadioButton::TcxRadioButton(TControl* parent) : TRadioButton(parent) {
    RadioButtonImageList();
    RadioButtonColorChangeEventReceiver();
    lookAndFeel_.OnChanged = [this] { Invalidate(); };
}

void TcxRadioButton::CreateParams(TCreateParams& params) {
    TRadioButton::CreateParams(params);
    params.ClassName = L"TcxRadioButton";
}

void TcxRadioButton::HandleCreated() {
    TRadioButton::HandleCreated();
    UpdateStateFromCursor();
}

void TcxRadioButton::SetParentBackground(bool value) {
    if (value != parentBackground_) {
        parentBackground_ = value;
        Invalidate();
    }
}

bool TcxRadioButton::DialogChar(wchar_t key) {
    if (IsAccelerator(key, Caption()) && CanFocus()) {
        SetFocus();
        return true;
    }
    return TRadioButton::DialogChar(key);
}

void TcxRadioButton::UpdateState(POINT pointer) {
    TcxRadioButtonPointer input;
    input.Enabled = HandleAllocated() && IsWindowEnabled(Handle());
    input.Captured = input.Enabled && GetCapture() == Handle();
    const RECT client = ClientRect();
    input.Inside = PtInRect(&client, pointer) != FALSE;
    // The keys matter only to a free pointer inside; each question is a window-server round trip.
    BYTE keys[256] = {};
    if (input.Enabled && !input.Captured && input.Inside && GetKeyboardState(keys)) {
        for (const int key : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU}) {
            input.ButtonsHeld = input.ButtonsHeld || (keys[key] & 0x80) != 0;
        }
    }
    const TcxRadioButtonState state = RadioButtonState(input);
    if (state != state_) {
        state_ = state;
        InvalidateMark();
    }
}

void TcxRadioButton::UpdateStateFromCursor() {
    POINT pointer{-1, -1};
    if (HandleAllocated() && GetCursorPos(&pointer)) {
        ScreenToClient(Handle(), &pointer);
    }
    UpdateState(pointer);
}

void TcxRadioButton::InvalidateMark() {
    if (HandleAllocated() && IsWindowVisible(Handle())) {
        RECT rect = markRect_;
        InflateRect(&rect, 1, 1);
        InvalidateRect(Handle(), &rect, FALSE);
    }
}

void TcxRadioButton::PaintBuffered(HDC target) {
    const RECT client = ClientRect();
    const TBufferedPaint buffer(target, client);
    Paint(buffer.Handle(), client);
}

// The mark's state follows the pointer, after the button's own handling of it.
LRESULT TcxRadioButton::PointerMessage(UINT message, WPARAM wParam, LPARAM lParam, POINT pointer) {
    const LRESULT result = TRadioButton::WndProc(message, wParam, lParam);
    UpdateState(pointer);
    return result;
}

LRESULT TcxRadioButton::EnabledChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = TRadioButton::WndProc(WM_ENABLE, wParam, lParam);
    UpdateStateFromCursor();
    return Repainted(result);
}

void TcxRadioButton::ColorsChanged() {
    RadioButtonImageList(PixelsPerInch()).Reset();
    Invalidate();
}

LRESULT TcxRadioButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CN_DRAWITEM:
        PaintBuffered(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hDC);
        return TRUE;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case BM_GETCHECK:
        // An owner-drawn button window keeps no check state of its own.
        return Checked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        InvalidateMark();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        return PointerMessage(message, wParam, lParam,
                              {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_MOUSELEAVE:
        return PointerMessage(message, wParam, lParam, {-1, -1});
    case WM_ENABLE:
        return EnabledChanged(wParam, lParam);
    case WM_SYSCOLORCHANGE:
        ColorsChanged();
        break;
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: // the caption and the focus rectangle (and the focused mark) change
        return Repainted(TRadioButton::WndProc(message, wParam, lParam));
    default:
        break;
    }
    return TRadioButton::WndProc(message, wParam, lParam);
}

int TcxRadioButton::MarkLeft(const RECT& client, int markWidth) const {
    return Alignment() == TLeftRight::taRightJustify ? client.left : client.right - markWidth;
}

void TcxRadioButton::Paint(HDC dc, const RECT& client) {
    if (!(lookAndFeel_.NativeStyle() && PaintThemedMark(dc, client))) {
        PaintCachedMark(dc, client);
    }
    PaintCaption(dc, client);
    PaintFocus(dc, client);
}

bool TcxRadioButton::PaintThemedMark(HDC dc, const RECT& client) {
    const TThemeLibrary& themes = ThemeLibrary();
    if (!themes.Loaded() || !themes.IsThemeActive()) {
        return false;
    }
    HTHEME theme = themes.OpenThemeData(Handle(), L"BUTTON");
    if (theme == nullptr) {
        return false;
    }
    static constexpr int kThemeStates[kRadioButtonStateCount] = {
        RBS_UNCHECKEDDISABLED, RBS_UNCHECKEDHOT, RBS_UNCHECKEDNORMAL, RBS_UNCHECKEDPRESSED};
    const int themeState = kThemeStates[static_cast<int>(state_)] +
                           (Checked() ? RBS_CHECKEDNORMAL - RBS_UNCHECKEDNORMAL : 0);
    SIZE size{};
    themes.GetThemePartSize(theme, dc, BP_RADIOBUTTON, themeState, nullptr, TS_DRAW, &size);
    const int top = (client.bottom - client.top - size.cy) / 2;
    const int left = MarkLeft(client, size.cx);
    markRect_ = {left, top, left + size.cx, top + size.cy};
    // The background first: the themed mark blends its edges with what lies under it.
    if (parentBackground_) {
        RECT area = client;
        themes.DrawThemeParentBackground(Handle(), dc, &area);
    } else {
        FillSolid(dc, client, ColorToRGB(Color()));
    }
    themes.DrawThemeBackground(theme, dc, BP_RADIOBUTTON, themeState, &markRect_, nullptr);
    themes.CloseThemeData(theme);
    return true;
}

void TcxRadioButton::PaintCachedMark(HDC dc, const RECT& client) {
    TcxRadioButtonImageList& images = RadioButtonImageList(PixelsPerInch());
    const SIZE size = images.ImageSize();
    const int top = (client.bottom - client.top - size.cy) / 2;
    const int left =
        Alignment() == TLeftRight::taRightJustify ? client.left + 1 : MarkLeft(client, size.cx);
    markRect_ = {left, top, left + size.cx, top + size.cy};
    const COLORREF background = ColorToRGB(Color());
    images.Draw(
        dc, left, top,
        TcxRadioButtonImageList::ImageIndex(Focused(), lookAndFeel_.Kind(), Checked(), state_),
        background);
    const TSavedDC saved(dc);
    ExcludeClipRect(dc, markRect_.left, markRect_.top, markRect_.right, markRect_.bottom);
    FillSolid(dc, client, background);
}

RECT TcxRadioButton::CaptionRect(const RECT& client) const {
    // A little air between mark and text; wrapped lines keep off the edges too.
    const int gap = 4;
    const int edge = WordWrap() ? 1 : 0;
    RECT rect = client;
    if (Alignment() == TLeftRight::taRightJustify) {
        rect.left = markRect_.right + gap;
        rect.right -= edge;
    } else {
        rect.left += edge;
        rect.right = markRect_.left - gap;
    }
    rect.top += edge;
    return rect;
}

UINT TcxRadioButton::CaptionFlags() const {
    return WordWrap() ? DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOCLIP
                      : DT_LEFT | DT_VCENTER | DT_SINGLELINE;
}

void TcxRadioButton::PaintCaption(HDC dc, const RECT& client) {
    DrawTransparentText(dc, Caption(), CaptionRect(client), Font().Handle(),
                        ColorToRGB(Enabled() ? Font().Color() : clBtnShadow), CaptionFlags());
}

void TcxRadioButton::PaintFocus(HDC dc, const RECT& client) {
    const std::wstring caption = Caption();
    if (!Focused() || caption.empty()) {
        return;
    }
    const RECT area = CaptionRect(client);
    RECT text = area;
    const TSelection font(dc, Font().Handle());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              CaptionFlags() | DT_CALCRECT);
    if (!WordWrap()) { // a single line sits in the middle
        OffsetRect(&text, 0, ((area.bottom - area.top) - (text.bottom - text.top)) / 2);
    }
    InflateRect(&text, 1, 1);
    ++text.bottom;
    RECT focus{};
    IntersectRect(&focus, &text, &client);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
}

} // namespace velkaro
