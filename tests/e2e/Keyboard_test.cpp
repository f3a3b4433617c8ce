// The keyboard alone, with real keys: the tariff chosen with the arrows, and the start field's
// caret kept while the operator looks at another program.
#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

TEST(Keyboard, TheArrowsChooseTheTariffAsAClickDoes) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    main.Calculate(DigitsOfStartBefore(75));
    ASSERT_EQ(TextOf(main.tx_para), L"1.250.000 TL");

    SendKey(VK_TAB); // into the group, on the checked first tariff
    SendKey(VK_RIGHT);
    EXPECT_EQ(main.AmountOtherThan(L"1.250.000 TL"), L"2.000.000 TL");
    EXPECT_EQ(TextOf(main.lb_para), L" iki milyon");
    EXPECT_TRUE(Checked(main.rb_fiyat2));
    EXPECT_FALSE(Checked(main.rb_fiyat1));
    // As after a click, the calculation leaves the operator in the start field.
    EXPECT_EQ(GetParent(FocusOf(main.Window)), main.tx_saat);

    SendKey(VK_TAB); // the group's stop is now the second tariff
    SendKey(VK_LEFT);
    EXPECT_EQ(main.AmountOtherThan(L"2.000.000 TL"), L"1.250.000 TL");
    EXPECT_TRUE(Checked(main.rb_fiyat1));
    EXPECT_FALSE(Checked(main.rb_fiyat2));
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

DWORD Selection(HWND edit) {
    return static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
}

// Keys sent are on their way: waits until the caret has moved to the position.
DWORD WaitForSelectionFrom(HWND edit, WORD start) {
    WaitUntil([&] { return LOWORD(Selection(edit)) == start; });
    return Selection(edit);
}

TEST(Keyboard, SwitchingToAnotherProgramAndBackKeepsTheCaretInTheStartField) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    // Just back in the field from a calculation that the second tariff's button ran.
    SendKey(VK_TAB);
    SendKey(VK_RIGHT);
    ASSERT_NE(main.AmountOtherThan(L"0 TL"), L"0 TL");
    const HWND field = FocusOf(main.Window);
    ASSERT_EQ(GetParent(field), main.tx_saat);
    SendKey(VK_HOME);
    SendKey(VK_RIGHT); // after the first digit
    const DWORD selection = WaitForSelectionFrom(field, 1);
    ASSERT_EQ(LOWORD(selection), 1u);

    const OtherProgram other;
    ASSERT_NE(other.Window(), nullptr);
    ASSERT_TRUE(BringToFront(other.Window()));
    ASSERT_TRUE(BringToFront(main.Window));
    program.WaitIdle();
    EXPECT_EQ(FocusOf(main.Window), field);
    EXPECT_EQ(Selection(field), selection);

    // The next digit goes where the caret was, not over the whole time.
    SendText(L"7");
    EXPECT_EQ(WaitForText(main.tx_saat, [](const std::wstring& text) { return text != L"00:00"; }),
              L"07:00");
}

} // namespace
} // namespace velkaro::test
