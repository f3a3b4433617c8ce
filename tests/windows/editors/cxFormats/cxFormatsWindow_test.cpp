#include "editors/cxFormats/cxFormatsWindow.h"

#include "framework/Application.h"
#include "runtime/Exceptions.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace velkaro {
namespace {

class RecordingListener : public IcxFormatControllerListener {
public:
    RecordingListener(std::vector<int>& calls, int id) : calls_(calls), id_(id) {}
    void LocaleFormatsChanged() override {
        calls_.push_back(id_);
        if (fail) {
            throw Exception(L"listener failed");
        }
    }
    bool fail = false;

private:
    std::vector<int>& calls_;
    int id_;
};

std::wstring reportedError;

class FormatsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().UpdateFormatSettings = true;
        Application().ShowErrorBox = [](HWND, const std::wstring& text, const std::wstring&) {
            reportedError = text;
        };
        reportedError.clear();
    }
    void TearDown() override {
        controller.Unsubscribe(first);
        controller.Unsubscribe(second);
        Application().UpdateFormatSettings = true;
    }

    HWND SubscribeBoth() {
        controller.Subscribe(first);
        controller.Subscribe(second);
        const auto windows = test::BroadcastWindows();
        return windows.size() == 1 ? windows.front() : nullptr;
    }

    TcxFormatController& controller = cxFormatController();
    std::vector<int> calls;
    RecordingListener first{calls, 1};
    RecordingListener second{calls, 2};
};

TEST_F(FormatsWindowTest, WindowLivesExactlyWhileThereAreListeners) {
    EXPECT_TRUE(test::BroadcastWindows().empty());
    controller.Subscribe(first);
    const auto created = test::BroadcastWindows();
    ASSERT_EQ(created.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(created.front()));
    EXPECT_EQ(GetParent(created.front()), nullptr);
    controller.Subscribe(second);
    controller.Unsubscribe(first);
    EXPECT_EQ(test::BroadcastWindows(), created);
    controller.Unsubscribe(second);
    EXPECT_TRUE(test::BroadcastWindows().empty());
    EXPECT_FALSE(IsWindow(created.front()));
    controller.Subscribe(second);
    EXPECT_EQ(test::BroadcastWindows().size(), 1u);
}

TEST_F(FormatsWindowTest, RegionalSettingsChangeReachesEveryListenerOnceInOrder) {
    const HWND window = SubscribeBoth();
    ASSERT_NE(window, nullptr);
    FormatSettings().CurrencyString = L"XYZ";
    controller.Rebuild();
    EXPECT_EQ(SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl")), 0);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    // The locale values were read again before the formats were rebuilt.
    EXPECT_EQ(controller.CurrencyFormat(), BuildCurrencyFormat(FormatSettings()));
    EXPECT_EQ(controller.CurrencyFormat().find(L"XYZ"), std::wstring::npos);
}

TEST_F(FormatsWindowTest, BroadcastReachesTheHiddenWindow) {
    ASSERT_NE(SubscribeBoth(), nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                        SMTO_ABORTIFHUNG, 5000, &result);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST_F(FormatsWindowTest, OtherSettingsChangesAreIgnored) {
    const HWND window = SubscribeBoth();
    ASSERT_NE(window, nullptr);
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"INTL"));
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl2"));
    SendMessageW(window, WM_SETTINGCHANGE, 1, reinterpret_cast<LPARAM>(L"intl"));
    SendMessageW(window, WM_SETTINGCHANGE, 0, 0);
    Application().UpdateFormatSettings = false;
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_TRUE(calls.empty());
}

TEST_F(FormatsWindowTest, ListenerErrorGoesToTheApplicationReport) {
    const HWND window = SubscribeBoth();
    ASSERT_NE(window, nullptr);
    first.fail = true;
    EXPECT_EQ(SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl")), 0);
    EXPECT_EQ(reportedError, L"listener failed.");
    EXPECT_EQ(calls, (std::vector<int>{1}));
}

} // namespace
} // namespace velkaro
