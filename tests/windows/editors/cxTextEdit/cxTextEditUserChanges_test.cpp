// What the text edits give away and take back through the native edit's own commands: a
// password goes to no clipboard, and an undo asks for permission like any change.
#include "editors/cxMaskEdit/cxMaskEdit.h"
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Clipboard.h"
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace velkaro::test {
namespace {

using TextEditUserChangesTest = ApplicationTest;

struct ClipboardRoute {
    const char* name;
    std::function<void(TcxCustomTextEdit&)> run;
};

const ClipboardRoute kCopyAndCutRoutes[] = {
    {"CopyToClipboard", [](TcxCustomTextEdit& edit) { edit.CopyToClipboard(); }},
    {"CutToClipboard", [](TcxCustomTextEdit& edit) { edit.CutToClipboard(); }},
    {"Ctrl+C", [](TcxCustomTextEdit&) { PressKey('C', ssCtrl); }},
    {"Ctrl+X", [](TcxCustomTextEdit&) { PressKey('X', ssCtrl); }},
    {"Ctrl+Insert", [](TcxCustomTextEdit&) { PressKey(VK_INSERT, ssCtrl); }},
    {"Shift+Delete", [](TcxCustomTextEdit&) { PressKey(VK_DELETE, ssShift); }},
};

// A text edit and a masked edit, each echoing stars, the text selected in the one focused.
class PasswordForm {
public:
    PasswordForm() : Text(&Form), Masked(&Form) {
        Form.SetClientSize(300, 100);
        Text.SetBounds(10, 10, 150, 21);
        Masked.SetBounds(10, 50, 150, 21);
        Text.Properties().SetEchoMode(eemPassword);
        Masked.Properties().SetEchoMode(eemPassword);
        Masked.Properties().SetEditMask(L"CCCCCC");
        Text.SetText(L"secret");
        Masked.SetText(L"secret");
        Form.Show();
    }
    TForm Form;
    TcxTextEdit Text;
    TcxMaskEdit Masked;
};

TEST_F(TextEditUserChangesTest, APasswordGoesToNoClipboard) {
    for (const bool masked : {false, true}) {
        for (const auto& route : kCopyAndCutRoutes) {
            PasswordForm form;
            TcxCustomTextEdit& edit = masked ? static_cast<TcxCustomTextEdit&>(form.Masked)
                                             : static_cast<TcxCustomTextEdit&>(form.Text);
            edit.SetFocus();
            edit.SelectAll();
            SetClipboardText(L"before");
            route.run(edit);
            EXPECT_EQ(GetClipboardText().value_or(L""), L"before") << route.name << masked;
            EXPECT_EQ(edit.Text(), L"secret") << route.name << masked;
        }
    }
}

// The native edit's own clipboard keys take the road of the clipboard commands, and so a mask's
// rules: a paste overwrites, a cut blanks.
TEST_F(TextEditUserChangesTest, TheNativeClipboardKeysFollowTheMask) {
    struct KeyCase {
        const char* name;
        WORD key;
        TShiftState shift;
        const wchar_t* display;
        const wchar_t* clipboard;
    };
    const KeyCase cases[] = {
        {"Shift+Insert", VK_INSERT, ssShift, L"78:30", L"78"},
        {"Shift+Delete", VK_DELETE, ssShift, L"__:30", L"09"},
        {"Ctrl+Insert", VK_INSERT, ssCtrl, L"09:30", L"09"},
    };
    for (const auto& c : cases) {
        TForm form;
        TcxMaskEdit edit(&form);
        edit.Properties().SetEditMask(L"!90:00;1;_");
        edit.SetText(L"09:30");
        form.Show();
        edit.SetFocus();
        edit.SetSelStart(0);
        edit.SetSelLength(2);
        SetClipboardText(L"78");
        PressKey(c.key, c.shift);
        wchar_t display[16] = {};
        GetWindowTextW(InnerWindow(edit), display, 16);
        EXPECT_STREQ(display, c.display) << c.name;
        EXPECT_EQ(GetClipboardText().value_or(L""), c.clipboard) << c.name;
    }
}

struct UndoRoute {
    const char* name;
    std::function<void(HWND inner)> run;
};

TEST_F(TextEditUserChangesTest, UndoAsksOnEditingAsEveryChangeDoes) {
    const UndoRoute routes[] = {
        {"Ctrl+Z", [](HWND) { PressKey('Z', ssCtrl); }},
        {"WM_UNDO", [](HWND inner) { SendMessageW(inner, WM_UNDO, 0, 0); }},
        {"EM_UNDO", [](HWND inner) { SendMessageW(inner, EM_UNDO, 0, 0); }},
    };
    for (const auto& route : routes) {
        for (const bool allowed : {false, true}) {
            TEditForm form;
            TcxTextEdit& edit = form.Edit(0);
            edit.SetText(L"start");
            bool allow = true;
            int asked = 0;
            edit.OnEditing = [&](TObject*, bool& canEdit) {
                ++asked;
                canEdit = allow;
            };
            form.Show();
            // Typed and committed: the native edit can undo the typing.
            TypeText(L"typed");
            PressKey(VK_TAB);
            PressKey(VK_TAB, ssShift);
            ASSERT_NE(SendMessageW(InnerWindow(edit), EM_CANUNDO, 0, 0), 0) << route.name;
            allow = allowed;
            asked = 0;
            route.run(InnerWindow(edit));
            EXPECT_EQ(edit.Text(), allowed ? L"start" : L"typed") << route.name << allowed;
            EXPECT_EQ(edit.ValueModel().TextModified(), allowed) << route.name << allowed;
            EXPECT_EQ(asked, 1) << route.name << allowed;
        }
    }
}

TEST_F(TextEditUserChangesTest, AReadOnlyEditRefusesUndo) {
    TEditForm form;
    TcxTextEdit& edit = form.Edit(0);
    edit.SetText(L"start");
    form.Show();
    TypeText(L"typed");
    PressKey(VK_TAB);
    PressKey(VK_TAB, ssShift);
    edit.Properties().SetReadOnly(true);
    SendMessageW(InnerWindow(edit), EM_UNDO, 0, 0);
    PressKey('Z', ssCtrl);
    EXPECT_EQ(edit.Text(), L"typed");
}

} // namespace
} // namespace velkaro::test
