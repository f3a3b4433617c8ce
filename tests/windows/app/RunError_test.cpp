// An error of the main form's show event is reported, and the program goes on to its loop.
#include "framework/Application.h"
#include "framework/Form.h"
#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkaro {
namespace {

std::vector<std::wstring> reported;

void CaptureAndClose(HWND, const std::wstring& text, const std::wstring&) {
    reported.push_back(text);
    PostMessageW(Application().MainForm()->Handle(), WM_CLOSE, 0, 0);
}

TEST(RunErrorTest, AShowErrorIsReportedAndTheLoopRunsUntilTheMainFormCloses) {
    Application().Initialize();
    Application().ShowErrorBox = CaptureAndClose;
    TForm form;
    form.OnShow = [](TObject*) { throw Exception(L"G\u00F6sterilemedi"); };
    Application().Run();
    EXPECT_EQ(reported, std::vector<std::wstring>{L"G\u00F6sterilemedi."});
    EXPECT_TRUE(Application().Terminated());
}

} // namespace
} // namespace velkaro
