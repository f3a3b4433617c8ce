// An error of the main form's show event is reported, and the program goes on to its loop.
#include "framework/Application.h"
#include "framework/Form.h"
#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkaro {
namespace {

std::vector<std::wstring> reported;
bool shownAfterError = false;

// Once the loop runs: whether the main form is on screen, then close it.
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND mainForm = Application().MainForm()->Handle();
    shownAfterError = IsWindowVisible(mainForm) != FALSE;
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
}

void CaptureAndClose(HWND, const std::wstring& text, const std::wstring&) {
    reported.push_back(text);
    SetTimer(nullptr, 0, 10, LookAndClose);
}

TEST(RunErrorTest, AShowErrorIsReportedAndTheLoopRunsUntilTheMainFormCloses) {
    Application().Initialize();
    Application().ShowErrorBox = CaptureAndClose;
    TForm form;
    form.OnShow = [](TObject*) { throw Exception(L"G\u00F6sterilemedi"); };
    Application().Run();
    EXPECT_EQ(reported, std::vector<std::wstring>{L"G\u00F6sterilemedi."});
    EXPECT_TRUE(Application().Terminated());
    EXPECT_TRUE(shownAfterError) << "the main form did not appear after the error";
}

} // namespace
} // namespace velkaro
