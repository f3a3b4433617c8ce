#include "framework/DialogUnits.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velkaro {

void PrintTo(const TBounds& bounds, std::ostream* out) {
    *out << "{" << bounds.Left << ", " << bounds.Top << ", " << bounds.Width << ", "
         << bounds.Height << "}";
}

namespace {

TEST(DialogUnits, MultiplyThenDivideRoundsHalvesAwayFromZero) {
    const struct {
        int Number, Numerator, Denominator, Result;
    } cases[] = {
        {14, 13, 8, 23}, // 22.75
        {50, 6, 4, 75},  {1, 1, 2, 1},
        {3, 1, 2, 2},    {-1, 1, 2, -1},
        {-3, 1, 2, -2},  {5, 1, 4, 1}, // 1.25
        {7, 1, 4, 2},                  // 1.75
        {3, 1, -2, -2},  {-3, 1, -2, 2},
        {0, 7, 3, 0},    {1 << 20, 1 << 20, 1 << 20, 1 << 20}, // the product does not overflow
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MulDivRound(c.Number, c.Numerator, c.Denominator), c.Result)
            << c.Number << " * " << c.Numerator << " / " << c.Denominator;
    }
}

TEST(DialogUnits, PromptForSixByThirteenUnits) {
    const TInputQueryLayout layout = LayoutInputQuery({6, 13}, 100, 13, 21);
    EXPECT_EQ(layout.ClientWidth, 270);
    EXPECT_EQ(layout.Prompt, (TBounds{12, 13, 100, 13}));
    EXPECT_EQ(layout.Edit, (TBounds{12, 31, 246, 21}));
    EXPECT_EQ(layout.OkButton, (TBounds{57, 67, 75, 23}));
    EXPECT_EQ(layout.CancelButton, (TBounds{138, 67, 75, 23}));
    EXPECT_EQ(layout.ClientHeight, 103);
}

TEST(DialogUnits, LongPromptWrapsWithinItsWidthAndPushesTheRestDown) {
    const TInputQueryLayout layout = LayoutInputQuery({6, 13}, 900, 39, 21);
    EXPECT_EQ(layout.Prompt, (TBounds{12, 13, 246, 39}));
    EXPECT_EQ(layout.Edit.Top, 57);
    EXPECT_EQ(layout.OkButton.Top, 93);
    EXPECT_EQ(layout.ClientHeight, 129);
    EXPECT_EQ(layout.ClientWidth, 270);
}

TEST(DialogUnits, MessageWithIconAndOneButton) {
    const TMessageLayout layout = LayoutMessageDialog({6, 13}, 200, 13, true, {30});
    EXPECT_EQ(layout.ClientWidth, 200 + 32 + 15 + 2 * 12);
    EXPECT_EQ(layout.ClientHeight, 32 + 23 + 16 + 2 * 13);
    EXPECT_EQ(layout.Icon, (TBounds{12, 13, 32, 32}));
    EXPECT_EQ(layout.Message, (TBounds{59, 13, 200, 13}));
    ASSERT_EQ(layout.Buttons.size(), 1u);
    EXPECT_EQ(layout.Buttons[0], (TBounds{98, 61, 75, 23}));
}

TEST(DialogUnits, WideCaptionWidensEveryButtonAndTheRowDecidesTheWidth) {
    const TMessageLayout layout = LayoutMessageDialog({6, 13}, 100, 13, false, {80, 20});
    EXPECT_EQ(layout.ClientWidth, 2 * 88 + 6 + 2 * 12);
    EXPECT_EQ(layout.ClientHeight, 13 + 23 + 16 + 2 * 13);
    EXPECT_EQ(layout.Message, (TBounds{12, 13, 100, 13}));
    ASSERT_EQ(layout.Buttons.size(), 2u);
    EXPECT_EQ(layout.Buttons[0], (TBounds{12, 42, 88, 23}));
    EXPECT_EQ(layout.Buttons[1], (TBounds{106, 42, 88, 23}));
}

TEST(DialogUnits, TallMessageSetsTheButtonRowBelowIt) {
    const TMessageLayout layout = LayoutMessageDialog({6, 13}, 100, 52, true, {30});
    EXPECT_EQ(layout.ClientHeight, 52 + 23 + 16 + 2 * 13);
    EXPECT_EQ(layout.Buttons[0].Top, 52 + 13 + 16);
}

// Units come from the font at the dialog's scale; the distances given in pixels are designed at
// 96 pixels per inch and grow with the scale too, so the proportions hold.
TEST(DialogUnits, PixelDistancesFollowTheScale) {
    const TInputQueryLayout prompt = LayoutInputQuery({9, 17, 144}, 100, 17, 29);
    EXPECT_EQ(prompt.Edit.Top, prompt.Prompt.Bottom() + 8);        // 7.5
    EXPECT_EQ(prompt.OkButton.Top, prompt.Edit.Bottom() + 23);     // 22.5
    EXPECT_EQ(prompt.ClientHeight, prompt.OkButton.Bottom() + 20); // 19.5

    const TMessageLayout message = LayoutMessageDialog({9, 17, 144}, 100, 17, true, {120});
    EXPECT_EQ(message.Icon, (TBounds{18, 17, 48, 48}));
    EXPECT_EQ(message.Buttons.at(0).Width, 120 + 12);
}

} // namespace
} // namespace velkaro
