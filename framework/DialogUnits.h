#pragma once
// Dialog units (the average character size of a dialog's font) and the layouts of the prompt and
// message dialogs built from them. Pure arithmetic, so each layout can be checked on its own.
#include <vector>

namespace velkaro {

struct TDialogUnits {
    int X = 0; // average character width in pixels
    int Y = 0; // character height in pixels
    // The scale of the dialog: distances given in pixels are designed at 96 pixels per inch.
    int PixelsPerInch = 96;
};

// number * numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDivRound(int number, int numerator, int denominator);
// n horizontal units (n * X / 4) and n vertical units (n * Y / 8) in pixels.
int HorzUnits(const TDialogUnits& units, int n);
int VertUnits(const TDialogUnits& units, int n);

struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TBounds&) const = default;
};

struct TInputQueryLayout {
    int ClientWidth = 0, ClientHeight = 0;
    TBounds Prompt, Edit, OkButton, CancelButton;
};

// The width the prompt text wraps within.
int InputQueryPromptMaxWidth(const TDialogUnits& units);
// promptWidth and promptHeight: the prompt's text as laid out within the maximum width.
TInputQueryLayout LayoutInputQuery(const TDialogUnits& units, int promptWidth, int promptHeight,
                                   int editHeight);

struct TMessageLayout {
    int ClientWidth = 0, ClientHeight = 0;
    TBounds Icon, Message;
    std::vector<TBounds> Buttons;
};

// At 96 pixels per inch.
constexpr int kMessageIconSize = 32;

// textWidth and textHeight: the message laid out with word wrap; captionWidths: the text width of
// each shown button's caption, in button order.
TMessageLayout LayoutMessageDialog(const TDialogUnits& units, int textWidth, int textHeight,
                                   bool hasIcon, const std::vector<int>& captionWidths);

} // namespace velkaro
