#include "framework/DialogUnits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace velkaro {

namespace {

// Distances of both dialogs, in dialog units or pixels as named.
constexpr int kPromptClientWidth = 180;
constexpr int kPromptMargin = 8;
constexpr int kPromptWidth = 164;
constexpr int kPromptEditGapPixels = 5;
constexpr int kPromptButtonGapPixels = 15;
constexpr int kPromptBottomPixels = 13;
constexpr int kPromptOkLeft = 38;
constexpr int kPromptCancelLeft = 92;

constexpr int kMessageMargin = 8;
constexpr int kMessageIconSpacing = 10;
constexpr int kMessageButtonSpacing = 10;
constexpr int kMessageButtonGap = 4;
constexpr int kCaptionPaddingPixels = 8;

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

// A distance designed in pixels at 96 pixels per inch, at the dialog's scale.
int Pixels(const TDialogUnits& units, int designed) {
    return MulDivRound(designed, units.PixelsPerInch, 96);
}

} // namespace

int MulDivRound(int number, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t magnitude = (std::abs(product) * 2 + std::abs(denominator)) /
                                   (2 * static_cast<std::int64_t>(std::abs(denominator)));
    return static_cast<int>((product < 0) != (denominator < 0) ? -magnitude : magnitude);
}

int HorzUnits(const TDialogUnits& units, int n) {
    return MulDivRound(n, units.X, 4);
}

int VertUnits(const TDialogUnits& units, int n) {
    return MulDivRound(n, units.Y, 8);
}

int InputQueryPromptMaxWidth(const TDialogUnits& units) {
    return HorzUnits(units, kPromptWidth);
}

TInputQueryLayout LayoutInputQuery(const TDialogUnits& units, int promptWidth, int promptHeight,
                                   int editHeight) {
    TInputQueryLayout layout;
    layout.ClientWidth = HorzUnits(units, kPromptClientWidth);
    layout.Prompt = {HorzUnits(units, kPromptMargin), VertUnits(units, kPromptMargin),
                     std::min(promptWidth, InputQueryPromptMaxWidth(units)), promptHeight};
    layout.Edit = {layout.Prompt.Left, layout.Prompt.Bottom() + Pixels(units, kPromptEditGapPixels),
                   HorzUnits(units, kPromptWidth), editHeight};
    const int buttonTop = layout.Edit.Bottom() + Pixels(units, kPromptButtonGapPixels);
    const int buttonWidth = HorzUnits(units, kButtonWidth);
    const int buttonHeight = VertUnits(units, kButtonHeight);
    layout.OkButton = {HorzUnits(units, kPromptOkLeft), buttonTop, buttonWidth, buttonHeight};
    layout.CancelButton = {HorzUnits(units, kPromptCancelLeft), buttonTop, buttonWidth,
                           buttonHeight};
    layout.ClientHeight = layout.OkButton.Bottom() + Pixels(units, kPromptBottomPixels);
    return layout;
}

TMessageLayout LayoutMessageDialog(const TDialogUnits& units, int textWidth, int textHeight,
                                   bool hasIcon, const std::vector<int>& captionWidths) {
    const int horzMargin = HorzUnits(units, kMessageMargin);
    const int vertMargin = VertUnits(units, kMessageMargin);
    const int iconSpacing = HorzUnits(units, kMessageIconSpacing);
    const int buttonSpacing = VertUnits(units, kMessageButtonSpacing);
    const int buttonGap = HorzUnits(units, kMessageButtonGap);
    const int buttonHeight = VertUnits(units, kButtonHeight);
    const int iconSize = Pixels(units, kMessageIconSize);
    int buttonWidth = HorzUnits(units, kButtonWidth);
    for (int captionWidth : captionWidths) {
        buttonWidth = std::max(buttonWidth, captionWidth + Pixels(units, kCaptionPaddingPixels));
    }

    int iconTextWidth = textWidth;
    int iconTextHeight = textHeight;
    if (hasIcon) {
        iconTextWidth += iconSize + iconSpacing;
        iconTextHeight = std::max(iconTextHeight, iconSize);
    }
    const auto count = static_cast<int>(captionWidths.size());
    const int rowWidth = count == 0 ? 0 : buttonWidth * count + buttonGap * (count - 1);

    TMessageLayout layout;
    layout.ClientWidth = std::max(iconTextWidth, rowWidth) + 2 * horzMargin;
    layout.ClientHeight = iconTextHeight + buttonHeight + buttonSpacing + 2 * vertMargin;
    if (hasIcon) {
        layout.Icon = {horzMargin, vertMargin, iconSize, iconSize};
    }
    layout.Message = {horzMargin + iconTextWidth - textWidth, vertMargin, textWidth, textHeight};
    int left = (layout.ClientWidth - rowWidth) / 2;
    const int top = iconTextHeight + vertMargin + buttonSpacing;
    for (int index = 0; index < count; ++index) {
        layout.Buttons.push_back({left, top, buttonWidth, buttonHeight});
        left += buttonWidth + buttonGap;
    }
    return layout;
}

} // namespace velkaro
