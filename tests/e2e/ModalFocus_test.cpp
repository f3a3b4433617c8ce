// What the operator meets when a click or a key opens a report in the middle of moving the
// focus, with real input on the real program: one report per refused move, and the next click
// and key going where they are aimed.
#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

// Every error report that comes up, each answered, until none follows within a second.
std::vector<std::wstring> AnswerEveryErrorReport(const ProgramUnderTest& program) {
    std::vector<std::wstring> texts;
    while (auto text = AnswerErrorReport(program, texts.empty() ? 10s : 1s)) {
        texts.push_back(*text);
    }
    return texts;
}

HWND CaptureOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndCapture;
}

TEST(ModalFocus, AClickAwayFromAnUnfilledStartIsReportedOnceAndTheFocusStays) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendKey(VK_DELETE); // the whole text is selected on entry
    SendText(L"123");
    SendClick(main.tx_para, {30, 14});
    EXPECT_EQ(AnswerEveryErrorReport(program),
              std::vector<std::wstring>{L"The edit value is invalid."});
    program.WaitIdle();
    EXPECT_EQ(GetParent(FocusOf(main.Window)), main.tx_saat);
}

TEST(ModalFocus, AfterTheDialogOfATariffClickTheNextClickIntoTheStartIsNotSwallowed) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendText(L"2500");
    SendClick(main.rb_fiyat2, {10, 12});
    ASSERT_NE(program.WaitForWindow(L"TMessageForm", L"Hata"), nullptr);
    SendKey(VK_RETURN);
    program.WaitIdle();
    EXPECT_EQ(program.WaitForWindow(L"TMessageForm", L"Hata", 1s), nullptr) << "shown again";
    const HWND capture = CaptureOf(main.Window);
    EXPECT_EQ(capture, nullptr) << "a window still holds the mouse: " << ClassOf(capture);

    SendClick(main.tx_saat, {30, 16});
    SendKey(VK_HOME);
    EXPECT_EQ(main.Calculate(L"0845"), L"345 dak.");
}

TEST(ModalFocus, TheTariffChosenFromTheKeyboardCalculatesAndLeavesTheFocusInTheStartField) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    SendKey(VK_TAB);
    SendKey(VK_RIGHT);
    EXPECT_EQ(WaitForText(main.lb_sure, [](const std::wstring& text) { return !text.empty(); }),
              std::to_wstring(kNowHour * 60 + kNowMinute) + L" dak.");
    program.WaitIdle();
    const HWND focus = FocusOf(main.Window);
    EXPECT_EQ(GetParent(focus), main.tx_saat);
    EXPECT_TRUE(IsWindowVisible(focus));
}

} // namespace
} // namespace velkaro::test
