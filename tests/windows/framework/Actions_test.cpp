#include "framework/Actions.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <memory>

namespace velkaro::test {
namespace {

// A panel that notes which of its controls announced a change of their state.
class TListeningPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<TControl*> Changed;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CM_CHANGED) {
            Changed.push_back(reinterpret_cast<TControl*>(lParam));
        }
        return TPanel::WndProc(message, wParam, lParam);
    }
};

// Three radio buttons on a listening panel; the first two have an action each.
struct TActionForm {
    TForm Form;
    TListeningPanel Panel{&Form};
    TRadioButton First{&Panel};
    TRadioButton Second{&Panel};
    TRadioButton Third{&Panel};
    TAction FirstAction, SecondAction;
    std::vector<std::wstring> Runs;

    TActionForm() {
        Form.SetClientSize(200, 140);
        Panel.SetBounds(0, 0, 200, 140);
        First.SetBounds(10, 10, 100, 25);
        Second.SetBounds(10, 40, 100, 25);
        Third.SetBounds(10, 70, 100, 25);
        FirstAction.OnExecute = [this](TObject* sender) {
            Runs.push_back(sender == &FirstAction ? L"first action" : L"?");
        };
        SecondAction.OnExecute = [this](TObject*) { Runs.push_back(L"second action"); };
        First.SetAction(&FirstAction);
        Second.SetAction(&SecondAction);
        Third.OnClick = [this](TObject*) { Runs.push_back(L"third click"); };
        Form.Show();
    }

    std::vector<bool> Actions() const { return {FirstAction.Checked(), SecondAction.Checked()}; }
};

class ActionTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

TEST_F(ActionTest, CheckingARadioButtonAnnouncesItAndRunsItsActionOrItsClick) {
    TActionForm form;
    struct Case {
        const char* name;
        TRadioButton& button;
        bool value;
        std::vector<std::wstring> runs;
        std::vector<TControl*> announced;
        std::vector<bool> actions;
    };
    const Case cases[] = {
        {"checked", form.First, true, {L"first action"}, {&form.First}, {true, false}},
        {"again: no change", form.First, true, {}, {}, {true, false}},
        {"a sibling clears the first action",
         form.Second,
         true,
         {L"second action"},
         {&form.Second},
         {false, true}},
        {"a button with OnClick",
         form.Third,
         true,
         {L"third click"},
         {&form.Third},
         {false, false}},
        {"unchecked: nothing", form.Third, false, {}, {}, {false, false}},
    };
    for (const Case& c : cases) {
        form.Runs.clear();
        form.Panel.Changed.clear();
        c.button.SetChecked(c.value);
        EXPECT_EQ(form.Runs, c.runs) << c.name;
        EXPECT_EQ(form.Panel.Changed, c.announced) << c.name;
        EXPECT_EQ(form.Actions(), c.actions) << c.name;
    }

    // A click of the user's goes the same way.
    form.Runs.clear();
    PostMessageW(form.Panel.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.Second.Handle()));
    Application().ProcessMessages();
    EXPECT_EQ(form.Runs, std::vector<std::wstring>{L"second action"});
    EXPECT_TRUE(form.Second.Checked());
}

TEST_F(ActionTest, TheButtonFollowsItsActionWithoutAClick) {
    TActionForm form;
    form.SecondAction.SetChecked(true);
    EXPECT_TRUE(form.Second.Checked());
    EXPECT_EQ(SendMessageW(form.Second.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.FirstAction.SetChecked(true);
    EXPECT_TRUE(form.First.Checked());
    EXPECT_FALSE(form.Second.Checked());
    EXPECT_EQ(form.Actions(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(form.Runs.empty());

    // Linking takes the action's state; an action that goes away leaves its button alone.
    TRadioButton late(&form.Panel);
    auto action = std::make_unique<TAction>();
    action->SetChecked(true);
    late.SetAction(action.get());
    EXPECT_TRUE(late.Checked());
    EXPECT_FALSE(form.First.Checked());
    action.reset();
    EXPECT_EQ(late.Action(), nullptr);
    late.OnClick = nullptr;
    late.Click(); // nothing to run
    EXPECT_TRUE(late.Checked());
}

} // namespace
} // namespace velkaro::test
