#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Buttons.h"
#include "framework/Menus.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

constexpr wchar_t kInvalidInput[] = L"Invalid input value. Use escape key to abandon changes.";

using EditFocusTest = ApplicationTest;

// Texts starting with "bad" fail validation.
void RejectBadTexts(TcxCustomEditProperties& properties, int& validations) {
    properties.OnValidate = [&validations](TObject*, Variant& display, std::wstring&, bool& error) {
        ++validations;
        error = display.ToString().starts_with(L"bad");
    };
}

struct TabCase {
    const char* name;
    TShiftState shift;
    int from;
    int to;
};

TEST_F(EditFocusTest, TabMovesThroughTheTabStopsAndNeverTypesATab) {
    const TabCase cases[] = {
        {"Tab", 0, 0, 1},
        {"Tab from the last wraps", 0, 2, 0},
        {"Shift+Tab", ssShift, 0, 2},
        {"Shift+Tab back", ssShift, 2, 1},
        {"Ctrl+Tab is not the edit's", ssCtrl, 1, 1},
    };
    for (const auto& c : cases) {
        TEditForm form(3);
        form.Show();
        form.Edit(c.from).SetFocus();
        PressKey(VK_TAB, c.shift);
        EXPECT_TRUE(HasFocus(form.Edit(c.to))) << c.name;
        EXPECT_EQ(form.Edit(c.from).Text(), L"") << c.name;
    }
}

TEST_F(EditFocusTest, ANonTabStopIsSkipped) {
    TEditForm form(3);
    form.Edit(1).SetTabStop(false);
    form.Show();
    PressKey(VK_TAB);
    EXPECT_TRUE(HasFocus(form.Edit(2)));
}

TEST_F(EditFocusTest, LeavingWithInvalidTextKeepsTheFocusAndSkipsOnExit) {
    TBeepCounter beeps;
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetBeepOnError(true);
    int validations = 0;
    RejectBadTexts(edit.Properties(), validations);
    int exits = 0;
    int enters = 0;
    edit.OnExit = [&exits](TObject*) { ++exits; };
    form.Edit(1).OnEnter = [&enters](TObject*) { ++enters; };
    form.Show();
    TypeText(L"bad");
    PressKey(VK_TAB);
    EXPECT_EQ(ReportedErrors(), std::vector<std::wstring>{kInvalidInput});
    EXPECT_TRUE(HasFocus(edit));
    EXPECT_EQ(edit.SelStart(), 0);
    EXPECT_EQ(edit.SelLength(), 3);
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(enters, 0);
    EXPECT_EQ(edit.Text(), L"bad");
    EXPECT_TRUE(edit.EditValue().IsNull());
    EXPECT_TRUE(edit.ValueModel().TextModified());

    // Corrected, it leaves; the next exit validates again.
    TypeText(L"good");
    PressKey(VK_TAB);
    EXPECT_TRUE(HasFocus(form.Edit(1)));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(edit.EditValue(), Variant(L"good"));
    EXPECT_EQ(validations, 2);
}

TEST_F(EditFocusTest, AnErrorWithoutTextKeepsTheFocusWithoutAReport) {
    TBeepCounter beeps;
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.Properties().SetBeepOnError(true);
    edit.Properties().OnValidate = [](TObject*, Variant&, std::wstring& errorText, bool& error) {
        error = true;
        errorText.clear();
    };
    int exits = 0;
    edit.OnExit = [&exits](TObject*) { ++exits; };
    form.Show();
    TypeText(L"x");
    PressKey(VK_TAB);
    EXPECT_TRUE(ReportedErrors().empty());
    EXPECT_TRUE(HasFocus(edit));
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(exits, 0);
}

TEST_F(EditFocusTest, EnterStillDeliversTheCharacterAfterValidation) {
    for (const bool valid : {true, false}) {
        TEditForm form;
        TcxTextEdit& edit = form.Edit(0);
        edit.Properties().SetValidateOnEnter(true);
        int validations = 0;
        RejectBadTexts(edit.Properties(), validations);
        std::wstring pressed;
        edit.OnKeyPress = [&pressed](TObject*, wchar_t& key) { pressed += key; };
        form.Show();
        TypeText(valid ? L"ok" : L"bad");
        pressed.clear();
        PressKey(VK_RETURN);
        EXPECT_EQ(pressed, L"\r") << valid;
        EXPECT_EQ(ReportedErrors().size(), valid ? 0u : 1u) << valid;
        EXPECT_EQ(edit.EditValue(), valid ? Variant(L"ok") : Variant()) << valid;
        EXPECT_EQ(edit.ValueModel().InputChecked(), valid) << valid;
        // Checked text is not validated again on exit.
        PressKey(VK_TAB);
        EXPECT_EQ(validations, valid ? 1 : 2) << valid;
        ReportedErrors().clear();
    }
}

TEST_F(EditFocusTest, EscapeIsLeftAloneUntilTheUserEdits) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.SetText(L"code");
    std::vector<std::uint16_t> keysUp;
    form.Show();
    edit.OnKeyUp = [&keysUp](TObject*, std::uint16_t& key, TShiftState) { keysUp.push_back(key); };
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(edit.ValueModel().EditingActive());
    TypeText(L"zz");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(edit.Text(), L"code");
    EXPECT_FALSE(edit.ValueModel().TextModified());
    EXPECT_TRUE(edit.ValueModel().EditingActive());
    EXPECT_EQ(edit.SelLength(), 4);
}

TEST_F(EditFocusTest, EscapeAbandonsTypingBeforeTheCancelButtonHasIt) {
    TEditForm form(1);
    TButton cancel(&form.Form);
    cancel.SetBounds(10, 40, 75, 25);
    cancel.SetCancel(true);
    int cancelled = 0;
    cancel.OnClick = [&cancelled](TObject*) { ++cancelled; };
    form.Show();
    TypeText(L"typed");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(form.Edit(0).Text(), L"");
    EXPECT_EQ(cancelled, 0);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelled, 1);
}

TEST_F(EditFocusTest, FocusByCodeGoesIntoTheInnerEditAndReportsEachChangeOnce) {
    TEditForm form;
    TcxTextEdit& first = form.Edit(0);
    TcxTextEdit& second = form.Edit(1);
    int changes = 0;
    second.OnFocusChanged = [&changes](TObject*) { ++changes; };
    int enters = 0;
    second.OnEnter = [&enters](TObject*) { ++enters; };
    form.Show();
    second.SetFocus();
    EXPECT_EQ(GetFocus(), second.InnerEdit()->Control().Handle());
    EXPECT_EQ(form.Form.ActiveControl(), &second.InnerEdit()->Control());
    second.SetFocus();
    // Through the control's own window and on into the inner edit: still one entry.
    SetFocus(second.Handle());
    EXPECT_EQ(GetFocus(), second.InnerEdit()->Control().Handle());
    EXPECT_EQ(enters, 1);
    first.SetFocus();
    EXPECT_EQ(changes, 2);
}

TEST_F(EditFocusTest, TheCentredInnerEditIsShownOnlyWhileFocused) {
    TEditForm form;
    TcxTextEdit& centred = form.Edit(1);
    centred.Properties().Alignment().SetHorz(taCenter);
    form.Show();
    const HWND inner = centred.InnerEdit()->Control().Handle();
    const HWND leftInner = form.Edit(0).InnerEdit()->Control().Handle();
    EXPECT_FALSE(IsWindowVisible(inner));
    EXPECT_TRUE(IsWindowVisible(leftInner));
    centred.SetFocus();
    EXPECT_TRUE(IsWindowVisible(inner));
    EXPECT_EQ(GetWindowLongPtrW(inner, GWL_STYLE) & (ES_CENTER | ES_RIGHT), 0);
    form.Edit(0).SetFocus();
    EXPECT_FALSE(IsWindowVisible(inner));
    EXPECT_TRUE(IsWindowVisible(leftInner));
}

HWND CaretWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info.hwndCaret;
}

// The focus inside a menu of one item opened here, closed from inside its loop.
HWND FocusDuringMenu(HWND owner) {
    TMenuItem item{L"Item"};
    TPopupMenu menu;
    menu.Add(&item);
    HWND focus = nullptr;
    const TWindowAnswer answer(L"#32768", [&focus](HWND) {
        focus = GetFocus();
        EndMenu();
    });
    menu.Popup(0, 0, owner);
    return focus;
}

// Inside a handler the focus moves at once and the inner edits and the caret follow when it is
// done, or when a modal loop starts: a pass through a centred edit and back leaves everything as
// it was, a move into one ends in its inner edit, one on into another edit leaves the caret there,
// and one onto the form leaves no caret behind.
TEST_F(EditFocusTest, FocusMovedByAHandlerSettlesWhenTheHandlerIsDone) {
    enum TEnd { EndBack, EndInCentred, EndInCentredBeforeAMenu, EndInThird, EndOnForm };
    const struct {
        const char* name;
        TEnd end;
    } cases[] = {{"through and back", EndBack},
                 {"into the centred edit", EndInCentred},
                 {"into the centred edit, then a menu", EndInCentredBeforeAMenu},
                 {"through into another edit", EndInThird},
                 {"through onto the form", EndOnForm}};
    for (const auto& c : cases) {
        TEditForm form(3);
        TcxTextEdit& first = form.Edit(0);
        TcxTextEdit& centred = form.Edit(1);
        centred.Properties().Alignment().SetHorz(taCenter);
        int enters = 0;
        int exits = 0;
        centred.OnEnter = [&enters](TObject*) { ++enters; };
        centred.OnExit = [&exits](TObject*) { ++exits; };
        first.OnKeyPress = [&](TObject*, wchar_t& key) {
            if (key == L'\r') {
                centred.SetFocus();
                EXPECT_TRUE(HasFocus(centred)) << c.name;
                if (c.end == EndBack) {
                    first.SetFocus();
                } else if (c.end == EndInThird) {
                    form.Edit(2).SetFocus();
                } else if (c.end == EndOnForm) {
                    SetFocus(form.Form.Handle());
                } else if (c.end == EndInCentredBeforeAMenu) {
                    EXPECT_EQ(FocusDuringMenu(form.Form.Handle()), InnerWindow(centred)) << c.name;
                }
            }
        };
        form.Show();
        PressKey(VK_RETURN);
        const bool inCentred = c.end == EndInCentred || c.end == EndInCentredBeforeAMenu;
        const HWND expected = c.end == EndBack      ? InnerWindow(first)
                              : inCentred           ? InnerWindow(centred)
                              : c.end == EndInThird ? InnerWindow(form.Edit(2))
                                                    : form.Form.Handle();
        EXPECT_EQ(GetFocus(), expected) << c.name;
        EXPECT_EQ(CaretWindow(), c.end == EndOnForm ? nullptr : expected) << c.name;
        EXPECT_EQ(enters, 1) << c.name;
        if (c.end != EndOnForm) { // the form's own window leaves its active control as it is
            EXPECT_EQ(IsWindowVisible(InnerWindow(centred)) != FALSE, inCentred) << c.name;
            EXPECT_EQ(exits, inCentred ? 0 : 1) << c.name;
        }
    }
}

TEST_F(EditFocusTest, WithoutLeftAlignmentOnEditingTheInnerEditIsRecreatedCentred) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.SetText(L"abc");
    form.Show();
    edit.Properties().SetUseLeftAlignmentOnEditing(false);
    edit.Properties().Alignment().SetHorz(taCenter);
    const HWND inner = edit.InnerEdit()->Control().Handle();
    EXPECT_EQ(GetWindowLongPtrW(inner, GWL_STYLE) & ES_CENTER, ES_CENTER);
    EXPECT_EQ(GetFocus(), inner);
    EXPECT_EQ(edit.Text(), L"abc");
    const LRESULT margins = SendMessageW(inner, EM_GETMARGINS, 0, 0);
    EXPECT_EQ(LOWORD(margins), 0);
    EXPECT_EQ(HIWORD(margins), 1);
}

// A dialog with two edits: the first holds typed text when the dialog closes.
struct TModalCase {
    const char* name;
    std::wstring typed;
    int result;
    Variant value;
};

TEST_F(EditFocusTest, AModalFormClosedWithOkCommitsValidTextSilently) {
    const TModalCase cases[] = {
        {"OK with valid text", L"fine", mrOk, Variant(L"fine")},
        {"OK with invalid text", L"bad", mrOk, Variant()},
        {"cancel", L"fine", mrCancel, Variant()},
    };
    for (const auto& c : cases) {
        TEditForm dialog;
        TcxTextEdit& edit = dialog.Edit(0);
        int validations = 0;
        RejectBadTexts(edit.Properties(), validations);
        const TWindowAnswer answer(L"TForm", [&](HWND) {
            edit.SetFocus();
            TypeText(c.typed);
            dialog.Form.SetModalResult(c.result);
        });
        EXPECT_EQ(dialog.Form.ShowModal(), c.result) << c.name;
        EXPECT_EQ(edit.EditValue(), c.value) << c.name;
        EXPECT_EQ(edit.Text(), c.typed) << c.name;
        EXPECT_EQ(validations, c.result == mrOk ? 1 : 0) << c.name;
        EXPECT_TRUE(ReportedErrors().empty()) << c.name;
    }
}

} // namespace
} // namespace velkaro::test
