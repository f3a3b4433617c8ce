#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/Monitors.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

// Where gtest finds them for the system's rectangle type.
inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

inline void PrintTo(const RECT& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}

namespace velkaro::test {
namespace {

// A window the dialogs are opened from, where the test puts it.
class TOpener : public TForm {
public:
    explicit TOpener(const RECT& bounds) {
        SetPosition(TFormPosition::poDesigned);
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        SetVisible(true);
    }
    ~TOpener() override { SetVisible(false); }
};

// A dialog larger than any monitor.
class THugeForm : public TForm {
public:
    THugeForm() { SetClientSize(4000, 3000); }

protected:
    void CreateParams(TCreateParams& params) override {
        TForm::CreateParams(params);
        params.ClassName = L"THugeForm";
    }
};

// The test display has one screen, which the system reports as one monitor: its two halves are
// given to the placement as two monitors side by side, the left one the primary with a bar at
// its bottom.
class TwoMonitorsTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        monitors_ = {{{0, 0, width / 2, height}, {0, 0, width / 2, height - 40}, true},
                     {{width / 2, 0, width, height}, {width / 2, 0, width, height}, false}};
        SetDisplayMonitors(monitors_);
    }
    void TearDown() override { SetDisplayMonitors(std::nullopt); }

    // A window on the monitor.
    RECT Opener(std::size_t monitor) const {
        const TScreenRect area = monitors_[monitor].WorkArea;
        return {area.Left + 20, area.Top + 20, area.Left + 320, area.Top + 220};
    }

    TMonitors monitors_;
};

TEST_F(TwoMonitorsTest, EveryDialogOpensWholeAndCentredOnTheMonitorOfTheWindowItIsOpenedFrom) {
    const struct {
        const char* Name;
        const wchar_t* ClassName;
        std::function<void()> Open;
    } dialogs[] = {
        {"the message dialog", L"TMessageForm",
         [] {
             MessageDlg(L"Girdiğinz değer yanlış!", TMsgDlgType::mtError, MsgDlgButton(mbOK), 0);
         }},
        {"the prompt", L"TInputQueryForm", [] { InputBox(L"Fiyat", L"Birinci fiyat", L"0"); }},
        {"a window larger than the monitor", L"THugeForm", [] { THugeForm().ShowModal(); }},
    };
    for (const auto& dialog : dialogs) {
        for (std::size_t monitor : {1u, 0u}) {
            const TOpener opener(Opener(monitor));
            RECT shown{};
            const TWindowAnswer answer(dialog.ClassName, [&](HWND window) {
                GetWindowRect(window, &shown);
                PostMessageW(window, WM_CLOSE, 0, 0);
            });
            dialog.Open();
            ASSERT_TRUE(answer.Answered()) << dialog.Name;
            const TScreenRect area = monitors_[monitor].WorkArea;
            EXPECT_EQ(shown,
                      RectOf(CentredIn(area, {shown.right - shown.left, shown.bottom - shown.top})))
                << dialog.Name << " opened from monitor " << monitor;
        }
    }
}

} // namespace
} // namespace velkaro::test
