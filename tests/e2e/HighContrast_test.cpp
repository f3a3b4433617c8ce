// The real program started under a high-contrast colour scheme, white on black: the amount the
// operator reads out stands clearly from its background, and the colours the window names itself
// (the red start time, the blue labels) stay.
#include "tests/e2e/MainWindowControls.h"
#include "tests/windows/support/HighContrast.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

// Pixels of a pure-enough hue, as text drawn in it shows (its edges blend with the background).
int CountOf(const std::map<COLORREF, int>& colours, bool (*hue)(COLORREF)) {
    int count = 0;
    for (const auto& [colour, pixels] : colours) {
        count += hue(colour) ? pixels : 0;
    }
    return count;
}

bool Red(COLORREF colour) {
    return GetRValue(colour) > 192 && GetGValue(colour) < 64 && GetBValue(colour) < 64;
}

bool Blue(COLORREF colour) {
    return GetBValue(colour) > 192 && GetRValue(colour) < 64 && GetGValue(colour) < 64;
}

TEST(HighContrast, TheAmountStandsOutAndTheNamedColoursStay) {
    const HighContrastScheme scheme;
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    main.Calculate(DigitsOfStartBefore(75));
    ASSERT_EQ(TextOf(main.tx_para), L"1.250.000 TL");
    SendKey(VK_END); // the start time no longer selected, in its own colour

    EXPECT_EQ(BackgroundAndText(ColoursOnScreen(main.Window)).first, kSchemeBackground);
    const auto [background, text] = BackgroundAndText(ColoursOnScreen(main.tx_para, 3));
    EXPECT_GE(ContrastRatio(background, text), 4.5)
        << std::hex << "text " << text << " on " << background;
    // The key is on its way: its repaint shows once it has been handled.
    EXPECT_TRUE(WaitUntil([&] { return CountOf(ColoursOnScreen(main.tx_saat), Red) > 0; }));
    EXPECT_GT(CountOf(ColoursOnScreen(main.lb_para), Blue), 0);
}

} // namespace
} // namespace velkaro::test
