#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

// Two groups: three buttons on the form, one on a panel of its own.
struct TRadioForm {
    TForm Form;
    TEdit Edit{&Form};
    TRadioButton First{&Form};
    TRadioButton Second{&Form};
    TRadioButton Third{&Form};
    TPanel Panel{&Form};
    TRadioButton Other{&Panel};
    int Clicks[4] = {};

    TRadioButton* Buttons[4] = {&First, &Second, &Third, &Other};

    TRadioForm() {
        Form.SetClientSize(300, 200);
        Edit.SetBounds(10, 10, 100, 21);
        Edit.SetTabStop(true);
        for (int i = 0; i < 4; ++i) {
            Buttons[i]->SetBounds(10, 40 + 30 * i, 69, 25);
            Buttons[i]->OnClick = [this, i](TObject*) { ++Clicks[i]; };
        }
        Panel.SetBounds(150, 10, 140, 100);
        Other.SetBounds(10, 10, 69, 25);
        Other.SetChecked(true);
        First.SetChecked(true);
        for (int& clicks : Clicks) {
            clicks = 0;
        }
    }

    std::vector<bool> CheckedStates() const {
        std::vector<bool> states;
        for (const TRadioButton* button : Buttons) {
            states.push_back(button->Checked());
            EXPECT_EQ(SendMessageW(button->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED,
                      button->Checked());
            EXPECT_EQ(button->TabStop(), button->Checked());
        }
        return states;
    }

    void ClickWithMouse(TRadioButton& button) {
        PostMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Application().ProcessMessages();
    }
};

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

TEST_F(RadioButtonTest, CheckingFromCodeUnchecksTheSiblingsAndClicksOnce) {
    TRadioForm form;
    form.Form.Show();
    EXPECT_EQ(form.CheckedStates(), (std::vector<bool>{true, false, false, true}));

    form.Second.SetChecked(true);
    EXPECT_EQ(form.CheckedStates(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form.Clicks[1], 1);

    form.Second.SetChecked(true); // no change, no event
    form.Second.SetChecked(false);
    EXPECT_EQ(form.CheckedStates(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(form.Clicks[0] + form.Clicks[1] + form.Clicks[2] + form.Clicks[3], 1);
}

TEST_F(RadioButtonTest, AMouseClickFiresOnlyWhenItChangesTheSelection) {
    TRadioForm form;
    form.Form.Show();
    form.Edit.SetFocus();

    form.ClickWithMouse(form.First); // already checked
    EXPECT_EQ(form.Clicks[0], 0);
    EXPECT_TRUE(form.First.Focused());

    form.ClickWithMouse(form.Third);
    EXPECT_EQ(form.Clicks[2], 1);
    EXPECT_EQ(form.CheckedStates(), (std::vector<bool>{false, false, true, true}));

    form.ClickWithMouse(form.Third); // focused and checked: nothing more
    EXPECT_EQ(form.Clicks[2], 1);
    EXPECT_EQ(form.Clicks[0] + form.Clicks[1] + form.Clicks[3], 0);
}

TEST_F(RadioButtonTest, TabLandsOnTheCheckedButtonOfTheGroup) {
    TRadioForm form;
    form.Form.Show();
    form.Second.SetChecked(true);
    form.Clicks[1] = 0;
    form.Edit.SetFocus();
    PostKey(form.Edit.Handle(), VK_TAB);
    Application().ProcessMessages();
    EXPECT_TRUE(form.Second.Focused());
    EXPECT_EQ(form.Clicks[1], 0);
}

} // namespace
} // namespace velkaro::test
