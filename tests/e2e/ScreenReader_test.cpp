// The real program as a screen reader in another process reads it: every control's role, name,
// value and state through AccessibleObjectFromWindow, and the events that announce a result.
#include "tests/e2e/MainWindowControls.h"
#include "tests/windows/support/AccessibleReader.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>

namespace velkaro::test {
namespace {

struct Expected {
    const char* control;
    HWND window;
    long role;
    std::wstring name;
    std::optional<std::wstring> value;
    long stateSet;
    long stateClear;
};

void ExpectReadings(const std::vector<Expected>& expectations) {
    for (const auto& e : expectations) {
        SCOPED_TRACE(e.control);
        const auto reading = ReadAccessible(e.window);
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->Role, e.role);
        EXPECT_EQ(reading->Name, e.name);
        if (e.value) {
            EXPECT_EQ(reading->Value, e.value);
        }
        EXPECT_EQ(reading->State & e.stateSet, e.stateSet);
        EXPECT_EQ(reading->State & e.stateClear, 0);
    }
}

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ScreenReader, ReadsEveryControlAndHearsTheResultOfACalculation) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    const std::wstring startName = L"Ba\u015Flang\u0131\u00E7 saati";
    ExpectReadings({
        {"tx_saat", main.tx_saat, ROLE_SYSTEM_TEXT, startName, L"00:00", 0, STATE_SYSTEM_READONLY},
        // The native field inside, which has the keyboard focus, is the same field to a reader.
        {"tx_saat's field", FocusOf(main.Window), ROLE_SYSTEM_TEXT, startName, L"00:00",
         STATE_SYSTEM_FOCUSED, STATE_SYSTEM_READONLY},
        {"tx_para", main.tx_para, ROLE_SYSTEM_TEXT, L"Tutar", L"0 TL", STATE_SYSTEM_READONLY, 0},
        {"lb_sure", main.lb_sure, ROLE_SYSTEM_STATICTEXT, L"", std::nullopt, 0, 0},
        {"lb_para", main.lb_para, ROLE_SYSTEM_STATICTEXT, L"", std::nullopt, 0, 0},
        {"rb_fiyat1", main.rb_fiyat1, ROLE_SYSTEM_RADIOBUTTON, L"1.000.000", std::nullopt,
         STATE_SYSTEM_CHECKED, 0},
        {"rb_fiyat2", main.rb_fiyat2, ROLE_SYSTEM_RADIOBUTTON, L"1.500.000", std::nullopt, 0,
         STATE_SYSTEM_CHECKED},
    });
    // Both read "rb_fiyat1" until the prices are known.
    EXPECT_EQ(ReadAccessible(main.rb_fiyat1)->Description, L"1. tarife");
    EXPECT_EQ(ReadAccessible(main.rb_fiyat2)->Description, L"2. tarife");

    AccessibleEventRecorder events(program.ProcessId());
    // Five minutes before now: 83.333 lira rounded up to one step of 250.000.
    EXPECT_EQ(main.Calculate(DigitsOfStartBefore(5)), L"5 dak.");

    EXPECT_TRUE(events.WaitFor(EVENT_OBJECT_VALUECHANGE, main.tx_para, 2000));
    EXPECT_TRUE(events.WaitFor(EVENT_OBJECT_NAMECHANGE, main.lb_para, 2000));
    EXPECT_TRUE(events.WaitFor(EVENT_OBJECT_NAMECHANGE, main.lb_sure, 2000));
    ExpectReadings({
        {"tx_para", main.tx_para, ROLE_SYSTEM_TEXT, L"Tutar", L"250.000 TL", STATE_SYSTEM_READONLY,
         0},
        {"lb_sure", main.lb_sure, ROLE_SYSTEM_STATICTEXT, L"5 dak.", std::nullopt, 0, 0},
        {"lb_para", main.lb_para, ROLE_SYSTEM_STATICTEXT, L" iki y\u00FCz elli bin", std::nullopt,
         0, 0},
    });
}

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers for Windows 7 lack.
constexpr DWORD kLiveRegionChanged = 0x8019;

// The result is announced once per calculation. Wine 8 has no UIA notification
// (UiaRaiseNotificationEvent is missing from its uiautomationcore), so the program falls back to
// the live-region event of the words label, which a hook in another process hears.
TEST_F(ScreenReader, HearsEachCalculationsResultOnce) {
    ProgramUnderTest program(kConfigured);
    const MainWindow main(program);
    // A reader looks at the window before it listens: the program tells nobody before that.
    ASSERT_TRUE(ReadAccessible(main.tx_saat).has_value());
    AccessibleEventRecorder events(program.ProcessId());
    const struct {
        const char* name;
        std::function<void()> act;
        int announcements;
    } steps[] = {
        {"Enter", [&] { main.Calculate(DigitsOfStartBefore(75)); }, 1},
        {"the other tariff", [&] { main.ClickTariff(main.rb_fiyat2); }, 1},
        {"a start that is no time of day",
         [&] {
             SendText(L"9999");
             SendKey(VK_RETURN);
             PostMessageW(program.WaitForWindow(L"TMessageForm", L"Hata"), WM_CLOSE, 0, 0);
         },
         0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        events.Clear();
        step.act();
        program.WaitIdle();
        EXPECT_EQ(events.Count(kLiveRegionChanged, main.lb_para), step.announcements);
    }
    EXPECT_EQ(ReadAccessible(main.lb_para)->Name, L" iki milyon");
}

} // namespace
} // namespace velkaro::test
