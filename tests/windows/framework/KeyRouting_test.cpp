#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

// A form with two edits and a default button; every key event of the first edit is recorded.
struct TKeyForm {
    TForm Form;
    TEdit First{&Form};
    TEdit Second{&Form};
    TButton Ok{&Form};
    std::vector<std::wstring> Events;
    int OkClicks = 0;

    TKeyForm() {
        Form.SetClientSize(300, 120);
        First.SetBounds(10, 10, 120, 21);
        Second.SetBounds(10, 40, 120, 21);
        Ok.SetBounds(10, 80, 75, 25);
        Ok.SetDefault(true);
        Ok.OnClick = [this](TObject*) { ++OkClicks; };
        First.OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
            Events.push_back(L"down " + std::to_wstring(key));
            if (key == VK_DELETE) {
                key = 0;
            }
        };
        First.OnKeyPress = [this](TObject*, wchar_t& key) {
            Events.push_back(L"press " + std::wstring(1, key));
        };
        First.OnKeyUp = [this](TObject*, std::uint16_t& key, TShiftState) {
            Events.push_back(L"up " + std::to_wstring(key));
        };
        Form.Show();
        First.SetFocus();
    }

    // As a hand types it: the key goes up only after its character has been handled.
    void Type(WORD key) {
        PostMessageW(First.Handle(), WM_KEYDOWN, key, 1);
        Application().ProcessMessages();
        PostMessageW(First.Handle(), WM_KEYUP, key, 0xC0000001);
        Application().ProcessMessages();
    }
};

class KeyRoutingTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

TEST_F(KeyRoutingTest, ATypedKeyTravelsDownThenAsACharacterThenUp) {
    TKeyForm form;
    form.Type('A');
    EXPECT_EQ(form.Events, (std::vector<std::wstring>{L"down 65", L"press a", L"up 65"}));
    EXPECT_EQ(form.First.Caption(), L"a");
}

TEST_F(KeyRoutingTest, AKeyClearedOnKeyDownNeverReachesTheNativeEdit) {
    TKeyForm form;
    form.First.SetCaption(L"abc");
    SendMessageW(form.First.Handle(), EM_SETSEL, 0, 0);
    form.Type(VK_DELETE);
    EXPECT_EQ(form.First.Caption(), L"abc");
}

TEST_F(KeyRoutingTest, AKeySentToTheWindowTakesTheSameRoadAsATypedOne) {
    TKeyForm form;
    SendMessageW(form.First.Handle(), WM_KEYDOWN, VK_HOME, 1);
    EXPECT_EQ(form.Events, (std::vector<std::wstring>{L"down 36"}));
}

TEST_F(KeyRoutingTest, DialogKeysGoToTheFormBeforeTheControlSeesThem) {
    TKeyForm form;
    form.Type(VK_TAB);
    EXPECT_TRUE(form.Second.Focused());

    form.First.SetFocus();
    form.Type(VK_RETURN);
    EXPECT_EQ(form.OkClicks, 1);
    // Neither key reached the edit's own key events: the form used them.
    EXPECT_EQ(form.Events, (std::vector<std::wstring>{L"up 9", L"up 13"}));
}

} // namespace
} // namespace velkaro::test
