#include "editors/cxLabel/cxLabel.h"
#include "editors/cxRadioGroup/cxRadioGroup.h"
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/RealInput.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velkaro::test {
namespace {

// A popup menu of one item that counts its showings.
struct TCountedMenu {
    TMenuItem Item{L"Item"};
    TPopupMenu Menu;
    int Shown = 0;
    TCountedMenu() {
        Menu.Add(&Item);
        Menu.OnPopup = [this](TObject*) { ++Shown; };
    }
};

// An edit that always shows its inner edit, a centred one that shows it only while focused, a
// label and a radio button, on a form with a menu of its own. The controls' entries and leaves,
// and their context-menu requests, are written down as "<control> <event>".
struct TPointerForm {
    TForm Form;
    TcxTextEdit Edit{&Form};
    TcxTextEdit Centred{&Form};
    TcxLabel Label{&Form};
    TcxRadioButton Radio{&Form};
    TCountedMenu FormMenu, ControlMenu;
    std::vector<std::wstring> Events, Popups;
    TPoint LastMove{-1, -1}, LastPopup{-2, -2};
    TShiftState LastShift = 0;
    bool Handle = false; // what OnContextPopup answers

    TPointerForm() {
        Form.SetClientSize(320, 200);
        Form.SetPosition(TFormPosition::poDesigned);
        Form.SetBounds(40, 40, Form.Width(), Form.Height());
        Form.SetPopupMenu(&FormMenu.Menu);
        Edit.SetBounds(20, 20, 150, 24);
        Centred.SetBounds(20, 60, 150, 24);
        Centred.Properties().Alignment().SetHorz(taCenter);
        Label.SetAutoSize(false);
        Label.SetBounds(20, 100, 120, 20);
        Label.SetCaption(L"Label");
        Radio.SetBounds(20, 140, 100, 25);
        Radio.SetCaption(L"Radio");
        Watch(Edit, L"edit");
        Watch(Centred, L"centred");
        Watch(Label, L"label");
        Watch(Radio, L"radio");
        Form.Show();
        Pump();
    }

    void Watch(TControl& control, const std::wstring& name) {
        control.OnMouseEnter = [this, name](TObject*) { Events.push_back(name + L" enter"); };
        control.OnMouseLeave = [this, name](TObject*) { Events.push_back(name + L" leave"); };
        control.OnMouseMove = [this, name](TObject*, TShiftState shift, int x, int y) {
            LastMove = {x, y};
            LastShift = shift;
        };
        control.OnContextPopup = [this, name](TObject*, TPoint position, bool& handled) {
            Popups.push_back(name + L" popup");
            LastPopup = position;
            handled = Handle;
        };
    }

    // The events since the last look.
    std::vector<std::wstring> Take() {
        Pump();
        return std::exchange(Events, {});
    }
    std::vector<std::wstring> TakePopups() { return std::exchange(Popups, {}); }
};

HWND InnerOf(TcxCustomEdit& edit) {
    return edit.InnerEdit()->Control().Handle();
}

// The keys pressed together in the first edit, with the focus.
void PressInEdit(TPointerForm& form, std::initializer_list<WORD> keys) {
    form.Edit.SetFocus();
    TypeChord(keys);
}

struct TStep {
    HWND Window;
    POINT At;
};
using TSteps = std::vector<std::vector<std::wstring>>;

// Moves the pointer along the path and notes the events that each step raised (in name order:
// one control may be left after the next is entered).
TSteps Walk(TPointerForm& form, std::initializer_list<TStep> path) {
    TSteps steps;
    for (const TStep& step : path) {
        MovePointer(step.Window, step.At.x, step.At.y);
        steps.push_back(form.Take());
        std::sort(steps.back().begin(), steps.back().end());
    }
    return steps;
}

// Shows a context menu by the request and notes the menu window that came up (closing it), or
// none.
struct TMenuSeen {
    bool Shown = false;
    POINT Corner{-1, -1};
};
TMenuSeen SeeMenu(const std::function<void()>& request) {
    TMenuSeen seen;
    TWindowAnswer answer(L"#32768", [&](HWND menu) {
        RECT bounds{};
        GetWindowRect(menu, &bounds);
        seen.Corner = {bounds.left, bounds.top};
        EndMenu();
    });
    request();
    Pump();
    seen.Shown = answer.Answered();
    return seen;
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

using PointerAndMenusTest = ApplicationTest;

TEST_F(PointerAndMenusTest, AnEditIsEnteredAndLeftOnceWhateverWindowOfItThePointerCrosses) {
    TPointerForm form;
    const HWND edit = form.Edit.Handle();
    const HWND background = form.Form.Handle();
    EXPECT_EQ(Walk(form, {{background, {250, 10}},
                          {edit, {1, 12}},   // the frame
                          {edit, {60, 12}},  // the inner edit
                          {edit, {148, 12}}, // the frame again
                          {edit, {60, 12}},
                          {background, {250, 10}}}),
              (TSteps{{}, {L"edit enter"}, {}, {}, {}, {L"edit leave"}}));

    // Straight onto the inner edit and straight off it: still one of each.
    EXPECT_EQ(Walk(form, {{edit, {60, 12}}, {background, {250, 10}}}),
              (TSteps{{L"edit enter"}, {L"edit leave"}}));

    // The centred edit unfocused has no inner edit showing; focused it has.
    form.Centred.SetFocus();
    const HWND centred = form.Centred.Handle();
    EXPECT_EQ(
        Walk(form,
             {{centred, {1, 12}}, {centred, {75, 12}}, {edit, {75, 12}}, {background, {250, 10}}}),
        (TSteps{{L"centred enter"}, {}, {L"centred leave", L"edit enter"}, {L"edit leave"}}));
    EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(PointerAndMenusTest, MovesReachTheControlInItsOwnCoordinatesWithTheButtonsHeld) {
    TPointerForm form;
    struct Case {
        const char* name;
        TControl& control;
        HWND window; // the window the pointer is over
        POINT at;    // in that window
        TPoint expected;
    };
    const HWND inner = InnerOf(form.Edit);
    const RECT innerBounds = BoundsInParent(inner);
    const Case cases[] = {
        {"the edit's frame", form.Edit, form.Edit.Handle(), {1, 2}, {1, 2}},
        {"the inner edit", form.Edit, inner, {30, 5}, {innerBounds.left + 30, innerBounds.top + 5}},
        {"the label", form.Label, form.Label.Handle(), {7, 9}, {7, 9}},
        {"the radio button", form.Radio, form.Radio.Handle(), {50, 11}, {50, 11}},
    };
    for (const Case& c : cases) {
        form.LastMove = {-1, -1};
        MovePointer(c.window, c.at.x, c.at.y);
        EXPECT_EQ(form.LastMove, c.expected) << c.name;
        EXPECT_EQ(form.LastShift, 0) << c.name;
    }
    // A drag in the inner edit reports the button, and the selection it makes (which a masked
    // edit adjusts first) is in place.
    form.Edit.SetText(L"abcdefgh");
    MovePointer(inner, 1, 5);
    form.Take();
    PressLeftButton();
    MovePointer(inner, 40, 5);
    EXPECT_EQ(form.LastShift, ssLeft);
    EXPECT_GT(form.Edit.SelLength(), 0);
    ReleaseLeftButton();
    MovePointer(form.Form.Handle(), 250, 10);
    EXPECT_EQ(form.Take(), std::vector<std::wstring>{L"edit leave"});
}

// A click on the centred edit's painted text goes on to its inner edit, which places the caret
// where it lands, as in a native edit, rather than selecting all as a focus by code or key does.
TEST_F(PointerAndMenusTest, AClickOnTheCentredEditsTextPlacesTheCaretThere) {
    TPointerForm form;
    form.Centred.SetText(L"abcdefgh");
    ClickAt(form.Centred.Handle(), 75, 12);
    Pump();
    EXPECT_EQ(GetFocus(), InnerOf(form.Centred));
    EXPECT_EQ(form.Centred.SelLength(), 0);
    EXPECT_GT(form.Centred.SelStart(), 0);
    MovePointer(form.Form.Handle(), 250, 10);
}

TEST_F(PointerAndMenusTest, TheLabelAndTheRadioButtonAreEnteredAndLeftToo) {
    TPointerForm form;
    EXPECT_EQ(Walk(form, {{form.Label.Handle(), {5, 5}},
                          {form.Label.Handle(), {60, 10}},
                          {form.Radio.Handle(), {30, 12}},
                          {form.Form.Handle(), {250, 10}}}),
              (TSteps{{L"label enter"}, {}, {L"label leave", L"radio enter"}, {L"radio leave"}}));
}

TEST_F(PointerAndMenusTest, AControlWithAMenuShowsItOnARightClickAndFromTheKeyboard) {
    TPointerForm form;
    form.Edit.SetPopupMenu(&form.ControlMenu.Menu);
    form.Label.SetPopupMenu(&form.ControlMenu.Menu);
    form.Radio.SetPopupMenu(&form.ControlMenu.Menu);
    const HWND inner = InnerOf(form.Edit);
    const RECT innerBounds = BoundsInParent(inner);

    struct Case {
        const char* name;
        std::function<void()> request;
        std::vector<std::wstring> events;
        TPoint popupPosition; // as OnContextPopup had it
        POINT corner;         // of the menu, on the screen
    };
    const Case cases[] = {
        {"right click on the inner edit",
         [&] { RightClickAt(inner, 30, 6); },
         {L"edit popup"},
         {innerBounds.left + 30, innerBounds.top + 6},
         ScreenPoint(inner, 30, 6)},
        {"right click on the edit's frame",
         [&] { RightClickAt(form.Edit.Handle(), 1, 1); },
         {L"edit popup"},
         {1, 1},
         ScreenPoint(form.Edit.Handle(), 1, 1)},
        {"Shift+F10 in the edit",
         [&] {
             PressInEdit(form, {VK_SHIFT, VK_F10});
         },
         {L"edit popup"},
         {-1, -1},
         ScreenPoint(inner, 0, 0)},
        {"the menu key in the edit",
         [&] { PressInEdit(form, {VK_APPS}); },
         {L"edit popup"},
         {-1, -1},
         ScreenPoint(inner, 0, 0)},
        {"right click on the label",
         [&] { RightClickAt(form.Label.Handle(), 10, 8); },
         {L"label popup"},
         {10, 8},
         ScreenPoint(form.Label.Handle(), 10, 8)},
        {"right click on the radio button",
         [&] { RightClickAt(form.Radio.Handle(), 40, 12); },
         {L"radio popup"},
         {40, 12},
         ScreenPoint(form.Radio.Handle(), 40, 12)},
    };
    for (const Case& c : cases) {
        form.TakePopups();
        form.ControlMenu.Shown = form.FormMenu.Shown = 0;
        const TMenuSeen seen = SeeMenu(c.request);
        EXPECT_TRUE(seen.Shown) << c.name;
        EXPECT_EQ(form.ControlMenu.Shown, 1) << c.name;
        EXPECT_EQ(form.FormMenu.Shown, 0) << c.name;
        EXPECT_EQ(form.TakePopups(), c.events) << c.name;
        EXPECT_EQ(form.LastPopup, c.popupPosition) << c.name;
        EXPECT_EQ(seen.Corner.x, c.corner.x) << c.name;
        EXPECT_EQ(seen.Corner.y, c.corner.y) << c.name;
    }
    EXPECT_TRUE(ReportedErrors().empty());
}

TEST_F(PointerAndMenusTest, WithoutAMenuTheEditShowsItsNativeMenuAndTheOthersTheirParents) {
    TPointerForm form;
    const HWND inner = InnerOf(form.Edit);
    struct Case {
        const char* name;
        std::function<void()> request;
        std::vector<std::wstring> events;
        int formMenus; // 0: the native edit menu came up instead
    };
    const Case cases[] = {
        {"right click on the inner edit", [&] { RightClickAt(inner, 30, 6); }, {L"edit popup"}, 0},
        {"the menu key in the edit", [&] { PressInEdit(form, {VK_APPS}); }, {L"edit popup"}, 0},
        {"right click on the label",
         [&] { RightClickAt(form.Label.Handle(), 10, 8); },
         {L"label popup"},
         1},
        {"right click on the radio button",
         [&] { RightClickAt(form.Radio.Handle(), 40, 12); },
         {L"radio popup"},
         1},
        {"right click on the form", [&] { RightClickAt(form.Form.Handle(), 250, 10); }, {}, 1},
        // Unfocused, the centred edit shows no inner edit: the click is on the control itself.
        {"right click on an edit without its inner edit",
         [&] { RightClickAt(form.Centred.Handle(), 75, 12); },
         {L"centred popup"},
         1},
    };
    for (const Case& c : cases) {
        form.TakePopups();
        form.FormMenu.Shown = 0;
        EXPECT_TRUE(SeeMenu(c.request).Shown) << c.name;
        EXPECT_EQ(form.FormMenu.Shown, c.formMenus) << c.name;
        EXPECT_EQ(form.TakePopups(), c.events) << c.name;
    }
}

TEST_F(PointerAndMenusTest, AContextPopupHandlerThatHandlesItShowsNoMenu) {
    TPointerForm form;
    form.Handle = true;
    form.Label.SetPopupMenu(&form.ControlMenu.Menu);
    const HWND inner = InnerOf(form.Edit);
    struct Case {
        const char* name;
        std::function<void()> request;
        std::wstring event;
    };
    const Case cases[] = {
        {"no native menu", [&] { RightClickAt(inner, 30, 6); }, L"edit popup"},
        {"nor from the keyboard", [&] { PressInEdit(form, {VK_APPS}); }, L"edit popup"},
        {"nor the control's own", [&] { RightClickAt(form.Label.Handle(), 10, 8); },
         L"label popup"},
        {"nor the parent's", [&] { RightClickAt(form.Radio.Handle(), 40, 12); }, L"radio popup"},
    };
    for (const Case& c : cases) {
        form.TakePopups();
        EXPECT_FALSE(SeeMenu(c.request).Shown) << c.name;
        EXPECT_EQ(form.TakePopups(), std::vector<std::wstring>{c.event}) << c.name;
    }
    EXPECT_EQ(form.ControlMenu.Shown + form.FormMenu.Shown, 0);
}

} // namespace
} // namespace velkaro::test
