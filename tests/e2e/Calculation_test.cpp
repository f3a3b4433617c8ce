// One calculation in the real program, driven with real keys and clicks: the start time typed,
// Enter or a tariff click, and the minutes, the amount and its words read back.
#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

TEST(Calculation, StartsWithMidnightEmptyLabelsZeroAmountAndTheFirstTariff) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    EXPECT_EQ(TextOf(main.tx_saat), L"00:00");
    EXPECT_EQ(TextOf(main.lb_sure), L"");
    EXPECT_EQ(TextOf(main.lb_para), L"");
    EXPECT_EQ(TextOf(main.tx_para), L"0 TL");
    EXPECT_TRUE(Checked(main.rb_fiyat1));
    EXPECT_FALSE(Checked(main.rb_fiyat2));
    EXPECT_EQ(TextOf(main.rb_fiyat1), L"1.000.000");
    EXPECT_EQ(TextOf(main.rb_fiyat2), L"1.500.000");
    EXPECT_EQ(GetParent(FocusOf(main.Window)), main.tx_saat);
}

TEST(Calculation, EnterShowsMinutesAmountAndWordsThenTheOtherTariffByAClick) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    EXPECT_EQ(main.Calculate(DigitsOfStartBefore(75)), L"75 dak.");
    EXPECT_EQ(TextOf(main.tx_para), L"1.250.000 TL");
    EXPECT_EQ(TextOf(main.lb_para), L" bir milyon iki yüz elli bin");
    EXPECT_EQ(GetParent(FocusOf(main.Window)), main.tx_saat);

    EXPECT_EQ(main.ClickTariff(main.rb_fiyat2), L"2.000.000 TL");
    EXPECT_EQ(TextOf(main.lb_para), L" iki milyon");
    EXPECT_TRUE(Checked(main.rb_fiyat2));
    EXPECT_FALSE(Checked(main.rb_fiyat1));
}

TEST(Calculation, AStartLaterThanNowCountsFromTheDayBefore) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    EXPECT_EQ(main.Calculate(DigitsOfStartBefore(-60)), L"1380 dak.");
    EXPECT_EQ(TextOf(main.tx_para), L"23.000.000 TL");
    EXPECT_EQ(TextOf(main.lb_para), L" yirmi üç milyon");
}

TEST(Calculation, EnterOnTheInitialMidnightCountsTheMinutesSinceMidnight) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendKey(VK_RETURN);
    EXPECT_EQ(WaitForText(main.lb_sure, [](const std::wstring& text) { return !text.empty(); }),
              std::to_wstring(kNowHour * 60 + kNowMinute) + L" dak.");
    EXPECT_EQ(TextOf(main.tx_para), L"14.500.000 TL");
}

TEST(Calculation, AKeyOtherThanEnterDoesNotCalculate) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendText(L"1234");
    SendKey(VK_TAB);
    SendKey(VK_SPACE);
    program.WaitIdle();
    EXPECT_EQ(WaitForText(main.tx_saat, [](const std::wstring& text) { return text == L"12:34"; }),
              L"12:34");
    EXPECT_EQ(TextOf(main.lb_sure), L"");
    EXPECT_EQ(TextOf(main.tx_para), L"0 TL");
}

TEST(Calculation, AnUnfilledStartIsReportedAndNotCalculated) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    // The whole text is selected on entry: Delete blanks it, and three digits leave the last
    // position unfilled ("12:3_").
    SendKey(VK_DELETE);
    SendText(L"123");
    SendKey(VK_RETURN);
    EXPECT_EQ(AnswerErrorReport(program), L"The edit value is invalid.");
    // No calculation for a start time the operator never typed, and no second dialog.
    EXPECT_EQ(program.WaitForWindow(L"TMessageForm", {}, 500ms), nullptr);
    EXPECT_EQ(TextOf(main.lb_sure), L"");
    EXPECT_EQ(TextOf(main.tx_para), L"0 TL");
    EXPECT_EQ(TextOf(main.lb_para), L"");
    // The field keeps the focus with its text selected, ready to be corrected.
    HWND focus = FocusOf(main.Window);
    EXPECT_EQ(GetParent(focus), main.tx_saat);
    DWORD start = 0, end = 0;
    SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST(Calculation, AStartThatIsNoTimeOfDayShowsTheInputDialog) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendText(L"9999");
    SendKey(VK_RETURN);
    HWND dialog = program.WaitForWindow(L"TMessageForm", L"Hata");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(FindChild(dialog, L"", L"Girdiğinz değer yanlış!"), nullptr);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    program.WaitIdle();
    EXPECT_EQ(TextOf(main.lb_sure), L"");
    EXPECT_EQ(TextOf(main.tx_para), L"0 TL");
}

TEST(Calculation, AZeroRoundingStepSetsTheMinutesAndReportsTheDivision) {
    ProgramUnderTest program(
        {{L"Fiyat1", L"1000000"}, {L"Fiyat2", L"1500000"}, {L"Yuvarlama", L"0"}});
    const MainWindow main(program);
    SendText(DigitsOfStartBefore(75));
    SendKey(VK_RETURN);
    EXPECT_EQ(AnswerErrorReport(program), L"Division by zero.");
    EXPECT_EQ(TextOf(main.lb_sure), L"75 dak.");
    EXPECT_EQ(TextOf(main.tx_para), L"0 TL");
    EXPECT_EQ(TextOf(main.lb_para), L"");
}

} // namespace
} // namespace velkaro::test
