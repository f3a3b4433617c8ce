#include "framework/BroadcastWindow.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace velkaro {
namespace {

// Records what it hears; handles one message and may fail on it.
class Listener : public IBroadcastListener {
public:
    Listener(std::vector<int>& heard, int id, UINT handles)
        : heard_(heard), id_(id), handles_(handles) {}
    bool BroadcastReceived(UINT message, WPARAM, LPARAM) override {
        heard_.push_back(id_);
        if (fails) {
            throw Exception(L"listener failed");
        }
        return message == handles_;
    }
    bool fails = false;

private:
    std::vector<int>& heard_;
    int id_;
    UINT handles_;
};

TEST(BroadcastWindow, OneHiddenWindowServesEveryListenerWhileAnyListens) {
    test::StartApplication();
    std::vector<int> heard;
    Listener settings(heard, 1, WM_SETTINGCHANGE);
    Listener colours(heard, 2, WM_SYSCOLORCHANGE);
    std::optional<TBroadcastSubscription> first(std::in_place, settings);
    TBroadcastSubscription second(colours);
    const auto windows = test::BroadcastWindows();
    ASSERT_EQ(windows.size(), 1u);
    const HWND window = windows.front();
    EXPECT_EQ(first->Window(), window);
    EXPECT_EQ(second.Window(), window);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);

    // Both hear every message, in the order they came; a handled one is answered with 0.
    EXPECT_EQ(SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl")), 0);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 1, 2}));
    // One that nobody handles gets the system's default answer.
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 0);

    // A failure reaches the application's report; the others are still told.
    test::ReportedErrors().clear();
    heard.clear();
    settings.fails = true;
    EXPECT_EQ(SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0), 0);
    EXPECT_EQ(heard, (std::vector<int>{1, 2}));
    EXPECT_EQ(test::ReportedErrors(), (std::vector<std::wstring>{L"listener failed."}));

    first.reset();
    EXPECT_EQ(test::BroadcastWindows(), windows); // the other still listens
    heard.clear();
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(heard, (std::vector<int>{2}));
}

TEST(BroadcastWindow, GoneWithTheLastListener) {
    std::vector<int> heard;
    Listener listener(heard, 1, WM_SETTINGCHANGE);
    HWND window = nullptr;
    {
        const TBroadcastSubscription subscription(listener);
        window = subscription.Window();
        EXPECT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(test::BroadcastWindows().empty());
}

} // namespace
} // namespace velkaro
