// The real program on a display of 144 pixels per inch (150 %): the window and every control at
// one and a half times their designed size, and the amount in words still wrapped inside its label.
#include "tests/e2e/MainWindowControls.h"
#include "tests/windows/support/DisplayScale.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkaro::test {
namespace {

constexpr DWORD kPixelsPerInch = 144;

// Prices whose amounts in words are too long for one line.
const RegistryValues kDpiTestSettings = {
    {L"Fiyat1", L"1100000"}, {L"Fiyat2", L"1500000"}, {L"Yuvarlama", L"1000"}};

RECT BoundsInParent(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

RECT Scaled(int left, int top, int width, int height) {
    const auto scale = [](int value) { return MulDiv(value, kPixelsPerInch, 96); };
    return {scale(left), scale(top), scale(left) + scale(width), scale(top) + scale(height)};
}

bool Blue(COLORREF pixel) {
    return GetBValue(pixel) > 128 && GetRValue(pixel) < 96 && GetGValue(pixel) < 96;
}

// The bands of rows of the window's picture on screen that hold blue text.
std::vector<std::pair<int, int>> BlueTextLines(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    std::vector<std::pair<int, int>> lines;
    for (int y = 0; y < client.bottom; ++y) {
        bool inked = false;
        for (int x = 0; x < client.right && !inked; ++x) {
            inked = Blue(GetPixel(screen, origin.x + x, origin.y + y));
        }
        if (inked && !lines.empty() && lines.back().second == y - 1) {
            lines.back().second = y;
        } else if (inked) {
            lines.emplace_back(y, y);
        }
    }
    ReleaseDC(nullptr, screen);
    return lines;
}

class HighDpi : public ::testing::Test {
protected:
    // Read in the program's own pixels, not scaled down for a program unaware of the scale.
    void SetUp() override { BecomeScaleAware(); }
};

TEST_F(HighDpi, WindowAndControlsAreScaledAndTheWordsStillWrapInTheirLabel) {
    const DisplayScale scale(kPixelsPerInch);
    ProgramUnderTest program(kDpiTestSettings);
    const MainWindow main(program);

    const SIZE client = ClientSize(main.Window);
    EXPECT_EQ(client.cx, 330);
    EXPECT_EQ(client.cy, 209);
    const struct {
        const char* name;
        HWND control;
        RECT expected;
    } controls[] = {
        {"tx_saat", main.tx_saat, Scaled(76, 0, 65, 32)},
        {"lb_sure", main.lb_sure, Scaled(60, 36, 97, 17)},
        {"lb_para", main.lb_para, Scaled(0, 88, 217, 49)},
        {"rb_fiyat1", main.rb_fiyat1, Scaled(4, 4, 69, 25)},
        {"rb_fiyat2", main.rb_fiyat2, Scaled(144, 4, 69, 25)},
        {"tx_para", main.tx_para, Scaled(16, 56, 189, 28)},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        const RECT bounds = BoundsInParent(c.control);
        EXPECT_TRUE(EqualRect(&c.expected, &bounds))
            << bounds.left << "," << bounds.top << " " << bounds.right - bounds.left << "x"
            << bounds.bottom - bounds.top;
    }

    main.Calculate(DigitsOfStartBefore(75));
    ASSERT_GT(TextOf(main.lb_para).size(), 30u);
    UpdateWindow(main.lb_para);
    // Too long for one line, the words take two, both inside the label.
    const auto lines = BlueTextLines(main.lb_para);
    ASSERT_EQ(lines.size(), 2u);
    RECT label{};
    GetClientRect(main.lb_para, &label);
    EXPECT_GT(lines.front().first, 0);
    EXPECT_LT(lines.back().second, label.bottom - 1);
    // The font grew with the window: a line is taller than the whole label's designed third.
    EXPECT_GT(lines.front().second - lines.front().first + 1, 49 / 3);
}

} // namespace
} // namespace velkaro::test
