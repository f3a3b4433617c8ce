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

TEST(Monitors, AWindowOpensOnTheMonitorHoldingMostOfItsOpenerAndWholeInItsWorkArea) {
    // The primary listed second, so that the first of the list is not taken for it.
    const TMonitors monitors = {
        {{1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
    };
    const struct {
        const char* Name;
        std::optional<RECT> Opener;
        std::size_t Monitor;
    } openers[] = {
        {"no opener: the primary", std::nullopt, 1},
        {"wholly on the second", RECT{2000, 100, 2300, 300}, 0},
        {"across the seam, more on the second", RECT{1800, 100, 2100, 300}, 0},
        {"across the seam, more on the primary", RECT{1700, 100, 2000, 300}, 1},
        {"off every monitor, nearer the second", RECT{4000, 100, 4300, 300}, 0},
        {"off every monitor, nearer the primary", RECT{-400, 1200, -100, 1300}, 1},
    };
    for (const auto& c : openers) {
        EXPECT_EQ(&MonitorOfWindow(monitors, c.Opener), &monitors[c.Monitor]) << c.Name;
    }

    const struct {
        const char* Name;
        RECT Area;
        SIZE Size;
        RECT Placed;
    } sizes[] = {
        {"centred", {0, 0, 1920, 1040}, {300, 200}, {810, 420, 1110, 620}},
        {"centred in an area away from the origin",
         {1920, 40, 3840, 1080},
         {300, 201},
         {2730, 459, 3030, 660}},
        {"too wide: as wide as the area",
         {1920, 40, 3840, 1080},
         {2000, 200},
         {1920, 460, 3840, 660}},
        {"too large: the area itself", {0, 0, 1920, 1040}, {2500, 1500}, {0, 0, 1920, 1040}},
    };
    for (const auto& c : sizes) {
        EXPECT_EQ(CentredIn(c.Area, c.Size), c.Placed) << c.Name;
    }
}

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
        const RECT area = monitors_[monitor].WorkArea;
        return {area.left + 20, area.top + 20, area.left + 320, area.top + 220};
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
            const RECT area = monitors_[monitor].WorkArea;
            EXPECT_EQ(shown, CentredIn(area, {shown.right - shown.left, shown.bottom - shown.top}))
                << dialog.Name << " opened from monitor " << monitor;
        }
    }
}

} // namespace
} // namespace velkaro::test
