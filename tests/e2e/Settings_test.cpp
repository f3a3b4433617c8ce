#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

constexpr wchar_t kPrice1[] = L"1. fiyatı giriniz";
constexpr wchar_t kPrice2[] = L"2. fiyatı giriniz";
constexpr wchar_t kStep[] = L"Yuvarlama miktarını giriniz";

// With the configured settings, 75 minutes cost 1.250.000 TL at the first tariff and 2.000.000
// TL at the second.
void ExpectTheConfiguredPricesCharged(const MainWindow& main) {
    SendKey(VK_HOME);
    main.Calculate(DigitsOfStartBefore(75));
    EXPECT_EQ(TextOf(main.tx_para), L"1.250.000 TL");
    EXPECT_EQ(main.ClickTariff(main.rb_fiyat2), L"2.000.000 TL");
    EXPECT_EQ(TextOf(main.rb_fiyat1), L"1.000.000");
    EXPECT_EQ(TextOf(main.rb_fiyat2), L"1.500.000");
}

TEST(Settings, FirstRunAsksForBothPricesAndTheStepInOrderAndStoresThem) {
    ProgramUnderTest program({});
    EXPECT_EQ(AnswerPrompt(program, kPrice1, L"1000000"), L"0");
    EXPECT_EQ(AnswerPrompt(program, kPrice2, L"1500000"), L"0");
    EXPECT_EQ(AnswerPrompt(program, kStep, L"250000"), L"0");
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadRegistry(), kConfigured);
    EXPECT_EQ(program.CloseAndWait(window), 0u);
}

TEST(Settings, MissingSecondPriceAsksForBothAndStoredStepIsKept) {
    ProgramUnderTest program({{L"Fiyat1", L"700"}, {L"Yuvarlama", L"50"}});
    // The stored first price is not read when the second is missing: the prompt shows 0.
    EXPECT_EQ(AnswerPrompt(program, kPrice1, L"800"), L"0");
    EXPECT_EQ(AnswerPrompt(program, kPrice2, L"900"), L"0");
    ASSERT_NE(program.WaitForWindow(L"Tfr_velkaro"), nullptr);
    const RegistryValues expected = {
        {L"Fiyat1", L"800"}, {L"Fiyat2", L"900"}, {L"Yuvarlama", L"50"}};
    EXPECT_EQ(ReadRegistry(), expected);
}

TEST(Settings, NotAnIntegerIsReportedWithAFullStopAndSkipsTheRest) {
    ProgramUnderTest program({});
    AnswerPrompt(program, kPrice1, L"abc");
    EXPECT_EQ(AnswerErrorReport(program), L"'abc' is not a valid integer value.");
    // The second price and the rounding step are not asked for; the window is usable.
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(program.WaitForWindow(L"", kPrice2, 300ms), nullptr);
    EXPECT_EQ(program.WaitForWindow(L"", kStep, 300ms), nullptr);
    EXPECT_TRUE(ReadRegistry().empty());
}

TEST(Settings, RoundingStepMenuItemPromptsWithTheCurrentStepAndSavesIt) {
    ProgramUnderTest program(kConfigured);
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    ChooseFromMenu(program, window, 1);
    EXPECT_EQ(AnswerPrompt(program, kStep, L"5000"), L"250000");
    program.WaitIdle();
    EXPECT_EQ(ReadRegistry()[L"Yuvarlama"], L"5000");
}

TEST(Settings, ARefusedOrUnparsablePriceChangesNothing) {
    const struct {
        const wchar_t* Price1;
        const wchar_t* Price2;
        std::optional<std::wstring> Error;
    } cases[] = {
        {L"2000000", L"abc", L"'abc' is not a valid integer value."},
        {L"1000000", L"0", std::nullopt},
        {L"0", L"3000000", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Price1 << " " << c.Price2);
        ProgramUnderTest program(kConfigured);
        const MainWindow main(program);
        ChooseFromMenu(program, main.Window, 0);
        AnswerPrompt(program, kPrice1, c.Price1);
        AnswerPrompt(program, kPrice2, c.Price2);
        EXPECT_EQ(AnswerErrorReport(program), c.Error);
        EXPECT_EQ(ReadRegistry(), kConfigured);
        ExpectTheConfiguredPricesCharged(main);
    }
}

// A locked-down account may read its settings but not change them.
TEST(Settings, AKeyThatCanOnlyBeReadLoadsAndRefusedSavesKeepWhatWasLoaded) {
    ProgramUnderTest program(kConfigured, Clock::Fixed, DenySettingValues);
    const MainWindow main(program);
    EXPECT_EQ(program.WaitForWindow(L"", kPrice1, 300ms), nullptr)
        << "the stored prices were not read";

    ChooseFromMenu(program, main.Window, 0);
    AnswerPrompt(program, kPrice1, L"3000000");
    AnswerPrompt(program, kPrice2, L"4000000");
    EXPECT_EQ(AnswerErrorReport(program), L"Failed to set data for 'Fiyat1'");
    // A step of 300.000 would charge 1.200.000 TL at the first tariff.
    ChooseFromMenu(program, main.Window, 1);
    AnswerPrompt(program, kStep, L"300000");
    EXPECT_EQ(AnswerErrorReport(program), L"Failed to set data for 'Yuvarlama'");

    EXPECT_EQ(ReadRegistry(), kConfigured);
    ExpectTheConfiguredPricesCharged(main);
}

TEST(Settings, ALongBadStoredValueIsQuotedByItsBeginning) {
    RegistryValues values = kConfigured;
    values[L"Fiyat1"] = std::wstring(100000, L'7');
    ProgramUnderTest program(values);
    HWND report = program.WaitForWindow(L"#32770", L"Velkaro");
    ASSERT_NE(report, nullptr);
    const std::wstring message = MessageBoxText(report);
    ASSERT_LT(message.size(), 100U);
    EXPECT_EQ(message, L"'" + std::wstring(40, L'7') + L"\u2026' is not a valid integer value.");
    RECT frame{};
    GetWindowRect(report, &frame);
    EXPECT_LE(frame.right - frame.left, GetSystemMetrics(SM_CXSCREEN) / 2);
}

} // namespace
} // namespace velkaro::test
