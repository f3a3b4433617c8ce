#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

TEST(MainWindow, OpensCentredWithCaptionAndClientSizeAndClosesCleanly) {
    ProgramUnderTest program(kConfigured);
    HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"Velkaro 2 - Dorimex\u00AE");
    const SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, 220);
    EXPECT_EQ(client.cy, 139);

    RECT frame{};
    GetWindowRect(window, &frame);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(frame.left + (frame.right - frame.left) / 2, screenWidth / 2, 1);
    EXPECT_NEAR(frame.top + (frame.bottom - frame.top) / 2, screenHeight / 2, 1);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    EXPECT_EQ(program.CloseAndWait(window), 0u);
}

TEST(MainWindow, ApplicationWindowCarriesTheTitleInTheTaskbar) {
    ProgramUnderTest program(kConfigured);
    const HWND window = program.WaitForWindow(L"Tfr_velkaro");
    ASSERT_NE(window, nullptr);
    HWND application = FindWindowW(L"TApplication", nullptr);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(TextOf(application), L"Velkaro");
    // Shown, not a tool window and owned by none: the taskbar shows it; the main window, which
    // it owns, is the one in front.
    EXPECT_TRUE(IsWindowVisible(application));
    EXPECT_FALSE(GetWindowLongW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(application, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(window, GW_OWNER), application);
    EXPECT_EQ(GetForegroundWindow(), window);
}

TEST(MainWindow, AHugePasteIntoTheStartFieldIsCutAndTheFieldStaysResponsive) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    PutOnClipboard(std::wstring(100000, L'1'));
    HWND inner = FocusOf(main.Window);
    ASSERT_EQ(GetParent(inner), main.tx_saat);
    SendKey('V', false, true);
    // Real input reaches the program's queue after a message round trip may already have ended.
    const std::wstring shown =
        WaitForText(inner, [](const std::wstring& text) { return text.size() > 5; });
    EXPECT_EQ(shown.size(), 1024U);
    EXPECT_EQ(shown.find_first_not_of(L'1'), std::wstring::npos);
}

} // namespace
} // namespace velkaro::test
