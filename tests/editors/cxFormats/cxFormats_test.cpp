#include "editors/cxFormats/cxFormats.h"

#include "runtime/Utf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkaro {
namespace {

struct CurrencyCase {
    const wchar_t* symbol;
    int placement;
    int decimals;
    const wchar_t* format;
};

TEST(CurrencyFormat, FollowsTheLocaleValues) {
    const CurrencyCase cases[] = {
        {L"TL", 3, 2, L",0.00 TL;-,0.00 TL"},
        {L"$", 0, 2, L"$,0.00;-$,0.00"},
        {L"kr", 1, 0, L",0.kr;-,0.kr"},
        {L"\u20ac", 2, 3, L"\u20ac ,0.000;-\u20ac ,0.000"},
        {L"", 3, 2, L",0.00;-,0.00"},
        {L"Rs.", 3, 2, L",0.00 Rs'.';-,0.00 Rs'.'"},
        {L"a,b", 0, 1, L"a','b,0.0;-a','b,0.0"},
        {L"TL", 4, 2, L",0.00;-,0.00"},
        {L"TL", -1, 2, L",0.00;-,0.00"},
    };
    for (const auto& c : cases) {
        TFormatSettings settings;
        settings.CurrencyString = c.symbol;
        settings.CurrencyFormat = c.placement;
        settings.CurrencyDecimals = c.decimals;
        EXPECT_EQ(BuildCurrencyFormat(settings), c.format) << ToUtf8(c.symbol) << c.placement;
    }
}

class RecordingListener : public IcxFormatControllerListener {
public:
    RecordingListener(std::vector<int>& calls, int id) : calls_(calls), id_(id) {}
    void LocaleFormatsChanged() override {
        calls_.push_back(id_);
        if (onChange) {
            onChange();
        }
    }
    std::function<void()> onChange;

private:
    std::vector<int>& calls_;
    int id_;
};

class CountedWindow : public TcxFormatNotificationWindow {
public:
    explicit CountedWindow(int& alive) : alive_(alive) { ++alive_; }
    ~CountedWindow() override { --alive_; }

private:
    int& alive_;
};

class FormatControllerTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override { ResetFormatSettings(); }

    int windowsAlive = 0;
    int windowsCreated = 0;
    TcxFormatController controller{[this](TcxFormatController&) {
        ++windowsCreated;
        return std::make_unique<CountedWindow>(windowsAlive);
    }};
    std::vector<int> calls;
    RecordingListener first{calls, 1};
    RecordingListener second{calls, 2};
    RecordingListener third{calls, 3};
};

TEST_F(FormatControllerTest, WindowExistsExactlyWhileThereAreListeners) {
    EXPECT_FALSE(controller.HasNotificationWindow());
    controller.Subscribe(first);
    controller.Subscribe(second);
    controller.Subscribe(first);
    EXPECT_EQ(windowsCreated, 1);
    EXPECT_TRUE(controller.HasNotificationWindow());
    controller.Unsubscribe(first);
    EXPECT_EQ(windowsAlive, 1);
    controller.Unsubscribe(third);
    controller.Unsubscribe(second);
    EXPECT_EQ(windowsAlive, 0);
    EXPECT_FALSE(controller.HasNotificationWindow());
    controller.Subscribe(third);
    EXPECT_EQ(windowsCreated, 2);
    EXPECT_EQ(windowsAlive, 1);
}

TEST_F(FormatControllerTest, TellsEachListenerOnceInRegistrationOrder) {
    controller.Subscribe(second);
    controller.Subscribe(first);
    controller.Subscribe(second);
    controller.Subscribe(third);
    controller.Unsubscribe(third);
    controller.BroadcastChange();
    EXPECT_EQ(calls, (std::vector<int>{2, 1}));
}

TEST_F(FormatControllerTest, ListenerMayLeaveWhileBeingTold) {
    controller.Subscribe(first);
    controller.Subscribe(second);
    controller.Subscribe(third);
    first.onChange = [&] {
        controller.Unsubscribe(first);
        controller.Unsubscribe(second);
    };
    controller.BroadcastChange();
    EXPECT_EQ(calls, (std::vector<int>{1, 3}));
}

TEST_F(FormatControllerTest, SettingsChangeRereadsTheLocaleBeforeTelling) {
    FormatSettings().CurrencyString = L"TL";
    FormatSettings().CurrencyFormat = 3;
    FormatSettings().CurrencyDecimals = 2;
    controller.Rebuild();
    EXPECT_EQ(controller.CurrencyFormat(), L",0.00 TL;-,0.00 TL");
    std::wstring seenByListener;
    first.onChange = [&] { seenByListener = controller.CurrencyFormat(); };
    controller.Subscribe(first);
    // The locale's own values replace the ones set above before the listener is told.
    controller.LocaleSettingsChanged();
    EXPECT_NE(seenByListener, L",0.00 TL;-,0.00 TL");
    EXPECT_EQ(seenByListener, BuildCurrencyFormat(FormatSettings()));
}

TEST_F(FormatControllerTest, FirstControllerIsTheProcessWideOne) {
    EXPECT_EQ(TcxFormatController::Instance(), &controller);
    {
        TcxFormatController later;
        EXPECT_EQ(TcxFormatController::Instance(), &controller);
    }
    EXPECT_EQ(TcxFormatController::Instance(), &controller);
}

} // namespace
} // namespace velkaro
