#include "tests/e2e/Driver.h"

#include <gtest/gtest.h>

namespace velkaro::e2e {
namespace {

TEST(Settings, FirstRunAsksForBothPricesAndTheStepInOrderAndStoresThem) {
    ProgramUnderTest program({});
    EXPECT_EQ(AnswerPrompt(program, L"1. fiyatı giriniz", L"1000000"), L"0");
    EXPECT_EQ(AnswerPrompt(program, L"2. fiyatı giriniz", L"1500000"), L"0");
    EXPECT_EQ(AnswerPrompt(program, L"Yuvarlama miktarını giriniz", L"250000"), L"0");
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadRegistry(), kConfigured);
    EXPECT_EQ(program.CloseAndWait(window), 0u);
}

TEST(Settings, MissingSecondPriceAsksForBothAndStoredStepIsKept) {
    ProgramUnderTest program({{L"Fiyat1", L"700"}, {L"Yuvarlama", L"50"}});
    // The stored first price is not read when the second is missing: the prompt shows 0.
    EXPECT_EQ(AnswerPrompt(program, L"1. fiyatı giriniz", L"800"), L"0");
    EXPECT_EQ(AnswerPrompt(program, L"2. fiyatı giriniz", L"900"), L"0");
    ASSERT_NE(program.WaitForWindow(L"Tfr_velkaro"), nullptr);
    const RegistryValues expected = {
        {L"Fiyat1", L"800"}, {L"Fiyat2", L"900"}, {L"Yuvarlama", L"50"}};
    EXPECT_EQ(ReadRegistry(), expected);
}

TEST(Settings, NotAnIntegerIsReportedWithAFullStopAndSkipsTheRest) {
    ProgramUnderTest program({});
    AnswerPrompt(program, L"1. fiyatı giriniz", L"abc");
    EXPECT_EQ(AnswerErrorReport(program), L"'abc' is not a valid integer value.");
    // The second price and the rounding step are not asked for; the window is usable.
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(program.WaitForWindow(L"", L"2. fiyatı giriniz", 300ms), nullptr);
    EXPECT_EQ(program.WaitForWindow(L"", L"Yuvarlama miktarını giriniz", 300ms), nullptr);
    EXPECT_TRUE(ReadRegistry().empty());
}

TEST(Settings, RoundingStepMenuItemPromptsWithTheCurrentStepAndSavesIt) {
    ProgramUnderTest program(kConfigured);
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    // A left click on the bare background opens the menu; the second item is the step.
    Click(window, 5, 135);
    HWND menu = program.WaitForWindow(L"#32768");
    ASSERT_NE(menu, nullptr);
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    SendKey(VK_RETURN);
    EXPECT_EQ(AnswerPrompt(program, L"Yuvarlama miktarını giriniz", L"5000"), L"250000");
    program.WaitIdle();
    EXPECT_EQ(ReadRegistry()[L"Yuvarlama"], L"5000");
}

} // namespace
} // namespace velkaro::e2e
