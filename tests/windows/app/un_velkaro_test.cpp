#include "app/un_hakkinda.h"
#include "app/un_velkaro.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "settings/RegistrySettingsKey.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/HighContrast.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velkaro {
namespace {

const std::wstring kTestKey = L"Software\\Velkaro 2 Window Test";

struct PromptCall {
    std::wstring Caption, Default;
    bool operator==(const PromptCall&) const = default;
};

// Answers from a script and writes down what was asked.
class ScriptedPrompt : public SettingsPrompt {
public:
    explicit ScriptedPrompt(std::vector<std::wstring> answers, std::vector<PromptCall>& calls)
        : answers_(std::move(answers)), calls_(calls) {}
    std::wstring Ask(const std::wstring& caption, const std::wstring&,
                     const std::wstring& defaultText) override {
        calls_.push_back({caption, defaultText});
        return answers_.at(calls_.size() - 1);
    }

private:
    std::vector<std::wstring> answers_;
    std::vector<PromptCall>& calls_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::StartApplication();
        test::ReportedErrors().clear();
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str());
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()); }

    std::unique_ptr<Tfr_velkaro> MakeWindow(std::vector<std::wstring> answers) {
        return std::make_unique<Tfr_velkaro>(
            std::make_unique<RegistrySettingsKeys>(kTestKey),
            std::make_unique<ScriptedPrompt>(std::move(answers), calls));
    }

    // Clicks with the real mouse at a point of the window's client area.
    static void LeftClickAt(HWND window, POINT point) {
        ClickAt(window, point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    }
    static void RightClickAt(HWND window, POINT point) {
        ClickAt(window, point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    }
    static void ClickAt(HWND window, POINT point, DWORD down, DWORD up) {
        ClientToScreen(window, &point);
        SetCursorPos(point.x, point.y);
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = down;
        inputs[1].mi.dwFlags = up;
        SendInput(2, inputs, sizeof(INPUT));
        for (int round = 0; round < 20; ++round) {
            Application().ProcessMessages();
            Sleep(20);
        }
    }

    std::vector<PromptCall> calls;
};

TEST_F(WindowTest, TheFirstShowAsksInOrderAndTheCaptionsFollowThePrices) {
    auto window = MakeWindow({L"1000000", L"1500000", L"250000", L"-250", L"0"});
    EXPECT_EQ(window->rb_fiyat1.Caption(), L"rb_fiyat1");
    EXPECT_EQ(window->rb_fiyat2.Caption(), L"rb_fiyat1");
    window->Show();
    EXPECT_EQ(calls, (std::vector<PromptCall>{{L"1. fiyat\u0131 giriniz", L"0"},
                                              {L"2. fiyat\u0131 giriniz", L"0"},
                                              {L"Yuvarlama miktar\u0131n\u0131 giriniz", L"0"}}));
    EXPECT_EQ(window->rb_fiyat1.Caption(), L"1.000.000");
    EXPECT_EQ(window->rb_fiyat2.Caption(), L"1.500.000");
    EXPECT_EQ(window->Ayarlar.Yuvarlama, 250000);

    // A zero price from the menu changes nothing: the captions show the prices charged.
    window->FiyatlarBelirle1.Click();
    EXPECT_EQ(window->Ayarlar.Fiyat1, 1000000);
    EXPECT_EQ(window->Ayarlar.Fiyat2, 1500000);
    EXPECT_EQ(window->rb_fiyat1.Caption(), L"1.000.000");

    // The next start finds the stored settings and asks nothing.
    calls.clear();
    auto next = MakeWindow({});
    next->Show();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(next->Ayarlar.Fiyat1, 1000000);
    EXPECT_EQ(next->rb_fiyat2.Caption(), L"1.500.000");
}

TEST_F(WindowTest, AWrongFirstAnswerIsReportedAndNothingMoreIsAsked) {
    auto window = MakeWindow({L"abc"});
    window->Show();
    EXPECT_EQ(calls.size(), 1U);
    EXPECT_EQ(test::ReportedErrors(),
              std::vector<std::wstring>{L"'abc' is not a valid integer value."});
    EXPECT_TRUE(IsWindowVisible(window->Handle())) << "the window did not appear after the error";
}

TEST_F(WindowTest, TheMenuRunsTheSettingsOperations) {
    auto window = MakeWindow({L"1", L"2", L"3", L"4", L"5", L"6"});
    window->Show();
    ASSERT_EQ(window->PopupMenu(), &window->mn_menu);
    const std::vector<TMenuItem*> items = {&window->FiyatlarBelirle1, &window->YuvarlamaOran1,
                                           &window->Hakknda1};
    ASSERT_EQ(window->mn_menu.Items(), items);
    EXPECT_EQ(items[0]->Caption(), L"Fiyatlar\u0131 Belirle");
    EXPECT_EQ(items[1]->Caption(), L"Yuvarlama Oran\u0131");
    EXPECT_EQ(items[2]->Caption(), L"Hakk\u0131nda");
    items[1]->Click();
    items[0]->Click();
    EXPECT_EQ(calls.back(), (PromptCall{L"2. fiyat\u0131 giriniz", L"2"}));
    EXPECT_EQ(window->Ayarlar.Yuvarlama, 4);
    EXPECT_EQ(window->rb_fiyat1.Caption(), L"5");
}

TEST_F(WindowTest, ALeftClickOnTheBareBackgroundOpensTheMenuAtTheCursor) {
    auto window = MakeWindow({L"1", L"1", L"1"});
    TLabel label(window.get());
    label.SetBounds(0, 88, 217, 49);
    label.SetCaption(L"lb_para");
    window->Show();

    POINT cursor{}, menuCorner{-1, -1};
    test::TWindowAnswer onLabel(L"#32768", [](HWND) { EndMenu(); });
    LeftClickAt(window->Handle(), {100, 110});
    EXPECT_FALSE(onLabel.Answered()) << "a click on a label opened the menu";
    LeftClickAt(window->Handle(), {30, 70});
    EXPECT_FALSE(onLabel.Answered()) << "a click on the amount field opened the menu";

    {
        test::TWindowAnswer answer(L"#32768", [&](HWND menu) {
            RECT bounds{};
            GetWindowRect(menu, &bounds);
            menuCorner = {bounds.left, bounds.top};
            GetCursorPos(&cursor);
            EndMenu();
        });
        LeftClickAt(window->Handle(), {165, 45});
        ASSERT_TRUE(answer.Answered()) << "no menu";
    }
    EXPECT_EQ(menuCorner.x, cursor.x);
    EXPECT_EQ(menuCorner.y, cursor.y);
}

// The window's menu comes up on a right click anywhere but in the start-time field being typed
// into, which has the edit menu of its own.
TEST_F(WindowTest, ARightClickOpensTheWindowsMenuAndInTheStartFieldTheEditMenu) {
    auto window = MakeWindow({L"1", L"1", L"1"});
    window->Show();
    std::wstring firstItem;
    struct Case {
        const char* name;
        POINT point;
        bool windowMenu;
    };
    const Case cases[] = {
        {"the bare background", {165, 45}, true}, {"the minutes label", {100, 44}, true},
        {"the words label", {100, 110}, true},    {"a tariff button", {30, 16}, true},
        {"the amount field", {110, 70}, true},    {"the start-time field", {108, 16}, false},
    };
    for (const Case& c : cases) {
        window->tx_saat.SetFocus();
        firstItem.clear();
        test::TWindowAnswer answer(L"#32768", [&](HWND menuWindow) {
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
            wchar_t text[64] = {};
            GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
            firstItem = text;
            EndMenu();
        });
        RightClickAt(window->Handle(), c.point);
        ASSERT_TRUE(answer.Answered()) << c.name;
        EXPECT_EQ(firstItem == window->FiyatlarBelirle1.Caption(), c.windowMenu) << c.name;
    }
    EXPECT_TRUE(test::ReportedErrors().empty());
}

TEST_F(WindowTest, EachAboutChoiceShowsANewWindowThatGoesWhenClosed) {
    auto window = MakeWindow({L"1", L"1", L"1"});
    window->Show();
    const auto openAndClose = [&] {
        test::TWindowAnswer close(L"Tfr_hakkinda", [](HWND about) {
            EXPECT_EQ(test::TextOf(about), L"Hakk\u0131nda ...");
            PostMessageW(about, WM_CLOSE, 0, 0);
        });
        window->Hakknda1.Click();
        EXPECT_TRUE(close.Answered());
    };
    openAndClose(); // what the first showing loads once stays loaded
    const test::TGuiCounts before = test::GuiCounts();
    for (int time = 0; time < 100; ++time) {
        openAndClose();
    }
    const test::TGuiCounts after = test::GuiCounts();
    EXPECT_NEAR(after.Windows, before.Windows, 2);
    EXPECT_NEAR(after.GdiObjects, before.GdiObjects, 4);
    EXPECT_EQ(fr_hakkinda, nullptr);
}

TEST_F(WindowTest, TheCalculationCountsToTheClockItIsHanded) {
    auto window = MakeWindow({L"1000000", L"1500000", L"250000"});
    window->SetClock([] { return TimeOfDay{14, 30}; });
    window->Show();
    struct Case {
        const wchar_t *start, *minutes, *amount;
    };
    for (const Case& c :
         {Case{L"13:15", L"75 dak.", L"1.250.000 TL"},
          Case{L"00:00", L"870 dak.", L"14.500.000 TL"}, Case{L"14:30", L"0 dak.", L"250.000 TL"},
          Case{L"15:30", L"1380 dak.", L"23.000.000 TL"}}) {
        SCOPED_TRACE(c.start);
        window->tx_saat.SetText(c.start);
        window->hesapla();
        EXPECT_EQ(window->lb_sure.Caption(), c.minutes);
        EXPECT_EQ(window->tx_para.Text(), c.amount);
    }
}

TEST_F(WindowTest, AWindowHandedNoClockCountsToTheSystemClock) {
    auto window = MakeWindow({L"1", L"1", L"1"});
    window->Show();
    // Again when the minute turned during the calculation. The start is midnight.
    SYSTEMTIME before{}, after{};
    do {
        GetLocalTime(&before);
        window->hesapla();
        GetLocalTime(&after);
    } while (before.wMinute != after.wMinute);
    EXPECT_EQ(window->lb_sure.Caption(),
              std::to_wstring(before.wHour * 60 + before.wMinute) + L" dak.");
}

// Every rectangle the window takes while the hook lives (the position changes it is told of).
class WindowMoves {
public:
    explicit WindowMoves(HWND window) : window_(window) {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~WindowMoves() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    WindowMoves(const WindowMoves&) = delete;
    WindowMoves& operator=(const WindowMoves&) = delete;

    std::vector<RECT> Rectangles;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current_ != nullptr && call->hwnd == current_->window_ &&
            call->message == WM_WINDOWPOSCHANGED) {
            const auto* place = reinterpret_cast<const WINDOWPOS*>(call->lParam);
            if ((place->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
                current_->Rectangles.push_back(
                    {place->x, place->y, place->x + place->cx, place->y + place->cy});
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline WindowMoves* current_ = nullptr;
    HWND window_;
    HHOOK hook_ = nullptr;
};

// The messages of Windows 10 (1703 on) for a move between monitors of different scales, sent as
// the system sends them: first WM_GETDPISCALEDSIZE, whose answer sizes the rectangle that
// WM_DPICHANGED then suggests; systems without the first suggest the old size scaled. The window
// is to be laid out again and moved there in one move (the documented handling of WM_DPICHANGED):
// a resize at the old place first can push it back across the edge to the other monitor.
TEST_F(WindowTest, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgainWhereTheSystemSays) {
    auto window = MakeWindow({L"1000000", L"1500000", L"250000"});
    window->Show();
    struct Layout {
        const char* name;
        int pixelsPerInch;
        POINT place;
        bool sizeAsked; // the system asks for the size; else it suggests this one
        SIZE client;
        int startFont, wordsFont;
    };
    // There and back, twice: the designed layout is not worn down by the round trips.
    for (const Layout& layout : {
             Layout{"to a monitor left of and above", 144, {-500, -400}, true, {330, 209}, 32, 29},
             Layout{"back", 96, {60, 50}, true, {220, 139}, 21, 19},
             Layout{"the size not asked for", 144, {40, 30}, false, {330, 209}, 32, 29},
             Layout{"back, the size not asked for", 96, {60, 50}, false, {220, 139}, 21, 19},
         }) {
        SCOPED_TRACE(layout.name);
        SIZE size = {400, 300};
        if (layout.sizeAsked) {
            ASSERT_TRUE(SendMessageW(window->Handle(), kGetDpiScaledSizeMessage,
                                     static_cast<WPARAM>(layout.pixelsPerInch),
                                     reinterpret_cast<LPARAM>(&size)));
        }
        RECT suggested = {layout.place.x, layout.place.y, layout.place.x + size.cx,
                          layout.place.y + size.cy};
        const WindowMoves moves(window->Handle());
        SendMessageW(window->Handle(), WM_DPICHANGED,
                     MAKEWPARAM(layout.pixelsPerInch, layout.pixelsPerInch),
                     reinterpret_cast<LPARAM>(&suggested));

        // Straight to the suggested place, at the proposed size where the system asked for one;
        // never anywhere else. There the window's frame is that of the new scale, the one the
        // size was proposed for, and the move is the last; Wine keeps the frame of the system's
        // scale, so a correction of the size at the same place follows there.
        ASSERT_FALSE(moves.Rectangles.empty());
        if (layout.sizeAsked) {
            EXPECT_TRUE(EqualRect(&moves.Rectangles.front(), &suggested));
        }
        for (const RECT& rectangle : moves.Rectangles) {
            EXPECT_EQ(rectangle.left, layout.place.x);
            EXPECT_EQ(rectangle.top, layout.place.y);
        }
        const RECT client = test::ClientBounds(window->Handle());
        EXPECT_EQ(client.right - client.left, layout.client.cx);
        EXPECT_EQ(client.bottom - client.top, layout.client.cy);
        const auto scaled = [&](int value) { return MulDiv(value, layout.pixelsPerInch, 96); };
        const RECT expected = {scaled(16), scaled(56), scaled(16) + scaled(189),
                               scaled(56) + scaled(28)};
        const RECT amount = test::BoundsInParent(window->tx_para.Handle());
        EXPECT_TRUE(EqualRect(&expected, &amount));
        EXPECT_EQ(window->tx_saat.Style().Font().Height(), layout.startFont);
        EXPECT_EQ(window->lb_para.Style().Font().Height(), layout.wordsFont);
        EXPECT_EQ(window->rb_fiyat1.PixelsPerInch(), layout.pixelsPerInch);
        EXPECT_EQ(window->rb_fiyat1.Font().Height(), scaled(11));
    }
}

// A colour scheme chosen while the program runs shows at once, with nothing else happening: the
// window's bare background and the amount field take the scheme's colours.
TEST_F(WindowTest, AColourSchemeChangeRepaintsTheWindowAtOnce) {
    auto window = MakeWindow({L"1000000", L"1500000", L"250000"});
    window->Show();
    window->hesapla();
    Application().ProcessMessages();
    const POINT bare = {4, 60}; // left of the amount, below the first tariff
    ASSERT_NE(test::ColourOnScreen(window->Handle(), bare), test::kSchemeBackground);

    const test::HighContrastScheme scheme;
    Application().ProcessMessages();
    EXPECT_EQ(test::ColourOnScreen(window->Handle(), bare), test::kSchemeBackground);
    const auto [background, text] =
        test::BackgroundAndText(test::ColoursOnScreen(window->tx_para.Handle(), 3));
    EXPECT_EQ(background, test::kSchemeBackground);
    EXPECT_GE(test::ContrastRatio(background, text), 4.5);
}

} // namespace
} // namespace velkaro
