#include "framework/Application.h"
#include "framework/Form.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace velkaro {
namespace {

std::vector<std::wstring> reported;

void CaptureErrorBox(HWND, const std::wstring& text, const std::wstring&) {
    reported.push_back(text);
}

class ErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().Initialize();
        Application().SetTitle(L"Velkaro");
        systemBox_ = Application().ShowErrorBox;
        Application().ShowErrorBox = CaptureErrorBox;
        reported.clear();
    }
    void TearDown() override { Application().ShowErrorBox = systemBox_; }

    decltype(TApplication::ShowErrorBox) systemBox_ = nullptr;
};

TEST_F(ErrorReportTest, AnAbortIsSilentAndOtherErrorsAreReported) {
    Application().HandleException(EAbort());
    Application().HandleException(std::runtime_error("library error"));
    Application().HandleException(EConvertError(L"'abc' is not a valid integer value"));
    EXPECT_EQ(reported, (std::vector<std::wstring>{L"library error.",
                                                   L"'abc' is not a valid integer value."}));
}

TEST_F(ErrorReportTest, AnErrorInAWindowHandlerIsReportedAndTheLoopGoesOn) {
    TForm form;
    form.OnClick = [](TObject*) { throw EDivByZero(); };
    form.HandleNeeded();
    PostMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PostMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    Application().ProcessMessages();
    EXPECT_EQ(reported, (std::vector<std::wstring>{L"Division by zero.", L"Division by zero."}));
}

// The report as the operator sees it: a system message box owned by the active form, which the
// box disables while it is up and enables and activates again as it closes (as a dialog box does
// with its owner).
TEST_F(ErrorReportTest, TheReportIsAnErrorBoxOwnedByTheActiveForm) {
    Application().ShowErrorBox = systemBox_;
    TForm form;
    form.SetCaption(L"Ba\u015Fka pencere");
    form.SetClientSize(100, 50);
    form.Show();

    struct Seen {
        std::wstring Caption, Text;
        HWND Owner = nullptr;
        bool FormEnabled = true;
        HICON Icon = nullptr;
        bool HasCancel = true;
    } seen;
    test::TWindowAnswer answer(L"#32770", [&](HWND box) {
        seen.Caption = test::TextOf(box);
        seen.Text = test::TextOf(GetDlgItem(box, 0xFFFF));
        seen.Owner = GetWindow(box, GW_OWNER);
        seen.FormEnabled = IsWindowEnabled(form.Handle()) != FALSE;
        seen.Icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x440, STM_GETICON, 0, 0));
        seen.HasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    Application().HandleException(Exception(L"'abc' is not a valid integer value"));

    ASSERT_TRUE(answer.Answered()) << "no message box";
    EXPECT_EQ(seen.Caption, L"Velkaro");
    EXPECT_EQ(seen.Text, L"'abc' is not a valid integer value.");
    EXPECT_EQ(seen.Owner, form.Handle());
    EXPECT_EQ(seen.Icon, LoadIconW(nullptr, IDI_HAND));
    EXPECT_FALSE(seen.HasCancel);
    EXPECT_FALSE(seen.FormEnabled) << "other windows take input while the box is up";
    EXPECT_TRUE(IsWindowEnabled(form.Handle())) << "not given back afterwards";
    EXPECT_EQ(GetActiveWindow(), form.Handle());
}

} // namespace
} // namespace velkaro
