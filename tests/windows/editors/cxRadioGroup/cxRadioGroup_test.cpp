#include "editors/cxRadioGroup/cxRadioGroup.h"

#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"
#include "tests/windows/support/WindowLookup.h"

#include <gtest/gtest.h>

#include <set>

namespace velkaro::test {
namespace {

// The tariff pair, a framework radio button beside them, and one more in a panel of its own.
struct TTariffForm {
    TForm Form;
    TEdit Edit{&Form};
    TcxRadioButton First{&Form};
    TcxRadioButton Second{&Form};
    TRadioButton Plain{&Form};
    TPanel Panel{&Form};
    TcxRadioButton Other{&Panel};
    int FirstClicks = 0, SecondClicks = 0, PlainClicks = 0, OtherClicks = 0;

    TTariffForm() {
        Form.SetClientSize(320, 160);
        Form.SetPosition(TFormPosition::poDesigned);
        Form.SetBounds(20, 20, Form.Width(), Form.Height());
        Edit.SetBounds(10, 10, 100, 21);
        Edit.SetTabStop(true);
        First.SetBounds(10, 40, 69, 25);
        First.SetCaption(L"&Birinci");
        First.SetChecked(true); // as loaded: before the handlers are set
        Second.SetBounds(10, 70, 69, 25);
        Second.SetCaption(L"\u0130&kinci");
        Plain.SetBounds(10, 100, 69, 25);
        Panel.SetBounds(150, 10, 150, 100);
        Other.SetBounds(10, 10, 100, 25);
        Other.SetCaption(L"Di\u011fer");
        Other.SetChecked(true);
        First.OnClick = [this](TObject*) { ++FirstClicks; };
        Second.OnClick = [this](TObject*) { ++SecondClicks; };
        Plain.OnClick = [this](TObject*) { ++PlainClicks; };
        Other.OnClick = [this](TObject*) { ++OtherClicks; };
        Form.Show();
        Pump();
    }

    // Checked as the object and the window (BM_GETCHECK) say, and the tab stops that follow.
    std::vector<bool> Checks() const {
        std::vector<bool> checks;
        for (const TRadioButton* button :
             std::initializer_list<const TRadioButton*>{&First, &Second, &Plain, &Other}) {
            checks.push_back(button->Checked());
            EXPECT_EQ(SendMessageW(button->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED,
                      button->Checked());
            EXPECT_EQ(button->TabStop(), button->Checked());
        }
        return checks;
    }
    std::vector<int> Clicks() const {
        return {FirstClicks, SecondClicks, PlainClicks, OtherClicks};
    }
};

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override { StartApplication(); }
};

TEST_F(RadioButtonTest, IsAnOwnerDrawnButtonWindowThatAnswersItsCaptionAndCheckState) {
    TTariffForm form;
    EXPECT_EQ(ClassOf(form.First.Handle()), L"TcxRadioButton");
    EXPECT_EQ(TextOf(form.Second.Handle()), L"\u0130&kinci");
    EXPECT_EQ(SendMessageW(form.First.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(form.Second.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetWindowLongPtrW(form.First.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    TcxRadioButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 113);
    EXPECT_EQ(fresh.Height(), 17);
    EXPECT_FALSE(fresh.Checked());
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_TRUE(fresh.ParentBackground());
}

TEST_F(RadioButtonTest, CheckedFromCodeUnchecksTheWholeParentGroupAndClicksOnlyWhenSet) {
    TTariffForm form;
    EXPECT_EQ(form.Checks(), (std::vector<bool>{true, false, false, true}));

    form.Second.SetChecked(true);
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0}));

    form.Second.SetChecked(true); // no change: nothing
    form.Plain.SetChecked(true);  // the framework's own button unchecks ours too
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 1, 0}));

    form.First.SetChecked(true);
    form.First.SetChecked(false); // unchecking never clicks; the group is left empty
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{1, 1, 1, 0}));
}

TEST_F(RadioButtonTest, AMouseClickFiresOnlyWhenItChangesTheSelection) {
    TTariffForm form;
    form.Edit.SetFocus();
    Pump();

    ClickAt(form.First.Handle(), 8, 12); // the checked one
    EXPECT_TRUE(form.First.Focused());
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 0, 0, 0}));

    ClickAt(form.Second.Handle(), 30, 12);
    EXPECT_TRUE(form.Second.Focused());
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0}));

    ClickAt(form.Second.Handle(), 30, 12); // focused and checked: nothing more
    ClickAt(form.First.Handle(), 8, 12);
    EXPECT_EQ(form.Clicks(), (std::vector<int>{1, 1, 0, 0}));
}

TEST_F(RadioButtonTest, TabEntersTheGroupOnTheCheckedButtonOnly) {
    TTariffForm form;
    form.Second.SetChecked(true);
    form.SecondClicks = 0;
    form.Edit.SetFocus();
    Pump();
    TypeChord({VK_TAB});
    EXPECT_TRUE(form.Second.Focused());
    TypeChord({VK_TAB}); // on to the other parent's checked button, past First and Plain
    EXPECT_TRUE(form.Other.Focused());
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 0, 0, 0}));
}

// The keyboard's way through a group: the arrows move the focus round the buttons of one parent
// (the framework's own among them), each arrival checking its button with one click.
TEST_F(RadioButtonTest, ArrowsMoveTheFocusAndTheCheckRoundTheGroup) {
    TTariffForm form;
    form.First.SetFocus();
    Pump();
    const struct {
        WORD Key;
        const TRadioButton* Focused;
        std::vector<int> Clicks;
    } steps[] = {
        {VK_RIGHT, &form.Second, {0, 1, 0, 0}}, {VK_DOWN, &form.Plain, {0, 1, 1, 0}},
        {VK_RIGHT, &form.First, {1, 1, 1, 0}},  {VK_LEFT, &form.Plain, {1, 1, 2, 0}},
        {VK_UP, &form.Second, {1, 2, 2, 0}},
    };
    for (const auto& step : steps) {
        TypeChord({step.Key});
        EXPECT_TRUE(step.Focused->Focused()) << step.Key;
        EXPECT_TRUE(step.Focused->Checked()) << step.Key;
        EXPECT_EQ(form.Clicks(), step.Clicks) << step.Key;
    }
    EXPECT_TRUE(form.Other.Checked()) << "another parent's group";

    // A disabled button is passed over.
    form.Plain.SetEnabled(false);
    TypeChord({VK_DOWN});
    EXPECT_TRUE(form.First.Focused());
    EXPECT_EQ(form.Clicks(), (std::vector<int>{2, 2, 2, 0}));
}

TEST_F(RadioButtonTest, SpaceChecksTheFocusedButtonOnce) {
    TTariffForm form;
    form.Second.SetFocus();
    Pump();
    form.Second.SetChecked(false); // focused, and now unchecked
    form.SecondClicks = 0;
    TypeChord({VK_SPACE});
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0}));
    TypeChord({VK_SPACE}); // already checked
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0}));
}

TEST_F(RadioButtonTest, TheAcceleratorFocusesAndSelectsWithOneClick) {
    TTariffForm form;
    form.Edit.SetFocus();
    Pump();
    TypeChord({VK_MENU, 'K'});
    EXPECT_TRUE(form.Second.Focused());
    EXPECT_EQ(form.Checks(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0}));

    form.Second.SetEnabled(false);
    form.Edit.SetFocus();
    Pump();
    TypeChord({VK_MENU, 'B'});
    EXPECT_TRUE(form.First.Focused());
    TypeChord({VK_MENU, 'K'}); // disabled: cannot take the focus
    EXPECT_TRUE(form.First.Focused());
    EXPECT_EQ(form.Clicks(), (std::vector<int>{1, 1, 0, 0}));
}

TEST_F(RadioButtonTest, StateFollowsThePointerTheCaptureAndTheEnabledState) {
    struct Case {
        TcxRadioButtonPointer Pointer;
        TcxRadioButtonState State;
    };
    const Case cases[] = {
        {{false, true, true, false}, TcxRadioButtonState::disabled},
        {{true, true, true, true}, TcxRadioButtonState::pressed},
        {{true, true, false, true}, TcxRadioButtonState::hot},
        {{true, false, true, false}, TcxRadioButtonState::hot},
        {{true, false, true, true}, TcxRadioButtonState::normal},
        {{true, false, false, false}, TcxRadioButtonState::normal},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RadioButtonState(c.Pointer), c.State);
    }

    TTariffForm form;
    MovePointer(form.Second.Handle(), 30, 12);
    EXPECT_EQ(form.Second.ButtonState(), TcxRadioButtonState::hot);
    PressLeftButton();
    EXPECT_EQ(form.Second.ButtonState(), TcxRadioButtonState::pressed);
    MovePointer(form.Form.Handle(), 200, 150); // dragged out while captured
    EXPECT_EQ(form.Second.ButtonState(), TcxRadioButtonState::hot);
    ReleaseLeftButton();
    EXPECT_EQ(form.Second.ButtonState(), TcxRadioButtonState::normal);
    EXPECT_EQ(form.Clicks(), (std::vector<int>{0, 1, 0, 0})); // the press focused and selected

    TForm unshown; // no window yet
    TcxRadioButton early(&unshown);
    early.SetEnabled(false);
    unshown.HandleNeeded();
    EXPECT_EQ(early.ButtonState(), TcxRadioButtonState::disabled);

    MovePointer(form.First.Handle(), 30, 12);
    form.First.SetEnabled(false);
    EXPECT_EQ(form.First.ButtonState(), TcxRadioButtonState::disabled);
    form.First.SetEnabled(true);
    EXPECT_EQ(form.First.ButtonState(), TcxRadioButtonState::hot);
}

TEST_F(RadioButtonTest, EveryImageIndexNamesItsOwnDistinctMark) {
    TcxRadioButtonImageList& images = RadioButtonImageList();
    const SIZE size = images.ImageSize();
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    std::set<int> indexes;
    std::set<std::vector<COLORREF>> looks;
    const TMemoryDC memory;
    const TGdiObject<HBITMAP> bitmap(
        CreateCompatibleBitmap(TClientDC().Handle(), size.cx, size.cy));
    const TSelection selected(memory.Handle(), bitmap.Handle());
    const HDC dc = memory.Handle();
    for (const bool focused : {false, true}) {
        for (const auto kind : {TcxLookAndFeelKind::lfFlat, TcxLookAndFeelKind::lfStandard,
                                TcxLookAndFeelKind::lfUltraFlat}) {
            for (const bool checked : {false, true}) {
                for (int state = 0; state < kRadioButtonStateCount; ++state) {
                    const int index = TcxRadioButtonImageList::ImageIndex(
                        focused, kind, checked, static_cast<TcxRadioButtonState>(state));
                    indexes.insert(index);
                    images.Draw(dc, 0, 0, index, RGB(1, 2, 3));
                    std::vector<COLORREF> look;
                    for (int y = 0; y < size.cy; ++y) {
                        for (int x = 0; x < size.cx; ++x) {
                            look.push_back(GetPixel(dc, x, y));
                        }
                    }
                    EXPECT_EQ(look.front(), RGB(1, 2, 3)); // the corner is transparent
                    looks.insert(look);
                }
            }
        }
    }
    EXPECT_EQ(indexes.size(), 48u);
    EXPECT_EQ(*indexes.begin(), 0);
    EXPECT_EQ(*indexes.rbegin(), 47);
    EXPECT_EQ(looks.size(), 48u);
    EXPECT_EQ(TcxRadioButtonImageList::ImageIndex(true, TcxLookAndFeelKind::lfUltraFlat, true,
                                                  TcxRadioButtonState::pressed),
              24 + 2 * 8 + 4 + 3);
}

TEST_F(RadioButtonTest, PaintsTheMarkBesideTheCaptionOverItsColour) {
    TTariffForm form;
    form.First.SetColor(RGB(250, 240, 200));
    form.Second.SetColor(RGB(250, 240, 200));
    form.Second.SetAlignment(TLeftRight::taLeftJustify);
    const TPixels first = TPixels::Shown(form.First.Handle());
    const TPixels second = TPixels::Shown(form.Second.Handle());
    const SIZE mark = RadioButtonImageList().ImageSize();
    const int top = (25 - mark.cy) / 2;

    // Caption on the right: the mark at x 1, centred vertically.
    EXPECT_EQ(form.First.MarkRect().left, 1);
    EXPECT_EQ(form.First.MarkRect().top, top);
    EXPECT_EQ(first.At(1, top), RGB(250, 240, 200)); // the mark's transparent corner
    EXPECT_EQ(first.At(1 + mark.cx / 2, top + mark.cy / 2), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(second.At(69 - mark.cx + mark.cx / 2, top + mark.cy / 2),
              GetSysColor(COLOR_WINDOW)); // unchecked, flush right
    EXPECT_EQ(form.Second.MarkRect().right, 69);

    // The caption in the font colour beside the mark: right of it, or left of it.
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const auto columns = [](const TPixels& pixels, const RECT& mark, COLORREF colour) {
        std::set<int> found;
        for (int y = 0; y < pixels.Height(); ++y) {
            for (int x = 0; x < pixels.Width(); ++x) {
                if ((x < mark.left || x >= mark.right) && pixels.At(x, y) == colour) {
                    found.insert(x);
                }
            }
        }
        return found;
    };
    const std::set<int> firstColumns = columns(first, form.First.MarkRect(), text);
    ASSERT_FALSE(firstColumns.empty());
    EXPECT_GT(*firstColumns.begin(), form.First.MarkRect().right);
    const std::set<int> secondColumns = columns(second, form.Second.MarkRect(), text);
    ASSERT_FALSE(secondColumns.empty());
    EXPECT_LT(*secondColumns.rbegin(), form.Second.MarkRect().left);

    // Disabled: the caption in the button-shadow colour.
    form.First.SetEnabled(false);
    const TPixels disabled = TPixels::Shown(form.First.Handle());
    EXPECT_TRUE(columns(disabled, form.First.MarkRect(), text).empty());
    EXPECT_GT(columns(disabled, form.First.MarkRect(), GetSysColor(COLOR_BTNSHADOW)).size(), 10u);
}

TEST_F(RadioButtonTest, TheFocusedButtonFramesItsCaption) {
    TTariffForm form;
    form.First.SetColor(RGB(250, 240, 200));
    form.Edit.SetFocus();
    Pump();
    const TPixels unfocused = TPixels::Shown(form.First.Handle());
    form.First.SetFocus();
    Pump();
    const TPixels focused = TPixels::Shown(form.First.Handle());
    // The frame runs along the rows above and below the text, outside the mark.
    int changed = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = form.First.MarkRect().right + 1; x < 69; ++x) {
            changed +=
                unfocused.At(x, y) == RGB(250, 240, 200) && focused.At(x, y) != RGB(250, 240, 200);
        }
    }
    EXPECT_GT(changed, 20);
}

TEST_F(RadioButtonTest, ASystemColourChangeRebuildsTheMarks) {
    TTariffForm form;
    const int index = TcxRadioButtonImageList::ImageIndex(false, TcxLookAndFeelKind::lfStandard,
                                                          false, TcxRadioButtonState::normal);
    TPixels::Shown(form.Second.Handle());
    ASSERT_TRUE(RadioButtonImageList().Built(index));

    // The hidden receiver empties the cache; so does each button, and repaints.
    SendMessageW(RadioButtonColorChangeEventReceiver().Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_FALSE(RadioButtonImageList().Built(index));
    TPixels::Shown(form.Second.Handle());
    SendMessageW(form.Form.Handle(), WM_SYSCOLORCHANGE, 0, 0); // the form passes it on
    EXPECT_FALSE(RadioButtonImageList().Built(index));
    Pump();
    EXPECT_TRUE(RadioButtonImageList().Built(index));

    // A real change of the window colour shows in the well of the unchecked mark.
    const int element = COLOR_WINDOW;
    const COLORREF original = GetSysColor(element);
    const COLORREF changed = RGB(10, 200, 30);
    SetSysColors(1, &element, &changed);
    Pump();
    const SIZE mark = RadioButtonImageList().ImageSize();
    const RECT where = form.Second.MarkRect();
    const COLORREF well =
        TPixels::Shown(form.Second.Handle()).At(where.left + mark.cx / 2, where.top + mark.cy / 2);
    SetSysColors(1, &element, &original);
    Pump();
    EXPECT_EQ(well, changed);
}

} // namespace
} // namespace velkaro::test
